// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/dialogs/MenuTickStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace quellard {

namespace {

// Where Fusion puts the check box of a menu item: a square in the first column, whose width
// follows the item's height and the widest icon of the menu.
QRectF checkArea(const QStyleOptionMenuItem &item)
{
    const qreal column = std::max<qreal>(item.rect.height() * 0.79, std::max(item.maxIconWidth, 21));
    const qreal margin = 3.5;
    const qreal side = column - 2 * margin;
    return QRectF(item.rect.left() + margin + 4, item.rect.center().y() - side / 2 + 1, side, side);
}

void drawTick(QPainter *painter, const QRectF &area, const QColor &ink)
{
    QPainterPath tick;
    tick.moveTo(area.left() + area.width() * 0.18, area.top() + area.height() * 0.52);
    tick.lineTo(area.left() + area.width() * 0.42, area.top() + area.height() * 0.76);
    tick.lineTo(area.left() + area.width() * 0.84, area.top() + area.height() * 0.24);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(ink, std::max<qreal>(1.5, area.width() / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(tick);
    painter->restore();
}

} // namespace

MenuTickStyle::MenuTickStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void MenuTickStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element != CE_MenuItem || !item || item->checkType != QStyleOptionMenuItem::NonExclusive) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The item is drawn as one without a tick, which leaves its first column blank; a ticked one
    // then gets its tick there.
    QStyleOptionMenuItem plain(*item);
    plain.checkType = QStyleOptionMenuItem::NotCheckable;
    plain.checked = false;
    QProxyStyle::drawControl(element, &plain, painter, widget);
    if (item->checked) {
        const bool selected = item->state & State_Selected;
        const QColor ink = item->palette.color(item->state & State_Enabled ? QPalette::Active : QPalette::Disabled,
                                               selected ? QPalette::HighlightedText : QPalette::Text);
        QRectF area = checkArea(*item);
        if (item->direction == Qt::RightToLeft)
            area.moveRight(item->rect.right() - (area.left() - item->rect.left()));
        drawTick(painter, area, ink);
    }
}

} // namespace quellard
