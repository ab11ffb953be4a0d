#include "Accounts.h"

#include "core/protocol/Scrambler.h"

#include <QFile>
#include <QRegularExpression>

const HostGroup* Account::findGroup(const QString& name) const
{
    const QString wanted = Scrambler::upperCase(name);
    for (const HostGroup& group : groups) {
        if (group.name == wanted)
            return &group;
    }
    return nullptr;
}

Accounts Accounts::demo()
{
    Accounts accounts;
    accounts.m_accounts.append(
        Account{QStringLiteral("DEMO"),
                QStringLiteral("DEMO"),
                {HostGroup{QStringLiteral("HOME"), {QStringLiteral("PC1"), QStringLiteral("PC2")}},
                 HostGroup{QStringLiteral("OFFICE"), {QStringLiteral("SERVER")}}}});
    return accounts;
}

std::optional<Accounts> Accounts::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    QString parseError;
    std::optional<Accounts> accounts = parse(QString::fromUtf8(file.readAll()), &parseError);
    if (!accounts)
        *error = path + QStringLiteral(":") + parseError;
    return accounts;
}

namespace {

// A colon would split the name into two protocol fields.
bool isUsableName(const QString& name)
{
    return !name.contains(u':');
}

} // namespace

std::optional<Accounts> Accounts::parse(const QString& text, QString* error)
{
    Accounts accounts;
    const QStringList lines = text.split(u'\n');
    static const QRegularExpression whitespace(QStringLiteral("\\s+"));
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList words = line.split(whitespace);
        const QString keyword = words.first().toLower();
        const auto fail = [&](const QString& reason) {
            *error = QString::number(index + 1) + QStringLiteral(": ") + reason;
            return std::nullopt;
        };
        const int expectedWords = keyword == QLatin1String("account") ? 3 : 2;
        if (keyword != QLatin1String("account") && keyword != QLatin1String("group") &&
            keyword != QLatin1String("host"))
            return fail(QStringLiteral("unknown keyword \"%1\"").arg(words.first()));
        if (words.size() != expectedWords)
            return fail(QStringLiteral("\"%1\" takes %2 word(s)").arg(keyword).arg(expectedWords - 1));
        for (const QString& word : words.mid(1)) {
            if (!isUsableName(word))
                return fail(QStringLiteral("names must not contain ':'"));
        }
        const QString name = Scrambler::upperCase(words[1]);
        if (keyword == QLatin1String("account")) {
            for (const Account& account : std::as_const(accounts.m_accounts)) {
                if (account.user == name)
                    return fail(QStringLiteral("account %1 is declared twice").arg(name));
            }
            accounts.m_accounts.append(Account{name, Scrambler::upperCase(words[2]), {}});
        } else if (keyword == QLatin1String("group")) {
            if (accounts.m_accounts.isEmpty())
                return fail(QStringLiteral("group before any account"));
            accounts.m_accounts.last().groups.append(HostGroup{name, {}});
        } else {
            if (accounts.m_accounts.isEmpty() || accounts.m_accounts.last().groups.isEmpty())
                return fail(QStringLiteral("host before any group"));
            accounts.m_accounts.last().groups.last().hosts.append(name);
        }
    }
    return accounts;
}

const Account* Accounts::find(const QString& user, const QString& password) const
{
    const QString wantedUser = Scrambler::upperCase(user);
    const QString wantedPassword = Scrambler::upperCase(password);
    for (const Account& account : m_accounts) {
        if (account.user == wantedUser && account.password == wantedPassword)
            return &account;
    }
    return nullptr;
}
