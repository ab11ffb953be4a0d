#include "platform/fake/FakeBrowser.h"

#include <QWidget>

namespace {
class IdleBrowser : public BrowserControl
{
public:
    explicit IdleBrowser(QWidget* parent) : m_widget(new QWidget(parent)) {}
    QWidget* widget() override { return m_widget; }
    void Navigate(const QString&) override {}
    void GoBack() override {}
    void GoForward() override {}
    void Refresh() override {}
    void Stop() override {}
    bool Busy() const override { return false; }
    QString LocationName() const override { return {}; }

private:
    QWidget* m_widget;
};
} // namespace

std::unique_ptr<BrowserControl> FakeBrowserFactory::create(QWidget* parent)
{
    ++created;
    return std::make_unique<IdleBrowser>(parent);
}
