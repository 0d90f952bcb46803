// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/table/TableAccessibility.h"

#include "shell/table/CardSlotWidget.h"
#include "shell/table/ClickLabel.h"
#include "shell/table/TableForm.h"

#include <QAccessibleWidget>

namespace quellard {

namespace {

// A clickable label is a push button to assistive technology: its caption (or its own accessible
// name, which the chips need since they have no caption) names it, and pressing it is a click.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel *label) : QAccessibleWidget(label, QAccessible::Button) {}

    // The label lies on a pad that carries its cursor; to assistive technology it belongs to the
    // table itself.
    QAccessibleInterface *parent() const override
    {
        for (QWidget *w = label()->parentWidget(); w; w = w->parentWidget())
            if (qobject_cast<TableForm *>(w))
                return QAccessible::queryAccessibleInterface(w);
        return QAccessibleWidget::parent();
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = label()->text();
        return text;
    }

    QStringList actionNames() const override
    {
        // A closed action cannot be pressed; it still shows (as unavailable) and takes the focus.
        QStringList names;
        if (label()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            label()->click();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action != pressAction())
            return QAccessibleWidget::keyBindingsForAction(action);
        QStringList keys;
        for (const QKeySequence &sequence : label()->shortcuts())
            keys << sequence.toString(QKeySequence::NativeText);
        return keys;
    }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }
};

// A card on the table is a picture; CardSlotWidget keeps its name ("Seven of hearts",
// "Face-down card") in step with what it shows.
class CardSlotAccessible : public QAccessibleWidget {
public:
    explicit CardSlotAccessible(CardSlotWidget *slot) : QAccessibleWidget(slot, QAccessible::Graphic) {}
};

// The table's surface lists the controls on the table in reading order, and nothing else.
class TableFormAccessible : public QAccessibleWidget {
public:
    explicit TableFormAccessible(TableForm *form) : QAccessibleWidget(form) {}

    int childCount() const override { return int(form()->presentedControls().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> controls = form()->presentedControls();
        if (index < 0 || index >= controls.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(controls[index]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object())
            return -1;
        return int(form()->presentedControls().indexOf(qobject_cast<QWidget *>(child->object())));
    }

private:
    TableForm *form() const { return static_cast<TableForm *>(widget()); }
};

QAccessibleInterface *tableInterfaces(const QString &className, QObject *object)
{
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()))
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    if (className == QLatin1String(CardSlotWidget::staticMetaObject.className()))
        return new CardSlotAccessible(static_cast<CardSlotWidget *>(object));
    if (className == QLatin1String(TableForm::staticMetaObject.className()))
        return new TableFormAccessible(static_cast<TableForm *>(object));
    return nullptr;
}

} // namespace

void installTableAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(tableInterfaces);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace quellard
