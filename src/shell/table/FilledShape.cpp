// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/table/FilledShape.h"

#include <QPainter>

namespace quellard {

FilledShape::FilledShape(const QString &name, const QRect &geometry, QColor fill, QWidget *parent)
    : QWidget(parent),
      m_fill(fill)
{
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FilledShape::setFillColor(QColor colour)
{
    if (colour == m_fill)
        return;
    m_fill = colour;
    update();
}

void FilledShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
}

} // namespace quellard
