#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Ways the server can be told to answer badly, so that tests can see how the client copes.
struct Misbehaviour
{
    // The command word it is limited to, or "UPDATE:GROUP" for one group's updates; empty means every command.
    QString onlyCommand;
    int delayMs = 0;
    int splitPieces = 1;
    int splitGapMs = 100;
    bool neverReply = false;
    bool closeWithoutReply = false;
    bool refuse = false; // reset the connection once the request has arrived
    int oversizedBytes = 0;
    int binaryBytes = 0;

    bool appliesTo(const QString& request) const;
    // What goes on the wire for a plain reply: scrambled, or the oversized or binary stand-in.
    QByteArray wireReply(const QString& plainReply) const;
    // The wire reply cut into splitPieces parts of nearly equal size (fewer if it is shorter).
    QList<QByteArray> pieces(const QByteArray& wire) const;
};
