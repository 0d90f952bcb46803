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
    void controlsStandWhereTheTableHasThem_data();
    void controlsStandWhereTheTableHasThem();
    void windowIsFixedSize();
    void startsWithOnlyTheChipsAndNewOpen();
    void hoverLightsOneActionAtATime();
    void hoverIgnoresOtherControls();
    void menusCarryTheirCaptionsAndShortcuts();
    void chipsAndActionsShowTheirToolTips();
    void exitClosesTheWindowAndWritesNothing();
};

void TableWindowTest::controlsStandWhereTheTableHasThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips"); // left, top, width, height
    auto row = [](const char *name, int l, int t, int w, int h) { QTest::newRow(name) << QString::fromLatin1(name) << QRect(l, t, w, h); };
    row("Shape1", 240, 120, 7935, 5415);
    for (int n = 1; n <= 7; ++n) {
        const int left = 2520 + 360 * (n - 1);
        QTest::newRow(qPrintable(QStringLiteral("PicCom%1").arg(n))) << QStringLiteral("PicCom%1").arg(n) << QRect(left, 480, 1095, 1455);
        QTest::newRow(qPrintable(QStringLiteral("PicPlay%1").arg(n))) << QStringLiteral("PicPlay%1").arg(n) << QRect(left, 3600, 1095, 1455);
    }
    row("PicBack", 600, 2040, 1095, 1455);
    row("lblCom", 1440, 1200, 615, 615);
    row("lblPlay", 6360, 4320, 615, 615);
    row("lblBettitle", 6240, 2400, 1350, 345);
    row("Label4", 6240, 2760, 255, 375);
    row("lblBet", 6480, 2760, 855, 375);
    row("lblMoneytitle", 120, 4200, 1695, 375);
    row("Label2", 120, 4560, 375, 615);
    row("lblmoney", 480, 4560, 1335, 495);
    row("Label3", 120, 5400, 735, 735);
    row("lblBet5", 120, 5400, 735, 675);
    row("Label5", 960, 5400, 975, 735);
    row("lblBet10", 960, 5400, 975, 600);
    row("Label1", 2040, 5400, 975, 735);
    row("lblBet50", 2040, 5400, 975, 615);
    row("lblNew", 3600, 5640, 1095, 375);
    row("shNewGame", 3600, 5640, 1095, 375);
    row("lblHit", 4800, 5640, 1095, 375);
    row("shHit", 4800, 5640, 1095, 375);
    row("lblStand", 6000, 5640, 1095, 375);
    row("shStand", 6000, 5640, 1095, 375);
    row("lblDouble", 7200, 5640, 1095, 375);
    row("shDouble", 7200, 5640, 1095, 375);
    // The frames: top edges of the two rectangles.
    row("Line1", 6480, 720, 1695, 15);
    row("Line5", 960, 4320, 1095, 15);
}

void TableWindowTest::controlsStandWhereTheTableHasThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    TableHarness table;
    QWidget *control = table.find(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(control->parentWidget(), table.window->centralWidget());
}

void TableWindowTest::windowIsFixedSize()
{
    TableHarness table;
    table.load();
    QWidget *form = table.window->centralWidget();
    QCOMPARE(form->size(), QSize(559, 414));
    const QSize size = table.window->size();
    QCOMPARE(table.window->minimumSize(), size);
    QCOMPARE(table.window->maximumSize(), size);
    QVERIFY(!(table.window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(table.window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(table.window->windowTitle(), QStringLiteral("Quellard"));
    QCOMPARE(form->palette().color(QPalette::Window), QColor(64, 64, 64));
    QCOMPARE(table.find<FilledShape>(QStringLiteral("Shape1"))->fillColor(), QColor(0, 128, 0));
}

void TableWindowTest::startsWithOnlyTheChipsAndNewOpen()
{
    TableHarness table;
    table.load();
    for (const char *open : {"lblNew", "lblBet5", "lblBet10", "lblBet50"})
        QVERIFY2(table.find(QString::fromLatin1(open))->isEnabled(), open);
    for (const char *closed : {"lblHit", "lblStand", "lblDouble"})
        QVERIFY2(!table.find(QString::fromLatin1(closed))->isEnabled(), closed);
    for (const char *faceDown : {"PicBack", "PicCom1", "PicPlay1", "PicPlay2"}) {
        auto *slot = table.find<CardSlotWidget>(QString::fromLatin1(faceDown));
        QVERIFY2(slot->isVisible(), faceDown);
        QCOMPARE(slot->face(), SlotFace::CardBack);
    }
    for (int n = 2; n <= 7; ++n)
        QVERIFY(!table.find(QStringLiteral("PicCom%1").arg(n))->isVisible());
    for (int n = 3; n <= 7; ++n)
        QVERIFY(!table.find(QStringLiteral("PicPlay%1").arg(n))->isVisible());
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
    for (const char *zero : {"lblBet", "lblPlay", "lblCom"})
        QCOMPARE(table.caption(QString::fromLatin1(zero)), QStringLiteral("0"));
    QVERIFY(table.window->menus().sound->isChecked());
    QVERIFY(table.modals.seen.isEmpty());
    QVERIFY(table.sound.played.isEmpty());
    QVERIFY(!QFileInfo::exists(table.folder.file(QStringLiteral("Quellard.ini"))));

    // Clicks on the closed actions change nothing.
    table.click(QStringLiteral("lblHit"));
    table.click(QStringLiteral("lblStand"));
    table.click(QStringLiteral("lblDouble"));
    QVERIFY(!table.find(QStringLiteral("PicPlay3"))->isVisible());
    QVERIFY(!table.find(QStringLiteral("PicCom2"))->isVisible());
}

namespace {
QList<QColor> highlightColours(const TableHarness &table)
{
    QList<QColor> colours;
    for (const char *name : {"shNewGame", "shHit", "shStand", "shDouble"})
        colours << table.find<FilledShape>(QString::fromLatin1(name))->fillColor();
    return colours;
}

QList<QColor> lit(int index)
{
    QList<QColor> colours(4, QColor(224, 224, 224));
    if (index >= 0)
        colours[index] = QColor(0, 0, 255);
    return colours;
}

void moveOver(TableHarness &table, const char *name, QPoint offset = QPoint(5, 5))
{
    QWidget *target = table.find(QString::fromLatin1(name));
    QTest::mouseMove(table.window->centralWidget(), target->geometry().topLeft() + offset);
}
} // namespace

void TableWindowTest::hoverLightsOneActionAtATime()
{
    TableHarness table;
    table.load();
    QCOMPARE(highlightColours(table), lit(-1));
    moveOver(table, "lblNew");
    QCOMPARE(highlightColours(table), lit(0));
    // Straight from Hit onto Stand: one goes grey and the other blue in one step. Hit and Stand are
    // not enabled yet, which makes no difference.
    moveOver(table, "lblHit");
    QCOMPARE(highlightColours(table), lit(1));
    moveOver(table, "lblStand");
    QCOMPARE(highlightColours(table), lit(2));
    moveOver(table, "lblDouble");
    QCOMPARE(highlightColours(table), lit(3));
    // The felt counts as the window's surface.
    moveOver(table, "Shape1", QPoint(300, 150));
    QCOMPARE(highlightColours(table), lit(-1));
}

void TableWindowTest::hoverIgnoresOtherControls()
{
    TableHarness table;
    table.load();
    moveOver(table, "lblStand");
    for (const char *other : {"lblBet5", "Label3", "lblmoney", "lblMoneytitle", "lblPlay", "PicPlay1", "PicBack", "lblBet"}) {
        moveOver(table, other, QPoint(2, 2));
        QVERIFY2(highlightColours(table) == lit(2), other);
    }
    // A frame line is part of the surface too.
    QWidget *line = table.find(QStringLiteral("Line1"));
    QTest::mouseMove(table.window->centralWidget(), line->geometry().topLeft() + QPoint(10, 0));
    QCOMPARE(highlightColours(table), lit(-1));
}

void TableWindowTest::menusCarryTheirCaptionsAndShortcuts()
{
    TableHarness table;
    const QList<QAction *> bar = table.window->menuBar()->actions();
    QStringList titles;
    for (QAction *a : bar)
        titles << a->text();
    QCOMPARE(titles, (QStringList{"&File ", "Options", "&Sound", "&Help"}));

    struct Item {
        const char *name;
        const char *text;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {"New_Game", "Re-Start &New Game", QKeySequence(Qt::Key_F2)},
        {"Exit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"Sound", "&On", QKeySequence(Qt::Key_F5)},
        {"mnuContents", "&Contents ...", QKeySequence(Qt::Key_F1)},
        {"mnuFeedRepBug", "&Feedback/Report Bug", {}},
        {"mnuHomepage", "Homepage", {}},
        {"mnuAbout", "A&bout", {}},
    };
    for (const Item &item : items) {
        auto *action = table.window->findChild<QAction *>(QString::fromLatin1(item.name));
        QVERIFY2(action, item.name);
        QCOMPARE(action->text(), QString::fromLatin1(item.text));
        QCOMPARE(action->shortcut(), item.shortcut);
    }

    // The deck submenu: Default, a separator, then the six pictures.
    QStringList deck;
    for (QAction *a : table.window->menus().deck->actions())
        deck << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(deck, (QStringList{"Default", "-", "Roman Wall", "Tyne Bridge", "Big Cat", "Lake", "Marine Life", "Bruce Almighty"}));
    QStringList help;
    for (QAction *a : table.window->menus().help->actions())
        help << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(help, (QStringList{"&Contents ...", "-", "&Feedback/Report Bug", "Homepage", "-", "A&bout"}));
    QVERIFY(table.window->menus().sound->isChecked());
}

void TableWindowTest::chipsAndActionsShowTheirToolTips()
{
    TableHarness table;
    const QList<QPair<const char *, const char *>> tips = {
        {"lblBet5", "Bet £5 (pounds)"},
        {"lblBet10", "Bet £10 (pounds)"},
        {"lblBet50", "Bet £50 (pounds)"},
        {"lblNew", "Place a bet and click me to start a new game"},
        {"lblHit", "Get another card"},
        {"lblStand", ""},
        {"lblDouble", ""},
    };
    for (const auto &[name, tip] : tips) {
        QWidget *w = table.find(QString::fromLatin1(name));
        QCOMPARE(w->toolTip(), QString::fromUtf8(tip));
        QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
    }
}

void TableWindowTest::exitClosesTheWindowAndWritesNothing()
{
    TableHarness table;
    table.load();
    QSignalSpy unloaded(table.window.get(), &TableWindow::unloaded);
    table.window->menus().exit->trigger();
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!table.window->isVisible());
    QVERIFY(!QFileInfo::exists(table.folder.file(QStringLiteral("Quellard.ini"))));
}

QTEST_MAIN(TableWindowTest)
#include "test_table_window.moc"
