// The table window as laid out and as it starts: positions, start-up state, hover highlighting,
// menus, and closing.
#include "shell/CardSlotWidget.h"
#include "shell/FilledShape.h"
#include "support/TableWindowHarness.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsStandWhereTheTableHasThem();
    void startsWithOnlyTheChipsAndNewOpen();
    void hoverLightsOneActionAtATime();
    void menusCarryTheirCaptionsAndExitWritesNothing();
    void largeAmountsReadAsPlainDecimals();
    void menusShowATickOrNothing();
    void theHandShowsOverChipsAndActionsOpenOrNot();
};

void TableWindowTest::controlsStandWhereTheTableHasThem()
{
    TableHarness table;
    auto row = [&](const QString &name, QRect twips) { // left, top, width, height
        QWidget *control = table.find(name);
        QVERIFY2(control && table.window->centralWidget()->isAncestorOf(control), qPrintable(name));
        const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        const QRect onForm(control->mapTo(table.window->centralWidget(), QPoint(0, 0)), control->size());
        QVERIFY2(onForm == pixels, qPrintable(name));
    };
    for (int n = 1; n <= 7; ++n) {
        row(QStringLiteral("PicCom%1").arg(n), QRect(2520 + 360 * (n - 1), 480, 1095, 1455));
        row(QStringLiteral("PicPlay%1").arg(n), QRect(2520 + 360 * (n - 1), 3600, 1095, 1455));
    }
    const char *actions[][2] = {
        {"lblNew", "shNewGame"}, {"lblHit", "shHit"}, {"lblStand", "shStand"}, {"lblDouble", "shDouble"}};
    for (int i = 0; i < 4; ++i)
        for (const char *name : actions[i])
            row(QString::fromLatin1(name), QRect(3600 + 1200 * i, 5640, 1095, 375));
    const std::pair<const char *, QRect> others[] = {
        {"Shape1", {240, 120, 7935, 5415}},       {"PicBack", {600, 2040, 1095, 1455}},
        {"lblCom", {1440, 1200, 615, 615}},       {"lblPlay", {6360, 4320, 615, 615}},
        {"lblBettitle", {6240, 2400, 1350, 345}}, {"Label4", {6240, 2760, 255, 375}},
        {"lblBet", {6480, 2760, 855, 375}},       {"lblMoneytitle", {120, 4200, 1695, 375}},
        {"Label2", {120, 4560, 375, 615}},        {"lblmoney", {480, 4560, 1335, 495}},
        {"Label3", {120, 5400, 735, 735}},        {"lblBet5", {120, 5400, 735, 675}},
        {"Label5", {960, 5400, 975, 735}},        {"lblBet10", {960, 5400, 975, 600}},
        {"Label1", {2040, 5400, 975, 735}},       {"lblBet50", {2040, 5400, 975, 615}},
        {"Line1", {6480, 720, 1695, 15}},         {"Line5", {960, 4320, 1095, 15}},
    };
    for (const auto &[name, twips] : others)
        row(QString::fromLatin1(name), twips);
}

void TableWindowTest::startsWithOnlyTheChipsAndNewOpen()
{
    TableHarness table;
    table.load();
    QWidget *form = table.window->centralWidget();
    QCOMPARE(form->size(), QSize(559, 414));
    QCOMPARE(table.window->minimumSize(), table.window->maximumSize());
    QVERIFY(!(table.window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(table.window->windowTitle(), QStringLiteral("Quellard"));
    QCOMPARE(form->palette().color(QPalette::Window), QColor(64, 64, 64));
    QCOMPARE(table.find<FilledShape>(QStringLiteral("Shape1"))->fillColor(), QColor(0, 128, 0));
    const QList<std::tuple<const char *, bool, const char *>> actions = {
        {"lblBet5", true, "Bet £5 (pounds)"},
        {"lblBet10", true, "Bet £10 (pounds)"},
        {"lblBet50", true, "Bet £50 (pounds)"},
        {"lblNew", true, "Place a bet and click me to start a new game"},
        {"lblHit", false, "Get another card"},
        {"lblStand", false, ""},
        {"lblDouble", false, ""}};
    for (const auto &[name, open, tip] : actions) {
        QWidget *control = table.find(QString::fromLatin1(name));
        QVERIFY2(control->isEnabled() == open, name);
        QCOMPARE(control->toolTip(), QString::fromUtf8(tip));
        QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
    }
    for (int n = 1; n <= 7; ++n) { // the deck, the dealer's first and the player's first two lie face down
        QCOMPARE(table.find(QStringLiteral("PicCom%1").arg(n))->isVisible(), n == 1);
        QCOMPARE(table.find(QStringLiteral("PicPlay%1").arg(n))->isVisible(), n <= 2);
    }
    for (const char *faceDown : {"PicBack", "PicCom1", "PicPlay1", "PicPlay2"}) {
        auto *slot = table.find<CardSlotWidget>(QString::fromLatin1(faceDown));
        QVERIFY2(slot->isVisible() && slot->face() == SlotFace::CardBack, faceDown);
    }
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
    for (const char *zero : {"lblBet", "lblPlay", "lblCom"})
        QCOMPARE(table.caption(QString::fromLatin1(zero)), QStringLiteral("0"));
    QVERIFY(table.window->menus().sound->isChecked());
    QVERIFY(table.modals.seen.isEmpty());
    QVERIFY(table.sound.played.isEmpty());
    QVERIFY(!QFileInfo::exists(table.folder.file(QStringLiteral("Quellard.ini"))));
}

void TableWindowTest::hoverLightsOneActionAtATime()
{
    TableHarness table;
    table.load();
    auto moveOver = [&](const char *name, QPoint offset) {
        QWidget *form = table.window->centralWidget();
        QTest::mouseMove(form, table.find(QString::fromLatin1(name))->mapTo(form, QPoint(0, 0)) + offset);
    };
    auto lit = [&](int index) { // only the action at `index` (-1: none) is blue, the rest grey
        int n = 0;
        for (const char *name : {"shNewGame", "shHit", "shStand", "shDouble"})
            if (table.find<FilledShape>(QString::fromLatin1(name))->fillColor() !=
                (n++ == index ? QColor(0, 0, 255) : QColor(224, 224, 224)))
                return false;
        return true;
    };
    QVERIFY(lit(-1));
    // Straight from one action onto the next: one goes grey and the other blue in one step, enabled or not.
    const char *actions[] = {"lblNew", "lblHit", "lblStand", "lblDouble", "lblStand"};
    for (int i = 0; i < 5; ++i) {
        moveOver(actions[i], QPoint(5, 5));
        QVERIFY2(lit(i == 4 ? 2 : i), actions[i]);
    }
    for (const char *other :
         {"lblBet5", "Label3", "lblmoney", "lblMoneytitle", "lblPlay", "PicPlay1", "PicBack", "lblBet"}) {
        moveOver(other, QPoint(2, 2));
        QVERIFY2(lit(2), other);
    }
    moveOver("Line1", QPoint(10, 0)); // a frame line counts as the window's surface
    QVERIFY(lit(-1));
    moveOver("lblHit", QPoint(5, 5));
    moveOver("Shape1", QPoint(300, 150)); // and so does the felt
    QVERIFY(lit(-1));
}

void TableWindowTest::menusCarryTheirCaptionsAndExitWritesNothing()
{
    TableHarness table;
    table.load();
    auto captions = [](const QList<QAction *> &actions) {
        QStringList list;
        for (QAction *a : actions)
            list << (a->isSeparator()          ? QStringLiteral("-")
                     : a->shortcut().isEmpty() ? a->text()
                                               : a->text() + QLatin1Char(' ') + a->shortcut().toString());
        return list;
    };
    const TableMenus &menus = table.window->menus();
    QCOMPARE(captions(table.window->menuBar()->actions()), (QStringList{"&File ", "Options", "&Sound", "&Help"}));
    QCOMPARE(captions(menus.file->actions()), (QStringList{"Re-Start &New Game F2", "-", "E&xit Ctrl+X"}));
    QCOMPARE(captions(menus.soundMenu->actions()), QStringList{"&On F5"});
    QCOMPARE(captions(menus.deck->actions()), (QStringList{"Default", "-", "Roman Wall", "Tyne Bridge", "Big Cat",
                                                           "Lake", "Marine Life", "Bruce Almighty"}));
    QCOMPARE(captions(menus.help->actions()),
             (QStringList{"&Contents ... F1", "-", "&Feedback/Report Bug", "Homepage", "-", "A&bout"}));

    QSignalSpy unloaded(table.window.get(), &TableWindow::unloaded);
    menus.exit->trigger();
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!table.window->isVisible());
    QVERIFY(!QFileInfo::exists(table.folder.file(QStringLiteral("Quellard.ini"))));
}

void TableWindowTest::largeAmountsReadAsPlainDecimals()
{
    Table rich = Table::fresh();
    rich.cash = 1000000;
    rich.bet = 200000;
    TableWindow window({.table = rich});
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblmoney"))->text(), QStringLiteral("1000000"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblmoney"))->accessibleName(),
             QStringLiteral("Your cash: £1000000"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblBet"))->text(), QStringLiteral("200000"));
}

void TableWindowTest::menusShowATickOrNothing()
{
    TableHarness table;
    table.load();
    // Ink in the first column of an item, where a tick or an empty box would be.
    auto marked = [](QMenu *menu, QAction *item) {
        menu->adjustSize();
        const QImage image = menu->grab().toImage();
        const QRect column = menu->actionGeometry(item).adjusted(2, 2, 0, -2);
        const QColor paper = image.pixelColor(column.left() + 1, column.center().y());
        int ink = 0;
        for (int y = column.top(); y <= column.bottom(); ++y)
            for (int x = column.left(); x < column.left() + column.height() + 4; ++x)
                ink += qAbs(qGray(image.pixel(x, y)) - qGray(paper.rgb())) > 60;
        return ink > 3;
    };
    const TableMenus &menus = table.window->menus();
    menus.deckItems[4]->setChecked(true); // Lake
    for (std::size_t i = 0; i < menus.deckItems.size(); ++i)
        QVERIFY2(marked(menus.deck, menus.deckItems[i]) == (i == 0 || i == 4), qPrintable(menus.deckItems[i]->text()));
    QVERIFY(marked(menus.soundMenu, menus.sound));
    menus.sound->setChecked(false);
    QVERIFY(!marked(menus.soundMenu, menus.sound));
}

void TableWindowTest::theHandShowsOverChipsAndActionsOpenOrNot()
{
    TableHarness table;
    table.load();
    QWidget *form = table.window->centralWidget();
    // The cursor the window shows with the pointer at a point of a control, in the form's terms.
    auto cursorAt = [&](const char *name, QPoint offset) {
        QWidget *control = table.find(QString::fromLatin1(name));
        QTest::mouseMove(form, QPoint(5, 5)); // from the felt's edge, so that every move enters
        QTest::mouseMove(form, control->mapTo(form, QPoint(0, 0)) + offset);
        return table.window->windowHandle()->cursor().shape();
    };
    auto hands = [&](QList<std::pair<const char *, QPoint>> places) {
        for (const auto &[name, offset] : places)
            QVERIFY2(cursorAt(name, offset) == Qt::PointingHandCursor, name);
    };
    const QPoint middle(20, 10), chipsLowerStrip(20, 42);
    // At start Hit, Stand and Double are closed, the chips and New open.
    hands({{"lblNew", middle},
           {"lblHit", middle},
           {"lblStand", middle},
           {"lblDouble", middle},
           {"lblBet5", middle},
           {"Label3", chipsLowerStrip},
           {"lblBet50", middle}});
    QCOMPARE(cursorAt("Shape1", QPoint(300, 150)), Qt::ArrowCursor);
    table.click(QStringLiteral("lblBet10"));
    table.random.deal({card(10), card(10), card(8)});
    table.click(QStringLiteral("lblNew")); // now the chips and New are closed
    hands({{"lblNew", middle},
           {"lblBet5", middle},
           {"Label3", chipsLowerStrip},
           {"lblBet10", middle},
           {"lblHit", middle}});
}

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
