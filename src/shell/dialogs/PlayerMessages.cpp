// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/dialogs/PlayerMessages.h"

#include "shell/dialogs/KeyboardHandBack.h"
#include "shell/look/Look.h"
#include "shell/look/ScreenPlacement.h"

#include <QMessageBox>

namespace quellard {

namespace {

struct Wording {
    const char *text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

Wording wording(PlayerMessage message)
{
    constexpr auto info = QMessageBox::Information, exclamation = QMessageBox::Warning;
    switch (message) {
    case PlayerMessage::NotEnoughMoney: return {"You do not have enough money!!", info, QMessageBox::Ok};
    case PlayerMessage::PleaseBetFirst: return {"Please bet first!!", exclamation, QMessageBox::Ok};
    case PlayerMessage::OutOfMoney:
        return {"Sorry. You seem to have run out of money.\n\nWould you like to start a new game?", info,
                QMessageBox::Yes | QMessageBox::No};
    case PlayerMessage::FileDoesNotExist: return {"Error: File does not exist", exclamation, QMessageBox::Ok};
    case PlayerMessage::SelectedDeckImageDoesNotExist:
        return {"Error: Selected deck image does not exist.", exclamation, QMessageBox::Ok};
    case PlayerMessage::DeckImageUnreadable:
        return {"Error: Selected deck image could not be read.", exclamation, QMessageBox::Ok};
    }
    return {"", QMessageBox::NoIcon, QMessageBox::Ok};
}

// A box opens over the middle of the window it is shown over, or, with no window to sit over, in
// the middle of the screen, as the table does. Qt's own placement guesses a frame for windows it
// has not seen framed yet, and lands off centre.
class MessageBox : public QMessageBox {
public:
    MessageBox(Icon icon, const QString &title, const QString &text, StandardButtons buttons, QWidget *parent)
        : QMessageBox(icon, title, text, buttons, parent)
    {
        handKeyboardBackOnClose(*this);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event); // gives the box its final size
        if (parentWidget())
            centreOver(*this, *parentWidget());
        else
            centreOnScreen(*this, nullptr);
    }
};

} // namespace

PlayerMessage playerMessage(Refusal refusal)
{
    return refusal == Refusal::NoBet ? PlayerMessage::PleaseBetFirst : PlayerMessage::NotEnoughMoney;
}

PlayerMessage playerMessage(DeckBackProblem problem)
{
    return problem == DeckBackProblem::FileDoesNotExist ? PlayerMessage::FileDoesNotExist
                                                        : PlayerMessage::SelectedDeckImageDoesNotExist;
}

bool showPlayerMessage(PlayerMessage message, QWidget *parent)
{
    const Wording w = wording(message);
    MessageBox box(w.icon, applicationTitle(), QString::fromUtf8(w.text), w.buttons, parent);
    return box.exec() == QMessageBox::Yes;
}

} // namespace quellard
