// A start of its own for the lock tests: takes the settings' lock and waits for one request to show
// itself, or hands over to the process that holds the lock.
#include "core/platform/qt/SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
void say(const char* line)
{
    std::puts(line);
    std::fflush(stdout);
}
} // namespace

// Arguments: the settings path, the runtime folder, and how long to wait for the lock in milliseconds.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4)
        return 64;
    SingleInstance instance(arguments[1], arguments[2]);
    switch (instance.lock(arguments[3].toInt())) {
    case SingleInstance::Lock::Taken:
        if (!instance.listen([] {
                say("shown");
                QCoreApplication::quit();
            }))
            return 3;
        say("taken");
        return QCoreApplication::exec();
    case SingleInstance::Lock::HeldElsewhere:
        say(instance.requestShow(3000) ? "handed over" : "not answered");
        return 0;
    case SingleInstance::Lock::Unavailable:
        break;
    }
    say("unavailable");
    return 2;
}
