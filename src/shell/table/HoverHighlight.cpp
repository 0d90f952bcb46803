// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/table/HoverHighlight.h"

#include "shell/look/Look.h"
#include "shell/table/ClickLabel.h"
#include "shell/table/FilledShape.h"

#include <QEvent>

namespace quellard {

HoverHighlight::HoverHighlight(QWidget *form, const std::array<ClickLabel *, 4> &labels,
                               const std::array<FilledShape *, 4> &shapes)
    : QObject(form),
      m_form(form),
      m_labels(labels),
      m_shapes(shapes)
{
    // Moves are watched through a filter because a disabled label's own handlers see no mouse events.
    form->setMouseTracking(true);
    form->installEventFilter(this);
    for (ClickLabel *label : m_labels) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }
}

void HoverHighlight::light(int index)
{
    for (int i = 0; i < 4; ++i)
        m_shapes[i]->setFillColor(QColor::fromRgb(i == index ? colours::kHighlight : colours::kLightGrey));
}

bool HoverHighlight::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == m_form) {
            light(-1);
        } else {
            for (int i = 0; i < 4; ++i) {
                if (watched == m_labels[i])
                    light(i);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quellard
