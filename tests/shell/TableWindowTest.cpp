// The table window as laid out and as it starts: positions, the start-up state, hover highlighting,
// the hand cursor, the menus and their ticks, and closing.
#include "shell/CardSlotWidget.h"
#include "shell/FilledShape.h"
#include "support/TableWindowHarness.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

class TableWindowTest : public QObject {
    Q_OBJECT

    TableHarness table;
    QWidget *form = nullptr;
    QPoint at(const QString &name, QPoint offset) const { return table.find(name)->mapTo(form, offset); }

private slots:
    void initTestCase()
    {
        table.load();
        form = table.window->centralWidget();
    }

    void controlsStandWhereTheTableHasThem()
    {
        QString layout = QStringLiteral( // name left top width height, in twips
            "Shape1 240 120 7935 5415,PicBack 600 2040 1095 1455,lblCom 1440 1200 615 615,lblPlay 6360 4320 615 615,"
            "lblBettitle 6240 2400 1350 345,Label4 6240 2760 255 375,lblBet 6480 2760 855 375,"
            "lblMoneytitle 120 4200 1695 375,Label2 120 4560 375 615,lblmoney 480 4560 1335 495,"
            "Label3 120 5400 735 735,lblBet5 120 5400 735 675,Label5 960 5400 975 735,lblBet10 960 5400 975 600,"
            "Label1 2040 5400 975 735,lblBet50 2040 5400 975 615,Line1 6480 720 1695 15,Line5 960 4320 1095 15");
        const char *actions[] = {"lblNew",   "shNewGame", "lblHit",    "shHit",
                                 "lblStand", "shStand",   "lblDouble", "shDouble"};
        for (int i = 0; i < 8; ++i)
            layout += QStringLiteral(",%1 %2 5640 1095 375").arg(actions[i]).arg(3600 + 1200 * (i / 2));
        for (int n = 0; n < 7; ++n)
            layout +=
                QStringLiteral(",PicCom%1 %2 480 1095 1455,PicPlay%1 %2 3600 1095 1455").arg(n + 1).arg(2520 + 360 * n);
        for (const QString &row : layout.split(',')) {
            const QStringList f = row.split(' ');
            const QWidget *control = table.find(f[0]);
            QVERIFY2(control && QRect(control->mapTo(form, QPoint()), control->size()) ==
                                    QRect(f[1].toInt() / 15, f[2].toInt() / 15, f[3].toInt() / 15, f[4].toInt() / 15),
                     qPrintable(row));
        }
        QVERIFY(form->size() == QSize(559, 414) && table.window->minimumSize() == table.window->maximumSize());
        QVERIFY(!(table.window->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void startsWithOnlyTheChipsAndNewOpen()
    {
        QCOMPARE(table.window->windowTitle(), QStringLiteral("Quellard"));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(64, 64, 64));
        QCOMPARE(table.find<FilledShape>(QStringLiteral("Shape1"))->fillColor(), QColor(0, 128, 0));
        QStringList tips;
        for (const char *name : {"lblBet5", "lblBet10", "lblBet50", "lblNew", "lblHit", "lblStand", "lblDouble"})
            tips << QString(table.open(QLatin1String(name)) ? "+" : "-") + table.find(QLatin1String(name))->toolTip();
        QCOMPARE(tips, (QStringList{"+Bet £5 (pounds)", "+Bet £10 (pounds)", "+Bet £50 (pounds)",
                                    "+Place a bet and click me to start a new game", "-Get another card", "-", "-"}));
        QString shown; // the dealer's first and the player's first two cards lie face down, with the deck
        for (const QString &slot : QStringList{"PicBack", "PicCom1", "PicCom2", "PicPlay1", "PicPlay2", "PicPlay3"}) {
            const auto *card = table.find<CardSlotWidget>(slot);
            shown += card->isVisible() ? QChar('0' + int(card->face())) : QChar('-');
        }
        QCOMPARE(shown, QStringLiteral("11-11-"));
        QCOMPARE((QStringList{table.caption("lblmoney"), table.caption("lblBet"), table.caption("lblPlay"),
                              table.caption("lblCom")}),
                 (QStringList{"500", "0", "0", "0"}));
        QVERIFY(table.window->menus().sound->isChecked() && table.modals.seen.isEmpty() &&
                table.sound.played.isEmpty());
    }

    // Straight from one action onto the next, open or not, one lights blue; other controls keep the
    // light; the felt and the frame lines are the window's own surface and put it out.
    void hoverLightsOneActionAtATime()
    {
        auto lit = [&] {
            QString colours;
            for (const char *name : {"shNewGame", "shHit", "shStand", "shDouble"}) {
                const QColor fill = table.find<FilledShape>(QLatin1String(name))->fillColor();
                colours += fill == QColor(0, 0, 255) ? 'B' : fill == QColor(224, 224, 224) ? 'g' : '?';
            }
            return colours;
        };
        const QString moves = "lblNew Bggg,lblHit gBgg,lblStand ggBg,lblDouble gggB,lblBet5 gggB,Label3 gggB,"
                              "lblmoney gggB,PicPlay1 gggB,Line1 gggg,lblHit gBgg,Shape1 gggg";
        for (const QString &move : moves.split(',')) {
            const QString name = move.section(' ', 0, 0);
            QTest::mouseMove(form, at(name, name.startsWith("Line") ? QPoint(10, 0)
                                            : name == "Label3"      ? QPoint(20, 42)
                                                                    : QPoint(5, 5)));
            QVERIFY2(lit() == move.section(' ', 1), qPrintable(move + " but " + lit()));
        }
    }

    void theHandShowsOverChipsAndActionsOpenOrNot()
    {
        const QString places = "lblNew 20 10,lblHit 20 10,lblStand 20 10,lblDouble 20 10,lblBet5 20 10,Label3 20 42";
        for (const QString &place : places.split(',')) { // closed at start: Hit, Stand and Double
            const QStringList f = place.split(' ');
            QTest::mouseMove(form, QPoint(5, 5)); // from the felt's edge, so that every move enters
            QTest::mouseMove(form, at(f[0], QPoint(f[1].toInt(), f[2].toInt())));
            QVERIFY2(table.window->windowHandle()->cursor().shape() == Qt::PointingHandCursor, qPrintable(place));
        }
        QTest::mouseMove(form, at("Shape1", QPoint(300, 150)));
        QCOMPARE(table.window->windowHandle()->cursor().shape(), Qt::ArrowCursor);
    }

    void menusCarryTheirCaptionsAndTicks()
    {
        const TableMenus &m = table.window->menus();
        QStringList captions;
        for (QMenu *menu : {m.file, m.options, m.deck, m.soundMenu, m.help}) {
            captions << menu->title();
            for (QAction *a : menu->actions())
                captions << (a->isSeparator() ? "-" : (a->text() + ' ' + a->shortcut().toString()).trimmed());
        }
        QCOMPARE(
            captions.join('|'),
            QStringLiteral("&File |Re-Start &New Game F2|-|E&xit Ctrl+X|Options|Deck|Deck|Default|-|Roman Wall|Tyne "
                           "Bridge|Big Cat|Lake|Marine Life|Bruce Almighty|&Sound|&On F5|&Help|&Contents ... F1|-|"
                           "&Feedback/Report Bug|Homepage|-|A&bout"));
        // Ink in an item's first column: a tick when ticked, nothing (no empty box) when not.
        auto marked = [](QMenu *menu, QAction *item) {
            menu->adjustSize();
            const QImage image = menu->grab().toImage();
            const QRect column = menu->actionGeometry(item).adjusted(2, 2, 0, -2);
            int ink = 0;
            for (int y = column.top(); y <= column.bottom(); ++y)
                for (int x = column.left(); x < column.left() + column.height() + 4; ++x)
                    ink += qAbs(qGray(image.pixel(x, y)) - qGray(image.pixel(column.left() + 1, column.center().y()))) >
                           60;
            return ink > 3 ? 'v' : '-';
        };
        m.deckItems[0]->setChecked(false);
        m.deckItems[4]->setChecked(true); // Lake
        m.sound->setChecked(false);
        QString ticks;
        for (QAction *item : m.deckItems)
            ticks += marked(m.deck, item);
        QCOMPARE(ticks + marked(m.soundMenu, m.sound), QStringLiteral("----v---"));
        m.sound->setChecked(true);
        QCOMPARE(marked(m.soundMenu, m.sound), 'v');
    }

    void largeAmountsReadAsPlainDecimalsAndExitWritesNothing()
    {
        Table rich = Table::fresh();
        rich.cash = 1000000;
        TableWindow window({.table = rich});
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblmoney"))->text(), QStringLiteral("1000000"));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblmoney"))->accessibleName(),
                 QStringLiteral("Your cash: £1000000"));
        QSignalSpy unloaded(table.window.get(), &TableWindow::unloaded);
        table.window->menus().exit->trigger();
        QVERIFY(unloaded.count() == 1 && !table.window->isVisible());
        QVERIFY(!QFileInfo::exists(table.folder.file(QStringLiteral("Quellard.ini"))));
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
