// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace quellard {

// The built-in rules window, shown by Help > Contents when the help page is missing: one read-only
// text box with the game's own statement of the rules. It has no behaviour beyond being read and
// closed with its close box.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *owner = nullptr);

private:
    QPlainTextEdit *m_text = nullptr;
};

} // namespace quellard
