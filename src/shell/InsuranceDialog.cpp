#include "shell/InsuranceDialog.h"

#include "engine/Host.h"
#include "shell/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace quellard {

InsuranceDialog::InsuranceDialog(InsuranceAnswers &answers, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_answers(answers)
{
    setObjectName(QStringLiteral("BJInsur"));
    setWindowTitle(QStringLiteral("Insurance"));
    setFixedSize(twips(3720), twips(990));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    auto *question = new QLabel(QStringLiteral("Insurance?"), this);
    question->setObjectName(QStringLiteral("lblInsurance"));
    question->setGeometry(twipsRect(0, 0, 3735, 735));
    question->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont serif(QStringLiteral("Liberation Serif"));
    serif.setPointSizeF(20.25);
    question->setFont(serif);
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
    m_yes->setFocus();

    connect(m_yes, &QPushButton::clicked, this, [this] { answer(&InsuranceAnswers::cmdYesClick); });
    connect(m_no, &QPushButton::clicked, this, [this] { answer(&InsuranceAnswers::cmdNoClick); });
}

void InsuranceDialog::answer(void (InsuranceAnswers::*handler)())
{
    if (m_answered)
        return;
    m_answered = true;
    (m_answers.*handler)();
    accept();
}

void InsuranceDialog::done(int result)
{
    // The close box and Escape end the dialog without going through Yes or No.
    if (!m_answered) {
        m_answered = true;
        m_answers.closedWithoutAnswer();
    }
    QDialog::done(result);
}

} // namespace quellard
