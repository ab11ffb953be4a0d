#include "support/fakes/FakeBrowser.h"

FakeBrowser::FakeBrowser(QWidget* parent) : m_widget(new QWidget(parent))
{
    m_widget->setObjectName(QStringLiteral("fakeBrowserView"));
}

FakeBrowser::~FakeBrowser()
{
    if (m_factory->latest == this)
        m_factory->latest = nullptr;
    delete m_widget;
}

std::unique_ptr<BrowserControl> FakeBrowserFactory::create(QWidget* parent)
{
    ++created;
    auto browser = std::make_unique<FakeBrowser>(parent);
    browser->m_factory = this;
    latest = browser.get();
    return browser;
}
