#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct HostGroup
{
    QString name;
    QStringList hosts;
};

struct Account
{
    QString user;
    QString password;
    QList<HostGroup> groups;

    // The group of that name (any case), or nullptr.
    const HostGroup* findGroup(const QString& name) const;
};

// The members the server knows. Names and passwords are kept in the client's upper case
// (Scrambler::upperCase), because the client upper-cases everything it sends that way;
// lookups upper-case their arguments too.
class Accounts
{
public:
    // DEMO / DEMO with the groups HOME (PC1, PC2) and OFFICE (SERVER).
    static Accounts demo();
    // Reads an accounts file; on failure returns nothing and sets error to "file:line: reason".
    static std::optional<Accounts> load(const QString& path, QString* error);
    // Parses the text of an accounts file; the error names the line but not the file.
    static std::optional<Accounts> parse(const QString& text, QString* error);

    // The account with that user name and password (any case), or nullptr.
    const Account* find(const QString& user, const QString& password) const;
    const QList<Account>& all() const { return m_accounts; }

private:
    QList<Account> m_accounts;
};
