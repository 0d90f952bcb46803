#include "shell/ApplicationSetup.h"

#include <QGuiApplication>

namespace quellard {

void setUpApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("Quellard"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quellard"));
}

} // namespace quellard
