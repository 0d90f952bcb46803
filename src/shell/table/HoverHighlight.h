// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <array>

class QWidget;

namespace quellard {

class ClickLabel;
class FilledShape;

// Lights the shape behind the action label under the pointer in blue. The light stays on while the
// pointer moves over other controls and goes out only when it crosses the table's own surface.
// Whether the label is enabled makes no difference.
class HoverHighlight : public QObject {
    Q_OBJECT
public:
    HoverHighlight(QWidget *form, const std::array<ClickLabel *, 4> &labels,
                   const std::array<FilledShape *, 4> &shapes);

    // -1 for none, else the index of the lit shape: New, Hit, Stand, Double.
    void light(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_form;
    std::array<ClickLabel *, 4> m_labels;
    std::array<FilledShape *, 4> m_shapes;
};

} // namespace quellard
