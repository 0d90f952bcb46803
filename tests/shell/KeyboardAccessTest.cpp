// The table for a player without a mouse: games played with keys alone, the Tab order and the
// table as a screen reader reads it through Qt's accessibility interfaces.
#include "shell/InsuranceDialog.h"
#include "support/TableWindowHarness.h"

#include <QAccessible>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

namespace {

QAccessibleInterface *tableTree(const TableHarness &table)
{
    return QAccessible::queryAccessibleInterface(table.window->centralWidget());
}

// The names a screen reader finds on the table, in its order.
QStringList readTable(const TableHarness &table)
{
    QStringList names;
    for (int i = 0; i < tableTree(table)->childCount(); ++i)
        names << tableTree(table)->child(i)->text(QAccessible::Name);
    return names;
}

// A key as the desktop delivers it: to the active window, which routes it to its shortcuts or
// its focused control.
void press(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), Qt::Key(key), modifiers);
}

void loadActive(TableHarness &table)
{
    table.load();
    table.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(table.window.get()));
}

// The names of the controls the focus visits on `count` presses of Tab.
QStringList tabWalk(QWidget *window, int count)
{
    QStringList walked;
    for (int i = 0; i < count; ++i) {
        press(window, Qt::Key_Tab);
        walked << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    }
    return walked;
}

} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

private slots:
    void theTreeHoldsOnlyWhatIsOnTheTable()
    {
        TableHarness table;
        table.load();
        // The chips' captions, the titles the amounts' names already say, the felt, the frames, the
        // highlight shapes and the hidden card slots are all left out.
        QCOMPARE(readTable(table),
                 (QStringList{"Dealer's total: 0", "Face-down card", "Your total: 0", "Face-down card",
                              "Face-down card", "Your bet: £0", "Your cash: £500", "Deck", "Bet £5", "Bet £10",
                              "Bet £50", "New", "Hit", "Stand", "Double"}));
        // Amounts are text, cards and the deck graphics, labels buttons; the closed actions are unavailable.
        QAccessibleInterface *tree = tableTree(table);
        QList<QAccessible::Role> roles;
        QString unavailable;
        for (int i = 0; i < tree->childCount(); ++i) {
            QAccessibleInterface *control = tree->child(i);
            QCOMPARE(control->parent(), tree);
            QCOMPARE(tree->indexOfChild(control), i);
            roles << control->role();
            unavailable += control->state().disabled ? 'x' : '-';
        }
        const auto T = QAccessible::StaticText, G = QAccessible::Graphic, B = QAccessible::Button;
        QCOMPARE(roles, (QList<QAccessible::Role>{T, G, T, G, G, T, T, G, B, B, B, B, B, B, B}));
        QCOMPARE(unavailable, QStringLiteral("------------xxx"));
    }

    void aWholeGameWithKeysAlone()
    {
        TableHarness table;
        loadActive(table);
        QWidget *window = table.window.get();
        for (int chip : {Qt::Key_1, Qt::Key_2, Qt::Key_3})
            press(window, chip);
        QCOMPARE(table.caption(QStringLiteral("lblBet")), QStringLiteral("65"));

        table.random.deal({card(9), card(5, 2), card(3, 1), card(7, 3), card(4), card(8, 2)});
        press(window, Qt::Key_N);
        press(window, Qt::Key_H);
        press(window, Qt::Key_H);
        press(window, Qt::Key_S); // the dealer turns an eight, stands on 17, and 19 wins 65
        QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("565"));
        QCOMPARE(
            readTable(table),
            (QStringList{"Dealer's total: 17", "Nine of clubs", "Eight of hearts", "Your total: 19", "Five of hearts",
                         "Three of diamonds", "Seven of spades", "Four of clubs", "Your bet: £0", "Your cash: £565",
                         "Deck", "Bet £5", "Bet £10", "Bet £50", "New", "Hit", "Stand", "Double"}));
        QVERIFY(table.modals.seen.isEmpty());

        // The next deal clears the table: the cards of the last game leave the tree with their slots.
        press(window, Qt::Key_1);
        table.random.deal({card(kKing, 3), card(10, 1), card(kAce, 1)});
        press(window, Qt::Key_Return); // a blackjack, paid at once
        QCOMPARE(readTable(table).mid(0, 6), (QStringList{"Dealer's total: 10", "King of spades", "Your total: 21",
                                                          "Ten of diamonds", "Ace of diamonds", "Your bet: £0"}));
    }

    void eachKeyPressesOnlyItsOpenLabel()
    {
        struct Case {
            bool dealt; // betting: the chips and New are open; dealt an 11: Hit, Stand and Double are
            int key;
            Qt::KeyboardModifiers modifiers;
            QStringList pressed;
        };
        // The whole game with keys alone already presses 1, 2, 3, N, Return, H and S.
        const Qt::KeyboardModifiers none = Qt::NoModifier, keypad = Qt::KeypadModifier;
        for (const Case &c :
             {Case{false, Qt::Key_3, keypad, {"lblBet50"}}, Case{false, Qt::Key_Enter, none, {"lblNew"}},
              Case{false, Qt::Key_Enter, keypad, {"lblNew"}}, Case{false, Qt::Key_H, none, {}},
              Case{false, Qt::Key_N, Qt::ShiftModifier, {}}, Case{false, Qt::Key_4, none, {}},
              Case{true, Qt::Key_D, none, {"lblDouble"}}, Case{true, Qt::Key_Return, none, {}},
              Case{true, Qt::Key_1, none, {}}}) {
            TableHarness table;
            loadActive(table);
            table.click(QStringLiteral("lblBet10"));
            table.random.deal({card(9), card(5), card(6), card(2), card(3), card(4), card(8), card(10)});
            if (c.dealt)
                table.click(QStringLiteral("lblNew"));
            QStringList clicked;
            for (ClickLabel *label : table.window->findChildren<ClickLabel *>())
                connect(label, &ClickLabel::clicked, this, [&clicked, label] { clicked << label->objectName(); });
            press(table.window.get(), c.key, c.modifiers);
            QVERIFY2(clicked == c.pressed,
                     qPrintable(QString("key %1 pressed %2").arg(c.key, 0, 16).arg(clicked.join(' '))));
        }
    }

    void insuranceAnsweredByKey()
    {
        // Y buys; N declines, and so does Escape, closing the question unanswered.
        for (const auto &[key, cashAfter, insured] :
             {std::tuple{Qt::Key_Y, "485", true}, {Qt::Key_N, "490", false}, {Qt::Key_Escape, "490", false}}) {
            TableHarness table;
            loadActive(table);
            // One key must close the question; should it fail, the second look hides it unanswered.
            int looks = 0;
            table.modals.otherModal = [&, key = key](QWidget *modal) {
                if (!qobject_cast<InsuranceDialog *>(modal))
                    return;
                if (looks++ > 0)
                    return modal->hide();
                QVERIFY(QTest::qWaitForWindowActive(modal));
                press(modal, key);
            };
            press(table.window.get(), Qt::Key_2);
            table.random.deal({card(kAce, 3), card(10), card(8), card(5)});
            press(table.window.get(), Qt::Key_N);
            QCOMPARE(looks, 1);
            QCOMPARE(table.caption(QStringLiteral("lblmoney")), QString(cashAfter));
            QCOMPARE(table.window->game().table().insYes, insured);
            // The game goes on from the keyboard.
            QVERIFY(QTest::qWaitForWindowActive(table.window.get()));
            press(table.window.get(), Qt::Key_H);
            QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("23"));
        }
    }

    void tabWalksTheOpenLabels()
    {
        TableHarness table;
        loadActive(table);
        QWidget *window = table.window.get();
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblBet5"));
        QCOMPARE(tabWalk(window, 4),
                 (QStringList{"lblBet10", "lblBet50", "lblNew", "lblBet5"})); // closed ones passed over

        table.click(QStringLiteral("lblBet10"));
        table.random.deal({card(9), card(5), card(6)}); // 11: Double opens with Hit and Stand
        table.click(QStringLiteral("lblNew"));
        // The focus leaves the closed chip for the first open action.
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblHit"));
        QCOMPARE(tabWalk(window, 3), (QStringList{"lblStand", "lblDouble", "lblHit"}));
        press(window, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblDouble"));
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
