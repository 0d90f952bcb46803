// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

namespace quellard {

// A filled rectangle or a thin line on the table. Shapes take no mouse events: the pointer over
// them counts as the pointer over the window itself.
class FilledShape : public QWidget {
    Q_OBJECT
public:
    FilledShape(const QString &name, const QRect &geometry, QColor fill, QWidget *parent);

    QColor fillColor() const { return m_fill; }
    void setFillColor(QColor colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};

} // namespace quellard
