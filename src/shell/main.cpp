#include "shell/TableWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quellard"));
    quellard::TableWindow window;
    window.formLoad();
    window.show();
    return QApplication::exec();
}
