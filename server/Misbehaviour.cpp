#include "Misbehaviour.h"

#include "core/protocol/Scrambler.h"

#include <QRandomGenerator>

#include <algorithm>

bool Misbehaviour::appliesTo(const QString& request) const
{
    if (onlyCommand.isEmpty())
        return true;
    const QString group = onlyCommand.section(QLatin1Char(':'), 1);
    if (request.section(QLatin1Char(':'), 0, 0)
            .compare(onlyCommand.section(QLatin1Char(':'), 0, 0), Qt::CaseInsensitive) != 0)
        return false;
    return group.isEmpty() || request.contains(QStringLiteral(":G") + group + QLatin1Char(':'), Qt::CaseInsensitive);
}

QByteArray Misbehaviour::wireReply(const QString& plainReply) const
{
    if (binaryBytes > 0) {
        // Starts with the two bytes most likely to trip a text reader.
        QByteArray bytes(binaryBytes, '\0');
        for (int i = 1; i < bytes.size(); ++i)
            bytes[i] = char(i == 1 ? 0xFF : QRandomGenerator::global()->bounded(256));
        return bytes;
    }
    if (oversizedBytes > 0) {
        const qsizetype filler = std::max<qsizetype>(0, oversizedBytes - plainReply.size() - 2);
        return Scrambler::scrambleText(plainReply + QString(filler, u'X')).toLatin1().left(oversizedBytes);
    }
    return Scrambler::scrambleText(plainReply).toLatin1();
}

QList<QByteArray> Misbehaviour::pieces(const QByteArray& wire) const
{
    const qsizetype count = std::clamp<qsizetype>(splitPieces, 1, std::max<qsizetype>(1, wire.size()));
    QList<QByteArray> result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype end = wire.size() * (i + 1) / count;
        result.append(wire.mid(start, end - start));
        start = end;
    }
    return result;
}
