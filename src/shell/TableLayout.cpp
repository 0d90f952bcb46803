#include "shell/TableLayout.h"

#include "shell/CardSlotWidget.h"
#include "shell/ClickLabel.h"
#include "shell/FilledShape.h"
#include "shell/Twips.h"

#include <QFont>
#include <QLabel>

namespace quellard {

namespace {

// The table's typefaces, by metric-compatible families that Linux desktops carry.
const QString kSansSerif = QStringLiteral("Liberation Sans"); // for MS Sans Serif and Arial
const QString kVerdana = QStringLiteral("DejaVu Sans");

QFont font(const QString &family, qreal points, bool bold = false, bool italic = false)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void whiteText(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    // The totals, bet and cash stay white when their labels are not enabled.
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::white);
    label->setPalette(palette);
}

// A transparent caption on the table.
QLabel *caption(QWidget *form, const QString &name, const QString &text, const QRect &geometry, const QFont &f,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *label = new QLabel(text, form);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(f);
    label->setAlignment(alignment);
    label->setAttribute(Qt::WA_NoMousePropagation);
    whiteText(label);
    return label;
}

// The chip's click target has no caption of its own: the caption underneath shows the amount, so
// the target carries the name a screen reader speaks, and white for its keyboard focus frame.
ClickLabel *chip(QWidget *form, const QString &name, const QRect &geometry, const QString &toolTip,
                 const QString &accessibleName)
{
    auto *label = new ClickLabel(name, form);
    label->setGeometry(geometry);
    label->setToolTip(toolTip);
    label->setCursor(Qt::PointingHandCursor);
    label->setAccessibleName(accessibleName);
    whiteText(label);
    return label;
}

} // namespace

QSize tableClientSize() { return QSize(twips(8385), twips(6210)); }

TableControls layOutTable(QWidget *form, const QPixmap &cardBack)
{
    TableControls c;
    const QColor lightGrey = QColor::fromRgb(bgr(0xE0E0E0));

    // The felt and its two decorative frames. Children are stacked in creation order, so
    // everything created after the felt lies on it.
    c.felt = new FilledShape(QStringLiteral("Shape1"), twipsRect(240, 120, 7935, 5415), QColor::fromRgb(bgr(0x008000)), form);
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

    // The cards: each slot overlaps the one before it and leaves 360 twips of it showing.
    for (int n = 0; n < 7; ++n) {
        const int left = 2520 + 360 * n;
        c.picCom[n] = new CardSlotWidget(QStringLiteral("PicCom%1").arg(n + 1), twipsRect(left, 480, 1095, 1455), cardBack, form);
        c.picPlay[n] = new CardSlotWidget(QStringLiteral("PicPlay%1").arg(n + 1), twipsRect(left, 3600, 1095, 1455), cardBack, form);
    }
    c.picBack = new CardSlotWidget(QStringLiteral("PicBack"), twipsRect(600, 2040, 1095, 1455), cardBack, form);
    c.picBack->show(SlotFace::CardBack, 0);
    c.picBack->setAccessibleName(QObject::tr("Deck"));

    // The totals beside each hand.
    c.lblCom = caption(form, QStringLiteral("lblCom"), QStringLiteral("0"), twipsRect(1440, 1200, 615, 615), font(kSansSerif, 18));
    c.lblPlay = caption(form, QStringLiteral("lblPlay"), QStringLiteral("0"), twipsRect(6360, 4320, 615, 615), font(kSansSerif, 18));

    // The bet.
    caption(form, QStringLiteral("lblBettitle"), QStringLiteral("Your bet:"), twipsRect(6240, 2400, 1350, 345), font(kVerdana, 14.25, false, true));
    caption(form, QStringLiteral("Label4"), QStringLiteral("£"), twipsRect(6240, 2760, 255, 375), font(kVerdana, 14.25), Qt::AlignHCenter | Qt::AlignTop);
    c.lblBet = caption(form, QStringLiteral("lblBet"), QStringLiteral("0"), twipsRect(6480, 2760, 855, 375), font(kVerdana, 14.25));

    // The cash.
    caption(form, QStringLiteral("lblMoneytitle"), QStringLiteral("Your Cash:"), twipsRect(120, 4200, 1695, 375), font(kVerdana, 14.25, false, true));
    caption(form, QStringLiteral("Label2"), QStringLiteral("£"), twipsRect(120, 4560, 375, 615), font(kSansSerif, 24), Qt::AlignHCenter | Qt::AlignTop);
    c.lblmoney = caption(form, QStringLiteral("lblmoney"), QStringLiteral("500"), twipsRect(480, 4560, 1335, 495), font(kSansSerif, 24));

    // The chips: a caption with a transparent click target laid over it.
    const QFont chipFont = font(kSansSerif, 27.75, true);
    const auto centred = Qt::AlignHCenter | Qt::AlignTop;
    for (QLabel *label : {caption(form, QStringLiteral("Label3"), QStringLiteral("£5"), twipsRect(120, 5400, 735, 735), chipFont, centred),
                          caption(form, QStringLiteral("Label5"), QStringLiteral("£10"), twipsRect(960, 5400, 975, 735), chipFont, centred),
                          caption(form, QStringLiteral("Label1"), QStringLiteral("£50"), twipsRect(2040, 5400, 975, 735), chipFont, centred)})
        label->setCursor(Qt::PointingHandCursor);
    c.lblBet5 = chip(form, QStringLiteral("lblBet5"), twipsRect(120, 5400, 735, 675), QStringLiteral("Bet £5 (pounds)"),
                     QStringLiteral("Bet £5"));
    c.lblBet10 = chip(form, QStringLiteral("lblBet10"), twipsRect(960, 5400, 975, 600), QStringLiteral("Bet £10 (pounds)"),
                      QStringLiteral("Bet £10"));
    c.lblBet50 = chip(form, QStringLiteral("lblBet50"), twipsRect(2040, 5400, 975, 615), QStringLiteral("Bet £50 (pounds)"),
                      QStringLiteral("Bet £50"));

    // The actions below the felt, each with its highlight shape behind it.
    struct Action {
        const char *label;
        const char *caption;
        int left;
        const char *toolTip;
        const char *shape;
    };
    const Action actions[] = {
        {"lblNew", "New", 3600, "Place a bet and click me to start a new game", "shNewGame"},
        {"lblHit", "Hit", 4800, "Get another card", "shHit"},
        {"lblStand", "Stand", 6000, nullptr, "shStand"},
        {"lblDouble", "Double", 7200, nullptr, "shDouble"},
    };
    std::array<ClickLabel *, 4> labels{};
    for (int i = 0; i < 4; ++i) {
        const QRect geometry = twipsRect(actions[i].left, 5640, 1095, 375);
        c.highlights[i] = new FilledShape(QString::fromLatin1(actions[i].shape), geometry, lightGrey, form);
        auto *label = new ClickLabel(QString::fromLatin1(actions[i].label), form);
        label->setText(QString::fromLatin1(actions[i].caption));
        label->setGeometry(geometry);
        label->setFont(font(kSansSerif, 13.5));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setCursor(Qt::PointingHandCursor);
        if (actions[i].toolTip)
            label->setToolTip(QString::fromLatin1(actions[i].toolTip));
        // Black on the light shape; an action that is not open now shows greyed out.
        QPalette palette = label->palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
        label->setPalette(palette);
        labels[i] = label;
    }
    c.lblNew = labels[0];
    c.lblHit = labels[1];
    c.lblStand = labels[2];
    c.lblDouble = labels[3];

    // Tab goes from the chips to the actions, left to right, as a game is played.
    const std::array<QWidget *, 7> tabOrder{c.lblBet5, c.lblBet10, c.lblBet50, c.lblNew,
                                            c.lblHit,  c.lblStand, c.lblDouble};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
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
    order << lblBet << lblmoney << picBack << lblBet5 << lblBet10 << lblBet50 << lblNew << lblHit << lblStand << lblDouble;
    return order;
}

} // namespace quellard
