// The table for a player without a mouse: games played with keys alone, the Tab order and the
// focus frame, and the table as a screen reader reads it through Qt's accessibility interfaces.
#include "shell/InsuranceDialog.h"
#include "support/TableWindowHarness.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

class KeyboardAccessTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamedAndHasItsRole_data();
    void everyControlIsNamedAndHasItsRole();
    void theTreeHoldsOnlyWhatIsOnTheTable();
    void aWholeGameWithKeysAlone();
    void eachKeyPressesOnlyItsOpenLabel_data();
    void eachKeyPressesOnlyItsOpenLabel();
    void insuranceAnsweredByKey_data();
    void insuranceAnsweredByKey();
    void tabWalksTheChipsThenTheActions();
    void menuKeysStillWork();
};

namespace {

QAccessibleInterface *accessible(QObject *object) { return QAccessible::queryAccessibleInterface(object); }
QAccessibleInterface *tableTree(const TableHarness &table) { return accessible(table.window->centralWidget()); }

// The names a screen reader finds on the table, in its order.
QStringList readTable(const TableHarness &table)
{
    QStringList names;
    QAccessibleInterface *tree = tableTree(table);
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

QString focusedName()
{
    QWidget *focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

// Answers the insurance question with one key. A key that fails to close the dialog must not leave
// it blocking the test: the second look hides it unanswered and tells.
void answerInsuranceByKey(TableHarness &table, int key, bool *keyFailed)
{
    auto looks = std::make_shared<int>(0);
    table.modals.otherModal = [key, keyFailed, looks](QWidget *modal) {
        if (!qobject_cast<InsuranceDialog *>(modal))
            return;
        if ((*looks)++ == 0) {
            QVERIFY(QTest::qWaitForWindowActive(modal));
            press(modal, key);
        } else {
            *keyFailed = true;
            modal->hide();
        }
    };
}

const QStringList kLabels{"lblBet5", "lblBet10", "lblBet50", "lblNew", "lblHit", "lblStand", "lblDouble"};

} // namespace

void KeyboardAccessTest::everyControlIsNamedAndHasItsRole_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("available");
    auto row = [](const char *control, QAccessible::Role role, const char *name, bool available = true) {
        QTest::newRow(control) << QString::fromLatin1(control) << role << QString::fromUtf8(name) << available;
    };
    row("lblCom", QAccessible::StaticText, "Dealer's total: 0");
    row("lblPlay", QAccessible::StaticText, "Your total: 0");
    row("lblBet", QAccessible::StaticText, "Your bet: £0");
    row("lblmoney", QAccessible::StaticText, "Your cash: £500");
    row("PicCom1", QAccessible::Graphic, "Face-down card");
    row("PicPlay2", QAccessible::Graphic, "Face-down card");
    row("PicBack", QAccessible::Graphic, "Deck");
    row("lblBet5", QAccessible::Button, "Bet £5");
    row("lblBet10", QAccessible::Button, "Bet £10");
    row("lblBet50", QAccessible::Button, "Bet £50");
    row("lblNew", QAccessible::Button, "New");
    row("lblHit", QAccessible::Button, "Hit", false);
    row("lblStand", QAccessible::Button, "Stand", false);
    row("lblDouble", QAccessible::Button, "Double", false);
}

void KeyboardAccessTest::everyControlIsNamedAndHasItsRole()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(bool, available);
    TableHarness table;
    table.load();
    QAccessibleInterface *iface = accessible(table.find(control));
    QVERIFY(iface && iface->isValid());
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(bool(iface->state().disabled), !available);
    // Reachable both ways, as a screen reader walks the tree.
    QAccessibleInterface *tree = tableTree(table);
    QCOMPARE(iface->parent(), tree);
    QCOMPARE(tree->child(tree->indexOfChild(iface)), iface);
}

void KeyboardAccessTest::theTreeHoldsOnlyWhatIsOnTheTable()
{
    TableHarness table;
    table.load();
    QCOMPARE(readTable(table), (QStringList{"Dealer's total: 0", "Face-down card", "Your total: 0", "Face-down card",
                                            "Face-down card", "Your bet: £0", "Your cash: £500", "Deck", "Bet £5",
                                            "Bet £10", "Bet £50", "New", "Hit", "Stand", "Double"}));
    // The chips' captions, the "£" signs and titles that the amounts' names already say, the felt,
    // the frames, the highlight shapes and the hidden card slots are all left out.
    QAccessibleInterface *tree = tableTree(table);
    for (const char *left : {"Label3", "Label5", "Label1", "Label4", "Label2", "lblBettitle", "lblMoneytitle", "Shape1",
                             "Line1", "Line8", "shNewGame", "shDouble", "PicCom2", "PicPlay3", "PicCom7"})
        QVERIFY2(tree->indexOfChild(accessible(table.find(QString::fromLatin1(left)))) == -1, left);
}

void KeyboardAccessTest::aWholeGameWithKeysAlone()
{
    TableHarness table;
    loadActive(table);
    QWidget *window = table.window.get();
    for (int chip : {Qt::Key_1, Qt::Key_2, Qt::Key_3})
        press(window, chip);
    QCOMPARE(table.caption(QStringLiteral("lblBet")), QStringLiteral("65"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("435"));

    table.random.deal({card(9), card(5, 2), card(3, 1)});
    press(window, Qt::Key_N);
    QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("8"));
    table.random.deal({card(7, 3), card(4)});
    press(window, Qt::Key_H);
    press(window, Qt::Key_H);
    QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("19"));

    // The dealer turns an eight, stands on 17, and 19 wins 65.
    table.random.deal({card(8, 2)});
    press(window, Qt::Key_S);
    QCOMPARE(table.caption(QStringLiteral("lblCom")), QStringLiteral("17"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("565"));
    QCOMPARE(readTable(table),
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

void KeyboardAccessTest::eachKeyPressesOnlyItsOpenLabel_data()
{
    QTest::addColumn<bool>("dealt");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("pressed"); // empty: nothing reacts
    const Qt::KeyboardModifiers none = Qt::NoModifier, keypad = Qt::KeypadModifier;
    auto row = [](const char *name, bool dealt, int key, Qt::KeyboardModifiers modifiers, const char *pressed) {
        QTest::newRow(name) << dealt << key << modifiers << QString::fromLatin1(pressed);
    };
    // Betting: the chips and New are open.
    row("betting 1", false, Qt::Key_1, none, "lblBet5");
    row("betting 2", false, Qt::Key_2, none, "lblBet10");
    row("betting 3", false, Qt::Key_3, none, "lblBet50");
    row("betting keypad 3", false, Qt::Key_3, keypad, "lblBet50");
    row("betting N", false, Qt::Key_N, none, "lblNew");
    row("betting Return", false, Qt::Key_Return, none, "lblNew");
    row("betting Enter", false, Qt::Key_Enter, none, "lblNew");
    row("betting keypad Enter", false, Qt::Key_Enter, keypad, "lblNew");
    row("betting H", false, Qt::Key_H, none, "");
    row("betting S", false, Qt::Key_S, none, "");
    row("betting D", false, Qt::Key_D, none, "");
    row("betting Shift+N", false, Qt::Key_N, Qt::ShiftModifier, "");
    row("betting 4", false, Qt::Key_4, none, "");
    // Dealt an 11: Hit, Stand and Double are open.
    row("dealt H", true, Qt::Key_H, none, "lblHit");
    row("dealt S", true, Qt::Key_S, none, "lblStand");
    row("dealt D", true, Qt::Key_D, none, "lblDouble");
    row("dealt N", true, Qt::Key_N, none, "");
    row("dealt Return", true, Qt::Key_Return, none, "");
    row("dealt 1", true, Qt::Key_1, none, "");
    row("dealt 3", true, Qt::Key_3, none, "");
}

void KeyboardAccessTest::eachKeyPressesOnlyItsOpenLabel()
{
    QFETCH(bool, dealt);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, pressed);
    TableHarness table;
    loadActive(table);
    table.click(QStringLiteral("lblBet10"));
    table.random.deal({card(9), card(5), card(6)});
    if (dealt)
        table.click(QStringLiteral("lblNew"));
    table.random.deal({card(2), card(3), card(4), card(8), card(10)}); // for whatever the key starts
    const Table before = table.window->session().game.table();

    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const QString &label : kLabels)
        spies.push_back(std::make_unique<QSignalSpy>(table.find<ClickLabel>(label), &ClickLabel::clicked));
    press(table.window.get(), key, modifiers);
    for (qsizetype i = 0; i < kLabels.size(); ++i)
        QVERIFY2(spies[std::size_t(i)]->count() == (kLabels[i] == pressed ? 1 : 0), qPrintable(kLabels[i]));

    const Table &after = table.window->session().game.table();
    if (pressed.isEmpty()) {
        QCOMPARE(after.cash, before.cash);
        QCOMPARE(after.bet, before.bet);
        QCOMPARE(after.player.cardSlots, before.player.cardSlots);
        QCOMPARE(after.dealer.cardSlots, before.dealer.cardSlots);
        QVERIFY(after.labels == before.labels);
    } else {
        // The press went through the window's dispatch: the table shows the new state.
        QCOMPARE(table.caption(QStringLiteral("lblmoney")), QString::number(after.cash));
        QCOMPARE(table.caption(QStringLiteral("lblPlay")), QString::number(after.player.total));
    }
}

void KeyboardAccessTest::insuranceAnsweredByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("cashAfter");
    QTest::addColumn<int>("insured");
    QTest::newRow("Y buys") << int(Qt::Key_Y) << "485" << 1;
    QTest::newRow("N declines") << int(Qt::Key_N) << "490" << 0;
    QTest::newRow("Escape closes, unanswered") << int(Qt::Key_Escape) << "490" << 0;
}

void KeyboardAccessTest::insuranceAnsweredByKey()
{
    QFETCH(int, key);
    QFETCH(QString, cashAfter);
    QFETCH(int, insured);
    TableHarness table;
    loadActive(table);
    table.window->session().game.table().insYes = 1 - insured; // the answer, not the past, decides
    bool keyFailed = false;
    answerInsuranceByKey(table, key, &keyFailed);
    press(table.window.get(), Qt::Key_2);
    table.random.deal({card(kAce, 3), card(10), card(8)});
    press(table.window.get(), Qt::Key_N);
    QVERIFY(!keyFailed);
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), cashAfter);
    QCOMPARE(table.window->session().game.table().insYes, insured);
    QVERIFY(table.modals.seen.isEmpty());
    // The dealer's second card lies face down, and the game goes on from the keyboard.
    QCOMPARE(readTable(table).mid(0, 3), (QStringList{"Dealer's total: 1", "Ace of spades", "Face-down card"}));
    QVERIFY(QTest::qWaitForWindowActive(table.window.get()));
    table.random.deal({card(5)});
    press(table.window.get(), Qt::Key_H);
    QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("23"));
}

void KeyboardAccessTest::tabWalksTheChipsThenTheActions()
{
    TableHarness table;
    loadActive(table);
    QWidget *window = table.window.get();
    QCOMPARE(focusedName(), QStringLiteral("lblBet5"));
    // Closed actions are passed over.
    QStringList walked;
    for (int i = 0; i < 4; ++i) {
        press(window, Qt::Key_Tab);
        walked << focusedName();
    }
    QCOMPARE(walked, (QStringList{"lblBet10", "lblBet50", "lblNew", "lblBet5"}));

    table.window->session().game.table().labels = ActionLabels{true, true, true, true, true, true, true};
    table.window->render();
    walked.clear();
    for (int i = 0; i < 7; ++i) {
        press(window, Qt::Key_Tab);
        walked << focusedName();
    }
    QCOMPARE(walked, (QStringList{"lblBet10", "lblBet50", "lblNew", "lblHit", "lblStand", "lblDouble", "lblBet5"}));
    press(window, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusedName(), QStringLiteral("lblDouble"));
}

void KeyboardAccessTest::menuKeysStillWork()
{
    TableHarness table;
    loadActive(table);
    press(table.window.get(), Qt::Key_3);
    QCOMPARE(table.caption(QStringLiteral("lblBet")), QStringLiteral("50"));
    press(table.window.get(), Qt::Key_F5);
    QVERIFY(!table.window->menus().sound->isChecked());
    press(table.window.get(), Qt::Key_F2);
    QCOMPARE(table.caption(QStringLiteral("lblBet")), QStringLiteral("0"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
}

QTEST_MAIN(KeyboardAccessTest)
#include "test_keyboard_access.moc"
