// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/dialogs/HelpWindow.h"

#include "shell/dialogs/KeyboardHandBack.h"
#include "shell/look/Look.h"
#include "shell/look/ScreenPlacement.h"

#include <QPlainTextEdit>
#include <QStringList>

namespace quellard {

namespace {

QStringList rulesLines()
{
    // The lines break where the text was laid out to fit the box, which is why most of them end in
    // a blank; the blanks are part of the text.
    const QString title = applicationTitle();
    return {
        QStringLiteral("The Rules:"),
        QStringLiteral(
            "If the total value of your cards is closer to 21 than the dealer's, you win as much as you have "),
        QStringLiteral("wagered. If you have blackjack, you win 3 to 2 times your bet (assuming the dealer does not "),
        QStringLiteral("also have blackjack). "),
        QString(),
        QStringLiteral("Aces count as either 1 or 11, dressed cards as 10, and remaining cards according to their "),
        QStringLiteral("number "),
        QStringLiteral("values. "),
        QString(),
        QStringLiteral(
            "If the total of your cards exceeds 21, you \"bust\" and lose your wager. If you have the same card "),
        QStringLiteral("total as the dealer, from 17 and up, no one wins and you get your stake back in a so-called "),
        QStringLiteral("\"push.\" Blackjack beats a score of 21."),
        QString(),
        title + QStringLiteral("  follows standard \"Las Vegas Strip\" rules of the Nevada Gaming Commission, with "),
        QStringLiteral("the following exceptions: "),
        QStringLiteral("   "),
        QStringLiteral("Double Down:"),
        QStringLiteral(
            "When you have been dealt two cards, and think that a third card will give you a position to beat "),
        QStringLiteral(
            "the dealer's hand, you can \"double down.\" Your wager is doubled, and you are allowed to hit "),
        QStringLiteral("and receive just one additional card. "),
        QString(),
        QStringLiteral("Insurance:"),
        QStringLiteral(
            "Insurance gives you the chance to protect yourself when you believe that the dealer might have "),
        QStringLiteral(
            "blackjack. If the dealer's first card is an ace, he is considered to have a fair chance of getting "),
        QStringLiteral("blackjack. If you believe that the dealer's dark card is of value 10, you may buy insurance "),
        QStringLiteral(
            "against dealer blackjack at the price of half your initial bet. If the dealer does have blackjack, the "),
        QStringLiteral("insurance pays 2 to 1, corresponding to the amount of your initial bet. If you have bought "),
        QStringLiteral(
            "insurance, and the dealer does not have blackjack, you lose your insurance. Your initial bet is "),
        QStringLiteral("then settled by comparing your cards with the dealer's. Should you and the dealer both have "),
        QStringLiteral("blackjack, the game results in a push. "),
        QString(),
        QStringLiteral("Rules for the Dealer:"),
        QStringLiteral(
            "The dealer must draw cards until he has at least 17, and must stand at 17 or higher. If the dealer "),
        QStringLiteral("gets 16, he must take another card. The dealer may not decide whether or not to draw a card "),
        QStringLiteral("based on your hand, but must abide by the existing dealer rules."),
        QString(),
    };
}

} // namespace

HelpWindow::HelpWindow(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("BJHelp"));
    setWindowTitle(QStringLiteral("Help"));
    setFixedSize(twipsSize(7095, 3960));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtHelp"));
    m_text->setAccessibleName(QStringLiteral("Rules"));
    // The box runs one pixel past the client area, as it was drawn.
    m_text->setGeometry(twipsRect(0, 0, 7095, 3975));
    m_text->setReadOnly(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The lines were broken to fit a box of this width. A narrow face keeps each of them whole at
    // a comfortable size; should one still run over (other fonts, larger text settings), it wraps
    // at a word rather than hiding behind the edge.
    m_text->setFont(fontFor(Typeface::NarrowSans, 9));
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setPlainText(rulesLines().join(QLatin1Char('\n')));

    centreOnScreen(*this, owner);
    handKeyboardBackOnClose(*this);
}

} // namespace quellard
