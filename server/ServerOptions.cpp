#include "ServerOptions.h"

#include <QCommandLineParser>
#include <QUrl>

namespace {

// Parses a whole number between 0 and maximum; an absent option keeps the value.
bool readNumber(const QCommandLineParser& parser, const QCommandLineOption& option, int maximum, int& value,
                QString* error)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const int number = parser.value(option).toInt(&ok);
    if (!ok || number < 0 || number > maximum) {
        *error = QStringLiteral("--%1 needs a number from 0 to %2").arg(option.names().first()).arg(maximum);
        return false;
    }
    value = number;
    return true;
}

} // namespace

std::optional<ServerOptions> parseServerOptions(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Reference command server and web site for the Veltaro client."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption address(QStringLiteral("address"), QStringLiteral("Address to listen on."),
                                     QStringLiteral("ADDR"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Command port; 0 picks a free one."),
                                  QStringLiteral("PORT"));
    const QCommandLineOption httpPort(QStringLiteral("http-port"), QStringLiteral("Web port; 0 picks a free one."),
                                      QStringLiteral("PORT"));
    const QCommandLineOption httpExtraPort(QStringLiteral("http-extra-port"),
                                           QStringLiteral("Also serve the web pages here, if it can be bound."),
                                           QStringLiteral("PORT"));
    const QCommandLineOption accounts(QStringLiteral("accounts"), QStringLiteral("Accounts file (default: DEMO)."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption records(QStringLiteral("records"), QStringLiteral("File rewritten after each update."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption versionReply(QStringLiteral("version-reply"),
                                          QStringLiteral("Version named by CHECKVERSION."), QStringLiteral("VERSION"));
    const QCommandLineOption news(QStringLiteral("news"), QStringLiteral("News body, \"URL:message\"."),
                                  QStringLiteral("TEXT"));
    const QCommandLineOption only(
        QStringLiteral("only"),
        QStringLiteral("Misbehave for this command word only (\"UPDATE:GROUP\": one group's updates)."),
        QStringLiteral("CMD"));
    const QCommandLineOption delay(QStringLiteral("delay"), QStringLiteral("Wait before replying."),
                                   QStringLiteral("MS"));
    const QCommandLineOption split(QStringLiteral("split"), QStringLiteral("Send the reply in N pieces."),
                                   QStringLiteral("N"));
    const QCommandLineOption splitGap(QStringLiteral("split-gap"), QStringLiteral("Pause between pieces (100)."),
                                      QStringLiteral("MS"));
    const QCommandLineOption neverReply(QStringLiteral("never-reply"),
                                        QStringLiteral("Keep the connection, no reply."));
    const QCommandLineOption closeWithoutReply(QStringLiteral("close-without-reply"),
                                               QStringLiteral("Close the connection without a reply."));
    const QCommandLineOption refuse(QStringLiteral("refuse"), QStringLiteral("Reset the connection, no reply."));
    const QCommandLineOption oversized(QStringLiteral("oversized"), QStringLiteral("Pad the reply to BYTES bytes."),
                                       QStringLiteral("BYTES"));
    const QCommandLineOption binary(QStringLiteral("binary"), QStringLiteral("Reply with BYTES random bytes."),
                                    QStringLiteral("BYTES"));
    parser.addOptions({address, port, httpPort, httpExtraPort, accounts, records, versionReply, news, only, delay,
                       split, splitGap, neverReply, closeWithoutReply, refuse, oversized, binary});
    parser.process(arguments);

    ServerOptions options;
    // "any" and "::" listen on IPv4 and IPv6 alike; Qt would take "::" for IPv6 only.
    const QString addressText = parser.value(address);
    if (addressText == QLatin1String("any") || addressText == QLatin1String("::"))
        options.address = QHostAddress::Any;
    else if (!options.address.setAddress(addressText)) {
        *error = QStringLiteral("--address needs an IP address");
        return std::nullopt;
    }
    int commandPort = options.commandPort;
    int webPort = QUrl(QString::fromUtf8(BuildConfig::webSite)).port(options.httpPort);
    int extraPort = -1;
    Misbehaviour& misbehaviour = options.misbehaviour;
    constexpr int maxPort = 65535;
    constexpr int maxCount = 100'000'000;
    if (!readNumber(parser, port, maxPort, commandPort, error) ||
        !readNumber(parser, httpPort, maxPort, webPort, error) ||
        !readNumber(parser, httpExtraPort, maxPort, extraPort, error) ||
        !readNumber(parser, delay, maxCount, misbehaviour.delayMs, error) ||
        !readNumber(parser, split, maxCount, misbehaviour.splitPieces, error) ||
        !readNumber(parser, splitGap, maxCount, misbehaviour.splitGapMs, error) ||
        !readNumber(parser, oversized, maxCount, misbehaviour.oversizedBytes, error) ||
        !readNumber(parser, binary, maxCount, misbehaviour.binaryBytes, error))
        return std::nullopt;
    options.commandPort = quint16(commandPort);
    options.httpPort = quint16(webPort);
    if (extraPort >= 0)
        options.httpExtraPort = quint16(extraPort);
    options.accountsFile = parser.value(accounts);
    options.recordsFile = parser.value(records);
    if (parser.isSet(versionReply))
        options.versionReply = parser.value(versionReply);
    if (parser.isSet(news))
        options.newsBody = parser.value(news);
    misbehaviour.onlyCommand = parser.value(only);
    misbehaviour.neverReply = parser.isSet(neverReply);
    misbehaviour.closeWithoutReply = parser.isSet(closeWithoutReply);
    misbehaviour.refuse = parser.isSet(refuse);

    if (int(misbehaviour.neverReply) + int(misbehaviour.closeWithoutReply) + int(misbehaviour.refuse) > 1) {
        *error = QStringLiteral("choose at most one of --never-reply, --close-without-reply and --refuse");
        return std::nullopt;
    }
    if (misbehaviour.oversizedBytes > 0 && misbehaviour.binaryBytes > 0) {
        *error = QStringLiteral("choose one of --oversized and --binary");
        return std::nullopt;
    }
    return options;
}
