#include "cli/CliClient.h"

#include "cli/ConsoleView.h"
#include "core/client/UpdateClient.h"
#include "core/platform/CorePlatform.h"
#include "core/platform/qt/SingleInstance.h"
#include "core/settings/ConfigFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

CliClient::CliClient(const CommandLine& line, CorePlatform& corePlatform, const Clock* logClock,
                     ConsoleOutput::Sink sink)
    : platform(corePlatform)
{
    // No window lingers after a reply here: each step starts as soon as the one before is through.
    const UpdateScheduler::Pacing pacing{.startStepMs = 0, .minuteMs = line.minuteMs > 0 ? line.minuteMs : kMinuteMs};
    m_engine = std::make_unique<UpdateClient>(platform, pacing);
    UpdateClient& engine = *m_engine;
    m_view = std::make_unique<ConsoleView>(engine, ConsoleOutput(logClock, std::move(sink)));
    QObject::connect(&engine, &UpdateClient::historyNotWritten, [this](const QString& path) {
        printWarning(QCoreApplication::translate("CliClient", "could not add to \"%1\"").arg(path));
    });
    QObject::connect(&engine, &UpdateClient::exchangeEnded, [this](ExchangeEnd end) {
        if (auto next = std::exchange(m_next, nullptr))
            next(end);
    });
    engine.exchange().setCloseDelays(0, 0);
    if (line.timeoutSeconds > 0)
        engine.exchange().setTimeout(line.timeoutSeconds * 1000);
    // Without --server the exchange takes the built-in server.
    engine.setServer(line.serverHost, quint16(line.serverPort));
}

CliClient::~CliClient() = default;

bool CliClient::lockSettings(int waitMs)
{
    const QString path = ConfigFile::path(platform);
    m_instance = std::make_unique<SingleInstance>(path);
    switch (m_instance->lock(waitMs)) {
    case SingleInstance::Lock::Taken:
        return true;
    case SingleInstance::Lock::HeldElsewhere:
        printError(
            QCoreApplication::translate("CliClient", "another Veltaro is using \"%1\"; try again once it has ended")
                .arg(path));
        return false;
    case SingleInstance::Lock::Unavailable:
        break;
    }
    // Two writers must never run unlocked.
    printError(
        QCoreApplication::translate("CliClient", "\"%1\" cannot be locked (\"%2\")").arg(path, m_instance->lockPath()));
    return false;
}

ConsoleView& CliClient::view()
{
    return *m_view;
}

UpdateClient& CliClient::client()
{
    return *m_engine;
}

Settings& CliClient::settings()
{
    return m_engine->settings();
}

void CliClient::printError(const QString& line)
{
    view().output().error(line);
}

void CliClient::printWarning(const QString& line)
{
    view().output().warning(line);
}

bool CliClient::checkSettingsPath()
{
    const QString path = ConfigFile::path(platform);
    const QFileInfo file(path);
    if (!file.exists() || file.isFile())
        return true;
    printError(
        QCoreApplication::translate("CliClient", "\"%1\" is not a regular file; name a settings file with --config")
            .arg(path));
    return false;
}

bool CliClient::loadSettings(bool needAccount)
{
    // As the desktop program starts: automatic updates are on unless the file says otherwise.
    Settings& settings = m_engine->settings();
    settings.autoUpdate = 1;
    const QString notice = ConfigFile::load(settings, platform);
    if (!notice.isEmpty())
        printWarning(notice.trimmed());
    if (needAccount && (settings.userName.isEmpty() || settings.password.isEmpty())) {
        printError(QCoreApplication::translate(
                       "CliClient", "no user name or password in \"%1\"; set them with \"veltaro-cli account\"")
                       .arg(ConfigFile::path(platform)));
        return false;
    }
    return true;
}

bool CliClient::saveSettings()
{
    const ConfigFile::SaveResult result = ConfigFile::save(m_engine->settings(), platform);
    if (!result.problem.isEmpty())
        printError(result.problem);
    return result.saved;
}

void CliClient::afterExchange(std::function<void(ExchangeEnd)> next)
{
    m_next = std::move(next);
}
