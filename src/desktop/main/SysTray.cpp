#include "desktop/main/SysTray.h"

#include <QtEndian>

namespace SysTray {

QByteArray NOTIFYICONDATA::toBytes() const
{
    QByteArray bytes(24, '\0');
    const std::uint32_t fields[] = {cbSize, hWnd, uID, uFlags, uCallbackMessage, hIcon};
    for (int i = 0; i < 6; ++i)
        qToLittleEndian(fields[i], bytes.data() + 4 * i);
    bytes.append(szTip.left(kTipLength).leftJustified(kTipLength, ' '));
    return bytes;
}

QByteArray makeTip(const QString& title, const QString& address)
{
    QByteArray tip = (title + QStringLiteral(" [") + address + QStringLiteral("]")).toLatin1();
    tip.append('\0');
    return tip.left(kTipLength).leftJustified(kTipLength, ' ');
}

} // namespace SysTray
