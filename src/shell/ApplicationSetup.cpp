// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/ApplicationSetup.h"

#include <QGuiApplication>

namespace quellard {

void setUpApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("Quellard"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quellard"));
}

} // namespace quellard
