#pragma once

#include "core/platform/CorePlatform.h"
#include "core/platform/qt/QtAppInfo.h"
#include "core/platform/qt/QtFiles.h"
#include "core/platform/qt/QtSockets.h"
#include "core/platform/qt/QtTimers.h"

// The program, with the settings file that the command line names.
class CliAppInfo : public QtAppInfo
{
public:
    explicit CliAppInfo(QString configPath) : m_configPath(std::move(configPath)) {}

    QString configPath() const override;
    QString configStartingPoint() const override;

private:
    QString m_configPath;
};

// No one answers a box on a command line: its text goes to standard error and the answer is No
// (or OK), given once the caller has returned.
class ConsoleMessageBoxes : public MessageBoxes
{
public:
    explicit ConsoleMessageBoxes(TimerService& timers) : m_timers(timers) {}

protected:
    void present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                 AnswerHandler done) override;

private:
    TimerService& m_timers;
};

// The platform services of the command-line client: Qt's timers, sockets and files, no desktop.
struct CliPlatform
{
    explicit CliPlatform(const QString& configPath);

    QtTimers timers;
    QtSocketFactory sockets;
    QtFiles files;
    CliAppInfo app;
    ConsoleMessageBoxes messageBoxes{timers};
    CorePlatform platform{timers, timers, messageBoxes, app, files, sockets};
};
