#include "shell/HelpMenu.h"

#include "settings/AppPaths.h"
#include "settings/FileChecks.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"

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
    if (fileExists(path)) {
        // Whether the desktop managed to open it is not reported; the game simply carries on. The
        // address carries the path's bytes as they are, valid UTF-8 or not.
        if (m_opener)
            m_opener(QUrl::fromEncoded("file://" + QByteArray::fromStdString(path).toPercentEncoding("/")));
        return;
    }
    HelpWindow rules(m_owner);
    rules.exec();
}

void HelpMenu::mnuFeedRepBugClick()
{
    if (m_opener)
        m_opener(feedbackUrl());
}

void HelpMenu::mnuHomepageClick()
{
    if (m_opener)
        m_opener(productPageUrl());
}

void HelpMenu::mnuAboutClick()
{
    AboutBox about(m_owner, m_opener);
    about.exec();
}

} // namespace quellard
