// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/dialogs/InsuranceDialog.h"

#include "shell/dialogs/KeyboardHandBack.h"
#include "shell/look/Look.h"
#include "shell/look/ScreenPlacement.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace quellard {

InsuranceDialog::InsuranceDialog(std::function<void(InsuranceAnswer)> answer, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_answer(std::move(answer))
{
    setObjectName(QStringLiteral("BJInsur"));
    setWindowTitle(QStringLiteral("Insurance"));
    setFixedSize(twipsSize(3720, 990));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    auto *question = new QLabel(QStringLiteral("Insurance?"), this);
    question->setObjectName(QStringLiteral("lblInsurance"));
    question->setGeometry(twipsRect(0, 0, 3735, 735));
    question->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    question->setFont(fontFor(Typeface::Serif, 20.25));
    QPalette white = question->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    question->setPalette(white);

    m_yes = new QPushButton(QStringLiteral("&Yes"), this);
    m_yes->setObjectName(QStringLiteral("CmdYes"));
    m_yes->setGeometry(twipsRect(240, 480, 1575, 375));
    m_no = new QPushButton(QStringLiteral("&No"), this);
    m_no->setObjectName(QStringLiteral("CmdNo"));
    m_no->setGeometry(twipsRect(1800, 480, 1575, 375));
    setTabOrder(m_yes, m_no);
    centreOnScreen(*this, parent);
    m_yes->setFocus();
    handKeyboardBackOnClose(*this);

    connect(m_yes, &QPushButton::clicked, this, [this] { answerOnce(InsuranceAnswer::Yes); });
    connect(m_no, &QPushButton::clicked, this, [this] { answerOnce(InsuranceAnswer::No); });

    // Y and N answer without Alt, as the table's own keys work without it; each presses its button,
    // so the answer runs the button's own way. Escape needs nothing here: it rejects the dialog, which
    // done() treats as the close box.
    const std::pair<Qt::Key, QPushButton *> keys[] = {{Qt::Key_Y, m_yes}, {Qt::Key_N, m_no}};
    for (const auto &[key, button] : keys) {
        auto *shortcut = new QShortcut(QKeySequence(key), this, button, &QPushButton::click);
        shortcut->setAutoRepeat(false);
    }
}

void InsuranceDialog::answerOnce(InsuranceAnswer answer)
{
    if (m_answered)
        return;
    m_answered = true;
    m_answer(answer);
    accept();
}

void InsuranceDialog::done(int result)
{
    // The close box and Escape end the dialog without going through Yes or No.
    if (!m_answered) {
        m_answered = true;
        m_answer(InsuranceAnswer::Closed);
    }
    QDialog::done(result);
}

} // namespace quellard
