#pragma once

#include <QByteArray>
#include <QString>

struct WebResponse
{
    int status = 200;
    QByteArray contentType;
    QByteArray extraHeaders; // complete header lines, each ending in CR LF
    QByteArray body;
};

// The service's web site: a few fixed pages and the program download. Paths compare in any case;
// anything else is a 404 page.
WebResponse webPageFor(const QString& path);
