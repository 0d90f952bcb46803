// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/dialogs/KeyboardHandBack.h"

#include <QDialog>

namespace quellard {

void handKeyboardBackOnClose(QDialog &dialog)
{
    // finished comes once the dialog is hidden, from a button, the close box or Escape alike.
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&dialog] {
        if (QWidget *owner = dialog.parentWidget())
            owner->window()->activateWindow();
    });
}

} // namespace quellard
