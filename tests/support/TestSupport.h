#pragma once

#include "desktop/DesktopWindows.h"
#include "desktop/main/MainWindow.h"
#include "support/Engine.h"
#include "support/fakes/FakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// The desktop program on fake platform services: the client, its main window, and the other windows
// created on first use.
struct FakeClient
{
    MainWindow& main() { return windows.mainWindow(); }
    UpdateClient& client() { return windows.client(); }
    // A control of the main window by its object name, as the user finds it on screen.
    template <typename T> T* mainControl(const char* name)
    {
        T* control = main().findChild<T*>(QLatin1String(name));
        if (control == nullptr)
            ADD_FAILURE() << "the main window has no " << name;
        return control;
    }
    QString labelText(const char* name) { return mainControl<QLabel>(name)->text(); }
    void trigger(const char* actionName) { mainControl<QAction>(actionName)->trigger(); }
    QString statusBar() { return labelText("statusLabel"); }

    FakePlatform fake;
    DesktopWindows windows{fake.platform};
    Settings& settings = windows.client().settings();
};

class ClientTest : public ::testing::Test, public FakeClient
{
};

// The client of alice (password "pw"), signed in, with a server over the fake sockets that answers
// for her account.
struct SignedInClient : FakeClient
{
    SignedInClient()
    {
        settings.userName = QStringLiteral("alice");
        settings.password = QStringLiteral("pw");
    }

    FakeCommandServer server{fake};
};

class SignedInTest : public ::testing::Test, public SignedInClient
{
};

// The texts of a list's lines, or of its checked lines only.
inline QStringList lineTexts(const QListWidget* list, bool checkedOnly = false)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        if (!checkedOnly || list->item(i)->checkState() == Qt::Checked)
            result.append(list->item(i)->text());
    return result;
}

// Runs the event loop until `done` holds or `timeoutMs` have passed; says whether it holds.
inline bool runUntil(const std::function<bool()>& done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // Wakes the loop regularly, so the deadline is seen even when nothing else happens.
    QTimer wakeUp;
    wakeUp.start(10);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

// A message box open on the screen, if there is one.
inline QMessageBox* openBox()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            return box;
    return nullptr;
}
