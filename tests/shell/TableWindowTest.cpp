// The table window as laid out and as it starts: positions, the start-up state, hover highlighting,
// the hand cursor, what a screen reader finds, the menus and their ticks, the Help menu's rules
// window, About box and web addresses, and closing.
#include "shell/CardSlotWidget.h"
#include "shell/FilledShape.h"
#include "support/TableWindowHarness.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

namespace {

// The rules, line by line: trailing blanks, the quotation marks inside, the two blanks after the
// title and the line of three blanks are all part of them.
// clang-format off
const QStringList kRulesLines = {
    "The Rules:",
    "If the total value of your cards is closer to 21 than the dealer's, you win as much as you have ",
    "wagered. If you have blackjack, you win 3 to 2 times your bet (assuming the dealer does not ",
    "also have blackjack). ", "",
    "Aces count as either 1 or 11, dressed cards as 10, and remaining cards according to their ", "number ", "values. ",
    "",
    "If the total of your cards exceeds 21, you \"bust\" and lose your wager. If you have the same card ",
    "total as the dealer, from 17 and up, no one wins and you get your stake back in a so-called ",
    "\"push.\" Blackjack beats a score of 21.", "",
    "Quellard  follows standard \"Las Vegas Strip\" rules of the Nevada Gaming Commission, with ",
    "the following exceptions: ", "   ",
    "Double Down:",
    "When you have been dealt two cards, and think that a third card will give you a position to beat ",
    "the dealer's hand, you can \"double down.\" Your wager is doubled, and you are allowed to hit ",
    "and receive just one additional card. ", "",
    "Insurance:",
    "Insurance gives you the chance to protect yourself when you believe that the dealer might have ",
    "blackjack. If the dealer's first card is an ace, he is considered to have a fair chance of getting ",
    "blackjack. If you believe that the dealer's dark card is of value 10, you may buy insurance ",
    "against dealer blackjack at the price of half your initial bet. If the dealer does have blackjack, the ",
    "insurance pays 2 to 1, corresponding to the amount of your initial bet. If you have bought ",
    "insurance, and the dealer does not have blackjack, you lose your insurance. Your initial bet is ",
    "then settled by comparing your cards with the dealer's. Should you and the dealer both have ",
    "blackjack, the game results in a push. ", "",
    "Rules for the Dealer:",
    "The dealer must draw cards until he has at least 17, and must stand at 17 or higher. If the dealer ",
    "gets 16, he must take another card. The dealer may not decide whether or not to draw a card ",
    "based on your hand, but must abide by the existing dealer rules.", "",
};
// clang-format on

} // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

    TableHarness table;
    QWidget *form = nullptr;

private slots:
    void initTestCase()
    {
        table.load();
        form = table.window->centralWidget();
    }

    void controlsStandWhereTheTableHasThem()
    {
        const QString layout = QStringLiteral( // name left top width height, in twips
            "Shape1 240 120 7935 5415,PicBack 600 2040 1095 1455,lblCom 1440 1200 615 615,lblPlay 6360 4320 615 615,"
            "lblBettitle 6240 2400 1350 345,Label4 6240 2760 255 375,lblBet 6480 2760 855 375,"
            "lblMoneytitle 120 4200 1695 375,Label2 120 4560 375 615,lblmoney 480 4560 1335 495,"
            "Label3 120 5400 735 735,lblBet5 120 5400 735 675,Label5 960 5400 975 735,lblBet10 960 5400 975 600,"
            "Label1 2040 5400 975 735,lblBet50 2040 5400 975 615,Line1 6480 720 1695 15,Line5 960 4320 1095 15,"
            "lblNew 3600 5640 1095 375,shNewGame 3600 5640 1095 375,lblHit 4800 5640 1095 375,shHit 4800 5640 1095 375,"
            "lblStand 6000 5640 1095 375,shStand 6000 5640 1095 375,lblDouble 7200 5640 1095 375,"
            "shDouble 7200 5640 1095 375,PicCom1 2520 480 1095 1455,PicCom2 2880 480 1095 1455,"
            "PicCom3 3240 480 1095 1455,PicCom4 3600 480 1095 1455,PicCom5 3960 480 1095 1455,"
            "PicCom6 4320 480 1095 1455,PicCom7 4680 480 1095 1455,PicPlay1 2520 3600 1095 1455,"
            "PicPlay2 2880 3600 1095 1455,PicPlay3 3240 3600 1095 1455,PicPlay4 3600 3600 1095 1455,"
            "PicPlay5 3960 3600 1095 1455,PicPlay6 4320 3600 1095 1455,PicPlay7 4680 3600 1095 1455");
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
        for (const auto &[name, amount] :
             {std::pair{"lblmoney", "500"}, {"lblBet", "0"}, {"lblPlay", "0"}, {"lblCom", "0"}})
            QCOMPARE(table.caption(QLatin1String(name)), QLatin1String(amount));
        QVERIFY(table.window->menus().sound->isChecked() && table.modals.seen.isEmpty() &&
                table.sound.played.isEmpty());
        // A screen reader finds the amounts as text, the dealer's first and the player's first two cards
        // face down and the deck as graphics, and the labels as buttons, closed ones unavailable; the
        // chips' captions, the felt, the frames, the highlight shapes and the hidden card slots are left out.
        QCOMPARE(table.spoken(), (QStringList{"Dealer's total: 0", "Face-down card", "Your total: 0", "Face-down card",
                                              "Face-down card", "Your bet: £0", "Your cash: £500", "Deck", "Bet £5",
                                              "Bet £10", "Bet £50", "New", "Hit", "Stand", "Double"}));
        QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(form);
        QString roles;
        for (int i = 0; i < tree->childCount(); ++i) {
            QAccessibleInterface *control = tree->child(i);
            QVERIFY(control->parent() == tree && tree->indexOfChild(control) == i);
            const QAccessible::Role role = control->role();
            roles += role == QAccessible::StaticText ? 'T' : role == QAccessible::Graphic ? 'G' : 'B';
            roles += control->state().disabled ? 'x' : '-';
        }
        QCOMPARE(roles, QStringLiteral("T-G-T-G-G-T-T-G-B-B-B-B-BxBxBx"));
    }

    // Straight from one action onto the next, open or not, one lights blue; other controls keep the
    // light; the felt and the frame lines are the window's own surface and put it out. The hand
    // shows over the chips and the actions, open or closed (Hit, Stand and Double are closed here).
    void hoverLightsOneActionAtATimeAndTheHandShowsOverControls()
    {
        // clang-format off
        const QString moves = "lblNew 5 5 Bggg h,lblHit 5 5 gBgg h,lblStand 5 5 ggBg h,lblDouble 5 5 gggB h,"
                              "lblBet5 5 5 gggB h,Label3 20 42 gggB h,lblmoney 5 5 gggB a,PicPlay1 5 5 gggB a,"
                              "Line1 10 0 gggg a,lblHit 20 10 gBgg h,Shape1 300 150 gggg a";
        // clang-format on
        for (const QString &move : moves.split(',')) {
            const QStringList f = move.split(' ');
            QTest::mouseMove(form, table.find(f[0])->mapTo(form, QPoint(f[1].toInt(), f[2].toInt())));
            QString seen;
            for (const char *name : {"shNewGame", "shHit", "shStand", "shDouble"}) {
                const QColor fill = table.find<FilledShape>(QLatin1String(name))->fillColor();
                seen += fill == QColor(0, 0, 255) ? 'B' : fill == QColor(224, 224, 224) ? 'g' : '?';
            }
            const Qt::CursorShape cursor = table.window->windowHandle()->cursor().shape();
            seen += cursor == Qt::PointingHandCursor ? " h" : cursor == Qt::ArrowCursor ? " a" : " ?";
            QVERIFY2(seen == f[3] + ' ' + f[4], qPrintable(move + " but " + seen));
        }
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
            const int paper = qGray(image.pixel(column.left() + 1, column.center().y()));
            int ink = 0;
            for (int y = column.top(); y <= column.bottom(); ++y)
                for (int x = column.left(); x < column.left() + column.height() + 4; ++x)
                    ink += qAbs(qGray(image.pixel(x, y)) - paper) > 60;
            return ink > 3 ? 'v' : '-';
        };
        m.deckItems[0]->setChecked(false);
        m.deckItems[4]->setChecked(true); // Lake
        m.sound->setChecked(false);
        QString ticks;
        for (QAction *item : m.deckItems)
            ticks += marked(m.deck, item);
        QCOMPARE(ticks + marked(m.soundMenu, m.sound), QStringLiteral("----v---"));
    }

    // Contents hands an existing help page to the browser, even an empty one; else the rules show.
    // The notice in the About box opens the homepage as the menu's item does. A failure to open an
    // address says nothing.
    void theHelpMenu()
    {
        QStringList shown;
        auto title = [&](QWidget *dialog) {
            shown << dialog->objectName() +
                         (dialog->parentWidget() == table.window.get() ? " over the table: " : ": ") +
                         dialog->windowTitle();
        };
        table.modals.otherModal = [&](QWidget *rules) {
            title(rules);
            shown << rules->findChild<QPlainTextEdit *>(QStringLiteral("txtHelp"))->toPlainText().split('\n');
            rules->close();
        };
        QFile page(table.file(QStringLiteral("help.html")));
        for (const QByteArray &text : {QByteArray("<title>Rules</title>"), QByteArray()}) {
            QVERIFY(page.open(QIODevice::WriteOnly) && page.write(text) >= 0);
            page.close();
            table.window->menus().contents->trigger();
        }
        QCOMPARE(table.opened, QList<QUrl>(2, QUrl::fromLocalFile(page.fileName())));
        QVERIFY(page.remove() && shown.isEmpty());
        table.window->menus().contents->trigger();
        QCOMPARE(shown, QStringList{"BJHelp over the table: Help"} + kRulesLines);

        shown.clear();
        table.modals.otherModal = [&](QWidget *about) {
            title(about);
            for (const char *name : {"Label1", "Label13", "Label15", "Label16", "Label17"})
                shown << about->findChild<QLabel *>(QLatin1String(name))->text();
            const QString notice = about->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText();
            shown << (notice.contains("free of charge") ? "free of charge" : notice);
            QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("Label6")), Qt::LeftButton);
            QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
            shown << (about->isVisible() ? "still open after Close" : "closed");
            about->close();
        };
        table.opened.clear();
        for (QAction *item :
             {table.window->menus().feedback, table.window->menus().homepage, table.window->menus().about})
            item->trigger();
        QCOMPARE(shown, (QStringList{"frmAbout over the table: About", "Quellard", "1.0", "The Quellard developers",
                                     "https://quellard.example.org/", "Freeware", "free of charge", "closed"}));
        QCOMPARE(table.opened, (QList<QUrl>{QUrl("https://quellard.example.org/support?mode=Contact"),
                                            QUrl("https://quellard.example.org/support?mode=Products&p=quellard"),
                                            QUrl("https://quellard.example.org/")}));
        QCOMPARE(table.modals.seen, QStringList());
    }

    void largeAmountsReadAsPlainDecimalsAndExitWritesNothing()
    {
        Table rich = Table::fresh();
        rich.cash = 1000000;
        TableWindow window({.table = rich});
        const auto *cash = window.findChild<QLabel *>(QStringLiteral("lblmoney"));
        QCOMPARE(cash->text(), QStringLiteral("1000000"));
        QCOMPARE(cash->accessibleName(), QStringLiteral("Your cash: £1000000"));
        QSignalSpy unloaded(table.window.get(), &TableWindow::unloaded);
        table.window->menus().exit->trigger();
        QVERIFY(unloaded.count() == 1 && !table.window->isVisible());
        QVERIFY(!QFileInfo::exists(table.file(QStringLiteral("Quellard.ini"))));
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
