// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/dialogs/DesktopOpener.h"

#include <QObject>
#include <QPointer>
#include <string>

class QWidget;

namespace quellard {

class HelpWindow;

// The Help menu's four commands. The table window owns one and connects its menu actions to the
// slots; the rules window and the About box it shows are modal and owned by that window.
class HelpMenu : public QObject {
    Q_OBJECT

public:
    // appFolder is the application's folder, the one holding the executable and help.html.
    // The folder's path is the file system's bytes.
    HelpMenu(QWidget *owner, std::string appFolder, UrlOpener opener = openWithDesktop);

    // The help page: help.html in the application's folder.
    std::string helpFilePath() const;

public slots:
    // Help > Contents: the help page in the browser when it exists and the desktop can open it,
    // otherwise the built-in rules.
    void mnuContentsClick();
    // Help > Feedback/Report Bug: the contact page of our support site.
    void mnuFeedRepBugClick();
    // Help > Homepage: the game's page on our support site.
    void mnuHomepageClick();
    // Help > About: the About box.
    void mnuAboutClick();

private:
    void showRules();

    QPointer<QWidget> m_owner;
    QPointer<HelpWindow> m_rules;
    std::string m_appFolder;
    UrlOpener m_opener;
};

} // namespace quellard
