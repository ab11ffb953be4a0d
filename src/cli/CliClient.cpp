#include "cli/CliClient.h"

#include "cli/ConsoleView.h"
#include "core/client/UpdateHistory.h"
#include "core/platform/CorePlatform.h"
#include "core/platform/qt/SingleInstance.h"
#include "core/protocol/Lumeris_Commands.h"
#include "core/settings/ConfigFile.h"

#include <QFileInfo>

#include <utility>

CliClient::CliClient(const CommandLine& line, CorePlatform& corePlatform, const Clock* logClock,
                     ConsoleOutput::Sink sink)
    : platform(corePlatform)
{
    state.view = std::make_unique<ConsoleView>(state, ConsoleOutput(logClock, std::move(sink)));
    state.onEvent = [this](const ClientEvent& event) {
        view().showGroupResult(event);
        if (m_history && !m_history->record(event, platform.clock.now()))
            printWarning(QStringLiteral("could not add to \"%1\"").arg(m_history->path()));
    };
    state.exchange.setFactory([this] { return Lumeris_Commands::makeExchange(state, platform); });
    // No window lingers after a reply here: each step starts as soon as the one before is through.
    state.exchange->setCloseDelays(0, 0);
    if (line.timeoutSeconds > 0)
        state.exchange->setTimeout(line.timeoutSeconds * 1000);
    state.exchange->onUnloaded = [this](ExchangeEnd end) {
        if (auto next = std::exchange(m_next, nullptr))
            next(end);
    };
    // Without --server the exchange takes the built-in server.
    state.serverHost = line.serverHost;
    state.serverPort = line.serverPort;
}

CliClient::~CliClient() = default;

bool CliClient::lockSettings(int waitMs)
{
    const QString path = Common_Functions::configPath(platform);
    m_instance = std::make_unique<SingleInstance>(path);
    switch (m_instance->lock(waitMs)) {
    case SingleInstance::Lock::Taken:
        return true;
    case SingleInstance::Lock::HeldElsewhere:
        printError(QStringLiteral("another Veltaro is using \"%1\"; try again once it has ended").arg(path));
        return false;
    case SingleInstance::Lock::Unavailable:
        break;
    }
    // Two writers must never run unlocked.
    printError(QStringLiteral("\"%1\" cannot be locked (\"%2\")").arg(path, m_instance->lockPath()));
    return false;
}

ConsoleView& CliClient::view()
{
    return static_cast<ConsoleView&>(*state.view);
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
    const QString path = Common_Functions::configPath(platform);
    const QFileInfo file(path);
    if (!file.exists() || file.isFile())
        return true;
    printError(QStringLiteral("\"%1\" is not a regular file; name a settings file with --config").arg(path));
    return false;
}

bool CliClient::loadSettings(bool needAccount)
{
    // As the desktop program starts: automatic updates are on unless the file says otherwise.
    state.autoUpdate = 1;
    const QString notice = Common_Functions::loadConfig(state, platform);
    if (!notice.isEmpty())
        printWarning(notice.trimmed());
    if (needAccount && (state.userName.isEmpty() || state.password.isEmpty())) {
        printError(QStringLiteral("no user name or password in \"%1\"; set them with \"veltaro-cli account\"")
                       .arg(Common_Functions::configPath(platform)));
        return false;
    }
    return true;
}

bool CliClient::saveSettings()
{
    const Common_Functions::SaveResult result = Common_Functions::saveConfig(state, platform);
    if (!result.problem.isEmpty())
        printError(result.problem);
    return result.saved;
}

void CliClient::keepHistory()
{
    m_history = std::make_unique<UpdateHistory>(platform.files, Common_Functions::configPath(platform));
}

void CliClient::afterExchange(std::function<void(ExchangeEnd)> next)
{
    m_next = std::move(next);
}

QStringList CliClient::checkedGroupNames()
{
    QStringList names;
    for (const HostList::Group& group : view().hostList().groups) {
        if (group.checked && names.size() <= kListUpperBound)
            names.append(group.name);
    }
    return names;
}

void CliClient::sendGroupUpdate()
{
    const QStringList names = checkedGroupNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        state.updateRequests[std::size_t(i)] = Lumeris_Commands::groupUpdateRequest(state, names[i]);
    state.updateRequestCount = qint32(names.size());
    Lumeris_Commands::requestGroupUpdate(state, platform);
}

void CliClient::sendGroupUpdate(const QString& group)
{
    state.updateRequests[0] = Lumeris_Commands::groupUpdateRequest(state, group);
    state.updateRequestCount = 1;
    Lumeris_Commands::requestGroupUpdate(state, platform);
}
