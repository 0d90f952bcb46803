#include "shell/HelpMenu.h"

#include "settings/FileChecks.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"

#include <QFile>
#include <QWidget>

namespace quellard {

HelpMenu::HelpMenu(QWidget *owner, QString appFolder, UrlOpener opener)
    : QObject(owner),
      m_owner(owner),
      m_appFolder(std::move(appFolder)),
      m_opener(std::move(opener))
{}

QString HelpMenu::helpFilePath() const { return m_appFolder + QStringLiteral("/help.html"); }

void HelpMenu::mnuContentsClick()
{
    const QString path = helpFilePath();
    // Only the page's existence is tested: an empty or broken page is still the browser's to show.
    if (fileExists(QFile::encodeName(path).toStdString())) {
        // Whether the desktop managed to open it is not reported; the game simply carries on.
        if (m_opener)
            m_opener(QUrl::fromLocalFile(path));
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
