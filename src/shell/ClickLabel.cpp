#include "shell/ClickLabel.h"

#include <QMouseEvent>

namespace quellard {

ClickLabel::ClickLabel(const QString &name, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
    // Moving over a label is moving over the label, not over the table behind it.
    setAttribute(Qt::WA_NoMousePropagation);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click && isEnabled())
        emit clicked();
}

} // namespace quellard
