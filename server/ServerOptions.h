#pragma once

#include "BuildConfig.h"
#include "Misbehaviour.h"

#include <QHostAddress>
#include <QString>

#include <optional>

struct ServerOptions
{
    QHostAddress address{QHostAddress::LocalHost};
    // Where the client built alongside looks; the web port is that of its web site when the
    // site names one (parseServerOptions).
    quint16 commandPort = BuildConfig::serverPort;
    quint16 httpPort = 52080;
    std::optional<quint16> httpExtraPort;
    QString accountsFile;
    QString recordsFile;
    QString versionReply = QStringLiteral("2.1.3");
    QString newsBody = QStringLiteral("NONE");
    Misbehaviour misbehaviour;
};

// Reads the options from the application's command line. Prints the help and exits for --help;
// returns nothing and sets error for an option it cannot use.
std::optional<ServerOptions> parseServerOptions(const QStringList& arguments, QString* error);
