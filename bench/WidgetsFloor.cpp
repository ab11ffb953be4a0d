// The floor the program's resource figures are set against: a Qt Widgets window with a list, nothing else.
#include <QApplication>
#include <QListWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QListWidget list;
    list.addItems({QStringLiteral("HOME"), QStringLiteral("OFFICE")});
    list.resize(320, 480);
    list.show();
    return QApplication::exec();
}
