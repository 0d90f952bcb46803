// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/dialogs/HelpMenu.h"

#include "settings/AppPaths.h"
#include "settings/FileChecks.h"
#include "shell/dialogs/AboutBox.h"
#include "shell/dialogs/HelpWindow.h"
#include "shell/dialogs/WebAddresses.h"

#include <QWidget>

namespace quellard {

HelpMenu::HelpMenu(QWidget *owner, std::string appFolder, UrlOpener opener)
    : QObject(owner),
      m_owner(owner),
      m_appFolder(std::move(appFolder)),
      m_opener(std::move(opener))
{}

std::string HelpMenu::helpFilePath() const { return appFilePath(m_appFolder, "help.html"); }

void HelpMenu::mnuContentsClick()
{
    const std::string path = helpFilePath();
    // Only the page's existence is tested: an empty or broken page is still the browser's to show.
    if (fileExists(path) && m_opener) {
        // The address carries the path's bytes as they are, valid UTF-8 or not. Help must help:
        // when the desktop has no browser for it, now or a moment later, the rules show instead.
        m_opener(QUrl::fromEncoded("file://" + QByteArray::fromStdString(path).toPercentEncoding("/")),
                 [menu = QPointer<HelpMenu>(this)] {
                     if (menu)
                         menu->showRules();
                 });
        return;
    }
    showRules();
}

void HelpMenu::showRules()
{
    // Two pages refused at nearly the same moment still give one rules window.
    if (m_rules)
        return;
    HelpWindow rules(m_owner);
    m_rules = &rules;
    rules.exec();
}

void HelpMenu::mnuFeedRepBugClick()
{
    // Web pages the desktop cannot open are let go without a word, as is the About box's link.
    if (m_opener)
        m_opener(feedbackUrl(), {});
}

void HelpMenu::mnuHomepageClick()
{
    if (m_opener)
        m_opener(productPageUrl(), {});
}

void HelpMenu::mnuAboutClick()
{
    AboutBox about(m_owner, m_opener);
    about.exec();
}

} // namespace quellard
