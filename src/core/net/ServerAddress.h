#pragma once

#include <QString>

#include <optional>

// A command server named on a command line.
struct ServerAddress
{
    QString host;
    quint16 port = 0;
};

// "host:port", or "[v6-address]:port"; nothing when the text is not one of them.
std::optional<ServerAddress> parseServerAddress(const QString& text);
