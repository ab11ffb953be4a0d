#pragma once

#include <QUrl>

// Hands addresses to the desktop, which opens them in the user's default web browser.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual bool openUrl(const QUrl& url) = 0;
    // The user's download folder.
    virtual QString downloadFolder() const = 0;
};
