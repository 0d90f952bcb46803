// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/table/TableForm.h"

#include "shell/table/CardSlotWidget.h"

namespace quellard {

TableForm::TableForm(QWidget *parent) : QWidget(parent) {}

void TableForm::setReadingOrder(const QList<QWidget *> &controls)
{
    m_readingOrder.clear();
    for (QWidget *control : controls)
        m_readingOrder << control;
}

QList<QWidget *> TableForm::presentedControls() const
{
    QList<QWidget *> controls;
    for (const QPointer<QWidget> &control : m_readingOrder) {
        // isHidden rather than isVisible: the table is read the same way before the window is
        // first shown and while it is minimised.
        if (!control || control->isHidden())
            continue;
        if (auto *slot = qobject_cast<CardSlotWidget *>(control.data()); slot && slot->face() == SlotFace::Empty)
            continue;
        controls << control;
    }
    return controls;
}

} // namespace quellard
