// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/dialogs/DesktopOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>

namespace quellard {

void openWithDesktop(const QUrl &url, const OpenFailed &failed)
{
    // xdg-open finds the player's browser as every desktop does. The game runs it itself rather
    // than through QDesktopServices because only its exit status tells whether a browser took the
    // address: 3 when nothing can open it, 4 when the program chosen for it failed. It may take a
    // moment to answer, or stay until the browser it started closes, so its end is heard as a
    // signal and the game never waits. What it and the browser print is let go: a failure shows
    // as the rules window, not as a screenful of the launcher's attempts in the player's terminal.
    auto *launcher = new QProcess(QCoreApplication::instance());
    launcher->setStandardInputFile(QProcess::nullDevice());
    launcher->setStandardOutputFile(QProcess::nullDevice());
    launcher->setStandardErrorFile(QProcess::nullDevice());
    const auto ended = [launcher, failed](bool opened) {
        if (!opened && failed)
            failed();
        launcher->deleteLater();
    };
    QObject::connect(launcher, &QProcess::finished, launcher, [ended](int status, QProcess::ExitStatus how) {
        ended(how == QProcess::NormalExit && status == 0);
    });
    // Without xdg-open (xdg-utils is only recommended), Qt's own search for a browser is left.
    QObject::connect(launcher, &QProcess::errorOccurred, launcher, [ended, url](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(QDesktopServices::openUrl(url));
    });
    launcher->start(QStringLiteral("xdg-open"), {QString::fromLatin1(url.toEncoded())});
}

} // namespace quellard
