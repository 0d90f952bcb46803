// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/table/TableLayout.h"

#include "shell/look/Look.h"
#include "shell/table/AmountLabel.h"
#include "shell/table/CardSlotWidget.h"
#include "shell/table/ClickLabel.h"
#include "shell/table/FilledShape.h"

#include <QLabel>

namespace quellard {

namespace {

void whiteText(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    // The totals, bet and cash stay white when their labels are not enabled.
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::white);
    label->setPalette(palette);
}

// A transparent caption on the table.
template <typename Label>
Label *onTable(Label *label, const char *name, const QRect &geometry, const QFont &f,
               Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(f);
    label->setAlignment(alignment);
    label->setAttribute(Qt::WA_NoMousePropagation);
    whiteText(label);
    return label;
}

QLabel *caption(QWidget *form, const char *name, const QString &text, const QRect &geometry, const QFont &f,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    return onTable(new QLabel(text, form), name, geometry, f, alignment);
}

AmountLabel *amount(QWidget *form, const char *name, const QRect &geometry, const QFont &f)
{
    return onTable(new AmountLabel(f, form), name, geometry, f);
}

// The felt and its two decorative frames. Children are stacked in creation order, so everything
// created after the felt lies on it.
void layOutFelt(QWidget *form, TableControls &c)
{
    c.felt = new FilledShape(QStringLiteral("Shape1"), twipsRect(240, 120, 7935, 5415), QColor::fromRgb(colours::kFelt),
                             form);
    const QColor ink = form->palette().color(QPalette::WindowText);
    auto frame = [&](int first, int left, int top, int right, int bottom) {
        const int l = twips(left), t = twips(top), r = twips(right), b = twips(bottom);
        const QRect sides[] = {QRect(l, t, r - l + 1, 1), QRect(r, t, 1, b - t + 1), QRect(l, b, r - l + 1, 1),
                               QRect(l, t, 1, b - t + 1)};
        for (int i = 0; i < 4; ++i)
            new FilledShape(QStringLiteral("Line%1").arg(first + i), sides[i], ink, form);
    };
    frame(1, 6480, 720, 8160, 1320);
    frame(5, 960, 4320, 2040, 4680);
}

// The cards: each slot overlaps the one before it and leaves 360 twips of it showing.
void layOutCards(QWidget *form, TableControls &c, const QPixmap &cardBack)
{
    for (int n = 0; n < int(kSlotsPerHand); ++n) {
        const int left = 2520 + 360 * n;
        c.picCom[std::size_t(n)] =
            new CardSlotWidget(QStringLiteral("PicCom%1").arg(n + 1), twipsRect(left, 480, 1095, 1455), cardBack, form);
        c.picPlay[std::size_t(n)] = new CardSlotWidget(QStringLiteral("PicPlay%1").arg(n + 1),
                                                       twipsRect(left, 3600, 1095, 1455), cardBack, form);
    }
    c.picBack = new CardSlotWidget(QStringLiteral("PicBack"), twipsRect(600, 2040, 1095, 1455), cardBack, form);
    c.picBack->show(SlotFace::CardBack, 0);
    c.picBack->setAccessibleName(QStringLiteral("Deck"));
}

// The totals beside each hand, the bet and the cash.
void layOutAmounts(QWidget *form, TableControls &c)
{
    const QFont total = fontFor(Typeface::SansSerif, 18);
    c.lblCom = amount(form, "lblCom", twipsRect(1440, 1200, 615, 615), total);
    c.lblPlay = amount(form, "lblPlay", twipsRect(6360, 4320, 615, 615), total);

    const QFont bet = fontFor(Typeface::Verdana, 14.25);
    const QFont title = fontFor(Typeface::Verdana, 14.25, false, true);
    const auto centred = Qt::AlignHCenter | Qt::AlignTop;
    caption(form, "lblBettitle", QStringLiteral("Your bet:"), twipsRect(6240, 2400, 1350, 345), title);
    caption(form, "Label4", QStringLiteral("£"), twipsRect(6240, 2760, 255, 375), bet, centred);
    c.lblBet = amount(form, "lblBet", twipsRect(6480, 2760, 855, 375), bet);

    const QFont cash = fontFor(Typeface::SansSerif, 24);
    caption(form, "lblMoneytitle", QStringLiteral("Your Cash:"), twipsRect(120, 4200, 1695, 375), title);
    caption(form, "Label2", QStringLiteral("£"), twipsRect(120, 4560, 375, 615), cash, centred);
    c.lblmoney = amount(form, "lblmoney", twipsRect(480, 4560, 1335, 495), cash);
}

// A label that works as a button, at its place on the form. Qt gives a disabled widget the cursor
// of its nearest enabled parent, but the chips and actions show the hand whether they are open or
// not: so each lies on an enabled, invisible pad of its own size that carries the hand too.
ClickLabel *clickLabel(QWidget *form, const char *name, const QRect &geometry)
{
    auto *pad = new QWidget(form);
    pad->setObjectName(QLatin1String(name) + QStringLiteral("Pad"));
    pad->setGeometry(geometry);
    pad->setCursor(Qt::PointingHandCursor);
    auto *label = new ClickLabel(QLatin1String(name), pad);
    label->setGeometry(pad->rect());
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// A chip is a caption with a transparent click target laid over it. The target has no caption of
// its own, so it carries the name a screen reader speaks, and white for its keyboard focus frame.
ClickLabel *layOutChip(QWidget *form, const Chip &chip)
{
    const QString amount = QString::fromStdString(chip.amount.text());
    const std::string captionName(chip.captionName), targetName(chip.targetName);
    QLabel *face = caption(form, captionName.c_str(), QStringLiteral("£") + amount, twipsRect(chip.caption),
                           fontFor(Typeface::SansSerif, 27.75, true), Qt::AlignHCenter | Qt::AlignTop);
    face->setCursor(Qt::PointingHandCursor);
    ClickLabel *label = clickLabel(form, targetName.c_str(), twipsRect(chip.target));
    label->setToolTip(QStringLiteral("Bet £%1 (pounds)").arg(amount));
    label->setAccessibleName(QStringLiteral("Bet £%1").arg(amount));
    whiteText(label);
    return label;
}

void layOutChips(QWidget *form, TableControls &c)
{
    for (std::size_t i = 0; i < kChips.size(); ++i)
        c.chips[i] = layOutChip(form, kChips[i]);
}

// An action below the felt, with its highlight shape behind it showing through as its background.
ClickLabel *action(QWidget *form, const char *name, const char *text, int left, const char *toolTip,
                   const char *shapeName, FilledShape *&shape)
{
    const QRect geometry = twipsRect(left, 5640, 1095, 375);
    shape = new FilledShape(QLatin1String(shapeName), geometry, QColor::fromRgb(colours::kLightGrey), form);
    ClickLabel *label = clickLabel(form, name, geometry);
    label->setText(QLatin1String(text));
    label->setFont(fontFor(Typeface::SansSerif, 13.5));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (toolTip)
        label->setToolTip(QLatin1String(toolTip));
    // Black on the light shape; an action that is not open now shows greyed out. A label that takes
    // the keyboard focus lays its text out as a document, which inks a disabled label in the Text
    // colour rather than WindowText: the grey goes to both.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    for (const QPalette::ColorRole ink : {QPalette::WindowText, QPalette::Text})
        palette.setColor(QPalette::Disabled, ink, QColor(128, 128, 128));
    label->setPalette(palette);
    return label;
}

void layOutActions(QWidget *form, TableControls &c)
{
    auto &shapes = c.highlights;
    c.lblNew =
        action(form, "lblNew", "New", 3600, "Place a bet and click me to start a new game", "shNewGame", shapes[0]);
    c.lblHit = action(form, "lblHit", "Hit", 4800, "Get another card", "shHit", shapes[1]);
    c.lblStand = action(form, "lblStand", "Stand", 6000, nullptr, "shStand", shapes[2]);
    c.lblDouble = action(form, "lblDouble", "Double", 7200, nullptr, "shDouble", shapes[3]);
}

// Tab goes from the chips to the actions, left to right, as a game is played.
void setTabOrder(const TableControls &c)
{
    QList<QWidget *> order(c.chips.begin(), c.chips.end());
    order << c.lblNew << c.lblHit << c.lblStand << c.lblDouble;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

QSize tableClientSize() { return twipsSize(8385, 6210); }

TableControls layOutTable(QWidget *form, const QPixmap &cardBack)
{
    TableControls c;
    layOutFelt(form, c);
    layOutCards(form, c, cardBack);
    layOutAmounts(form, c);
    layOutChips(form, c);
    layOutActions(form, c);
    setTabOrder(c);
    return c;
}

QList<QWidget *> TableControls::readingOrder() const
{
    QList<QWidget *> order{lblCom};
    for (CardSlotWidget *slot : picCom)
        order << slot;
    order << lblPlay;
    for (CardSlotWidget *slot : picPlay)
        order << slot;
    order << lblBet << lblmoney << picBack;
    for (ClickLabel *chip : chips)
        order << chip;
    order << lblNew << lblHit << lblStand << lblDouble;
    return order;
}

} // namespace quellard
