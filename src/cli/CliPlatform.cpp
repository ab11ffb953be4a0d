#include "cli/CliPlatform.h"

#include <cstdio>

QString CliAppInfo::configPath() const
{
    return m_configPath.isEmpty() ? QtAppInfo::configPath() : m_configPath;
}

QString CliAppInfo::configStartingPoint() const
{
    return m_configPath.isEmpty() ? QtAppInfo::configStartingPoint() : QString();
}

void ConsoleMessageBoxes::present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon,
                                  AnswerHandler done)
{
    QString flat = text;
    flat.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(), flat.toLocal8Bit().constData());
    std::fflush(stderr);
    const MsgAnswer answer = buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    m_timers.post([done = std::move(done), answer] { done(answer); });
}

CliPlatform::CliPlatform(const QString& configPath) : app(configPath) {}
