// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/ApplicationSetup.h"
#include "shell/ExecutableFolder.h"
#include "shell/table/TableWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quellard::setUpApplication();
    quellard::TableWindow window({.appFolder = quellard::executableFolder()});
    // Closing the table ends the program at once, also from inside a dealer's pause.
    QObject::connect(&window, &quellard::TableWindow::unloaded, &app, [] { QCoreApplication::exit(0); });
    window.formLoad();
    window.show();
    return QApplication::exec();
}
