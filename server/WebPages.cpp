#include "WebPages.h"

namespace {

struct Page
{
    const char* path;
    const char* title;
    const char* text;
};

constexpr Page kPages[] = {
    {"/members/", "Members Area", "Your groups and hosts would be managed here."},
    {"/faq.php", "Frequently Asked Questions", "Answers to the questions members ask most."},
    {"/signup.php", "Sign Up", "Create an account to keep your host names pointed at your address."},
    {"/news.html", "Service News", "The latest news from the service."},
};

constexpr char kDownloadPath[] = "/downloads/Veltaro.exe";
constexpr int kDownloadBytes = 16 * 1024;

QByteArray htmlPage(const QString& title, const QString& text)
{
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title></head>\n"
                          "<body><h1>%1</h1><p>%2</p></body></html>\n")
        .arg(title, text)
        .toUtf8();
}

// Not a real program: fixed bytes, so a test can check that the whole file arrived.
QByteArray downloadBody()
{
    QByteArray body(kDownloadBytes, '\0');
    for (int i = 0; i < body.size(); ++i)
        body[i] = char(i % 251);
    return body;
}

bool samePath(const QString& path, const char* known)
{
    return path.compare(QLatin1String(known), Qt::CaseInsensitive) == 0;
}

} // namespace

WebResponse webPageFor(const QString& path)
{
    for (const Page& page : kPages) {
        if (samePath(path, page.path))
            return {200, "text/html; charset=utf-8", {}, htmlPage(page.title, page.text)};
    }
    if (samePath(path, kDownloadPath))
        return {200, "application/octet-stream", "Content-Disposition: attachment; filename=\"Veltaro.exe\"\r\n",
                downloadBody()};
    return {
        404, "text/html; charset=utf-8", {}, htmlPage(QStringLiteral("Not Found"), QStringLiteral("No such page."))};
}
