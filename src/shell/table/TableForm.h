// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace quellard {

// The table window's own surface, on which every control of the table lies. To assistive
// technology it presents only what a player reads or uses, in the order a player takes it in:
// the felt, the frames, the chips' captions and the highlight shapes stay out of the way, and so
// do card slots with no card in them.
class TableForm : public QWidget {
    Q_OBJECT
public:
    explicit TableForm(QWidget *parent);

    void setReadingOrder(const QList<QWidget *> &controls);
    // The controls of the reading order that are on the table now.
    QList<QWidget *> presentedControls() const;

private:
    QList<QPointer<QWidget>> m_readingOrder;
};

} // namespace quellard
