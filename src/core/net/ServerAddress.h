#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A command server named on a command line.
struct ServerAddress
{
    QString host;
    quint16 port = 0;
};

// "host:port", or "[v6-address]:port"; nothing when the text is not one of them.
std::optional<ServerAddress> parseServerAddress(const QString& text);
// Why `text` given to --server is not taken, for the user to read.
QString serverAddressProblem(const QString& text);
// The server named among a program's arguments by "--server HOST:PORT" or "--server=HOST:PORT", if
// any; one that is not HOST:PORT leaves `problem` set.
std::optional<ServerAddress> serverOption(const QStringList& arguments, QString* problem);
