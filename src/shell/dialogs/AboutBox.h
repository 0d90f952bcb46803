// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/dialogs/DesktopOpener.h"

#include <QDialog>

class QLabel;

namespace quellard {

// The About box: the game's title, version, author, home page and licence, a disclaimer, and a
// notice that opens the home page when clicked. "&Close" or the close box ends it.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget *owner = nullptr, UrlOpener opener = openWithDesktop);

    // The version as the box shows it: major "." minor, without the revision.
    static QString versionText();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    UrlOpener m_opener;
    QLabel *m_homePageNotice = nullptr;
};

} // namespace quellard
