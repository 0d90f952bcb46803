// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Host.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace quellard {

// BJInsur: "Insurance?" with Yes and No, asked when the dealer shows an ace. The answer runs while
// the dialog is still open (a refusal for want of cash shows over it); closing it without an
// answer is an answer too.
class InsuranceDialog : public QDialog {
    Q_OBJECT
public:
    InsuranceDialog(std::function<void(InsuranceAnswer)> answer, QWidget *parent);

    QPushButton *yesButton() const { return m_yes; }
    QPushButton *noButton() const { return m_no; }

    void done(int result) override;

private:
    void answerOnce(InsuranceAnswer answer);

    std::function<void(InsuranceAnswer)> m_answer;
    QPushButton *m_yes;
    QPushButton *m_no;
    bool m_answered = false;
};

} // namespace quellard
