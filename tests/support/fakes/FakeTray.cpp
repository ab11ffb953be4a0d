#include "support/fakes/FakeTray.h"

QString FakeTray::lastTip() const
{
    if (calls.empty())
        return {};
    const QByteArray tip = calls.back().record.mid(24);
    return QString::fromLatin1(tip.left(tip.indexOf('\0')));
}
