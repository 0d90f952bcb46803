// The table for a player without a mouse: games played with keys alone, and the table as a screen
// reader reads it through Qt's accessibility interfaces.
#include "shell/InsuranceDialog.h"
#include "support/TableWindowHarness.h"

#include <QAccessible>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

namespace {

// The names a screen reader finds on the table, in its order.
QStringList readTable(const TableHarness &table)
{
    QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(table.window->centralWidget());
    QStringList names;
    for (int i = 0; i < tree->childCount(); ++i)
        names << tree->child(i)->text(QAccessible::Name);
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

} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

private slots:
    void theTreeHoldsOnlyWhatIsOnTheTable()
    {
        TableHarness table;
        table.load();
        // The chips' captions, the felt, the frames, the highlight shapes and the hidden card slots
        // are all left out; amounts are text, cards graphics, labels buttons, closed ones unavailable.
        QCOMPARE(readTable(table),
                 (QStringList{"Dealer's total: 0", "Face-down card", "Your total: 0", "Face-down card",
                              "Face-down card", "Your bet: £0", "Your cash: £500", "Deck", "Bet £5", "Bet £10",
                              "Bet £50", "New", "Hit", "Stand", "Double"}));
        QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(table.window->centralWidget());
        QString roles;
        for (int i = 0; i < tree->childCount(); ++i) {
            QAccessibleInterface *control = tree->child(i);
            QCOMPARE(control->parent(), tree);
            QCOMPARE(tree->indexOfChild(control), i);
            const QAccessible::Role role = control->role();
            roles += role == QAccessible::StaticText ? 'T' : role == QAccessible::Graphic ? 'G' : 'B';
            roles += control->state().disabled ? 'x' : '-';
        }
        QCOMPARE(roles, QStringLiteral("T-G-T-G-G-T-T-G-B-B-B-B-BxBxBx"));
    }

    // Each key presses its own label, and only while it is open: three games with keys alone.
    void gamesWithKeysAlone()
    {
        TableHarness table;
        loadActive(table);
        QWidget *window = table.window.get();
        QStringList pressed;
        for (ClickLabel *label : window->findChildren<ClickLabel *>())
            connect(label, &ClickLabel::clicked, this, [&pressed, label] { pressed << label->objectName(); });
        auto keys = [&](QList<std::pair<int, Qt::KeyboardModifiers>> sequence) {
            pressed.clear();
            for (const auto &[key, modifiers] : sequence)
                press(window, key, modifiers);
            return pressed;
        };
        const Qt::KeyboardModifiers none = Qt::NoModifier, keypad = Qt::KeypadModifier;
        QCOMPARE(keys({{Qt::Key_1, none},
                       {Qt::Key_2, none},
                       {Qt::Key_3, none},
                       {Qt::Key_3, keypad},
                       {Qt::Key_H, none},
                       {Qt::Key_N, Qt::ShiftModifier},
                       {Qt::Key_4, none}}),
                 (QStringList{"lblBet5", "lblBet10", "lblBet50", "lblBet50"}));
        table.random.deal({card(9), card(5, 2), card(6, 3), card(10), card(8, 2)});
        QCOMPARE(keys({{Qt::Key_Enter, keypad}, {Qt::Key_1, none}, {Qt::Key_Return, none}, {Qt::Key_D, none}}),
                 (QStringList{"lblNew", "lblDouble"})); // 11 doubled to 21 against 17: 115 doubled wins
        QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("730"));
        QCOMPARE(readTable(table).mid(0, 7),
                 (QStringList{"Dealer's total: 17", "Nine of clubs", "Eight of hearts", "Your total: 21",
                              "Five of hearts", "Six of spades", "Ten of clubs"}));

        // The insurance question: Y buys, N declines, and Escape closes it unanswered.
        for (const auto &[key, cashAfter] :
             {std::pair{Qt::Key_Y, "722.5"}, {Qt::Key_N, "717.5"}, {Qt::Key_Escape, "712.5"}}) {
            table.modals.otherModal = [key = key](QWidget *modal) {
                if (qobject_cast<InsuranceDialog *>(modal) && QTest::qWaitForWindowActive(modal))
                    press(modal, key);
            };
            table.random.deal({card(kAce, 3), card(10), card(8), card(9)});
            QCOMPARE(keys({{Qt::Key_1, none}, {Qt::Key_N, none}}), (QStringList{"lblBet5", "lblNew"}));
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCOMPARE(keys({{Qt::Key_S, none}}), QStringList{"lblStand"}); // 18 loses to 20
            QCOMPARE(table.caption(QStringLiteral("lblmoney")), QString::fromLatin1(cashAfter));
        }
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
