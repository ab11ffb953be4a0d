#pragma once

#include <QString>

#include <optional>

struct Credentials
{
    QString userName;
    QString password;
};

// Asks for the user name and the password on the terminal, the password without echo; when
// standard input is no terminal, reads them as its first two lines. Nothing, and `error` set,
// when either is missing or unusable.
std::optional<Credentials> readCredentials(QString* error);
