// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The table window as laid out and as it starts: positions, the start-up state, hover highlighting,
// the hand cursor, what a screen reader finds, the menus and their ticks, the Help menu's rules
// window, About box and web addresses, and closing.
#include "shell/ApplicationSetup.h"
#include "shell/dialogs/HelpMenu.h"
#include "shell/table/CardSlotWidget.h"
#include "shell/table/FilledShape.h"
#include "support/TableWindowHarness.h"
#include "support/WindowReading.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

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

    // Every window as a player meets it: each control where it stands, what it says and in which
    // font, and each window's title bar, size, place, Enter key and first focus (Windows.txt).
    void everyWindowAsThePlayerMeetsIt()
    {
        QStringList read = readWindow(*table.window);
        TableHarness dealt;
        dealt.load();
        dealt.window->move(0, 0); // so that over the table and on the screen differ
        dealt.modals.otherModal = [&](QWidget *dialog) {
            read << QString() << readWindow(*dialog);
            dialog->close();
        };
        for (QAction *item : {dealt.window->menus().about, dealt.window->menus().contents})
            item->trigger();
        dealt.random.deal({card(kAce), card(10), card(8)});
        dealt.click(QStringLiteral("lblBet5"));
        dealt.click(QStringLiteral("lblNew"));
        QFile expected(QStringLiteral(QUELLARD_TESTS_DIR "/shell/Windows.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(expected.readAll()).split('\n').filter(QRegularExpression("^(?!#)"));
        for (qsizetype i = 0; i < std::max(lines.size(), read.size()); ++i)
            QVERIFY2(
                lines.value(i) == read.value(i),
                qPrintable(QStringLiteral("line %1 reads\n%2\nnot\n%3").arg(i + 1).arg(read.value(i), lines.value(i))));
    }

    void startsWithOnlyTheChipsAndNewOpen()
    {
        QCOMPARE(table.window->windowTitle(), QStringLiteral("Quellard"));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(64, 64, 64));
        QCOMPARE(table.find<FilledShape>(QStringLiteral("Shape1"))->fillColor(), QColor(0, 128, 0));
        // Each control open (+) or closed (-), its darkest ink as seen, and its tip if shown (no two alike).
        QStringList tips;
        for (const char *name : {"lblBet5", "lblBet10", "lblBet50", "lblNew", "lblHit", "lblStand", "lblDouble"}) {
            auto *label = table.find<QLabel>(QLatin1String(name));
            const QImage look = form->grab(QRect(label->mapTo(form, QPoint()), label->size())).toImage();
            int ink = 255;
            for (int i = 0; i < look.width() * look.height(); ++i)
                ink = std::min(ink, qGray(look.pixel(i % look.width(), i / look.width())));
            QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(label, &hover);
            tips << QString(label->isEnabled() ? "+" : "-") +
                        (label->text().isEmpty() ? "" : QColor(ink, ink, ink).name()) +
                        (QToolTip::isVisible() && QToolTip::text() == label->toolTip() ? ' ' + label->toolTip() : "");
        }
        QToolTip::hideText();
        QCOMPARE(tips, (QStringList{"+ Bet £5 (pounds)", "+ Bet £10 (pounds)", "+ Bet £50 (pounds)",
                                    "+#000000 Place a bet and click me to start a new game", "-#808080", "-#808080",
                                    "-#808080"}));
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

    void menuItemsShowATickOnlyWhenTicked()
    {
        const TableMenus &m = table.window->menus();
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

    // The desktop finds the menu entry of the game's window by the desktop id and, on X11, by the
    // WM_CLASS class, which is the application's name.
    void theWindowBelongsToItsMenuEntry()
    {
        setUpApplication();
        QCOMPARE((QStringList{QGuiApplication::desktopFileName(), QGuiApplication::applicationName()}),
                 (QStringList{"org.example.quellard", "Quellard"}));
        QFile entry(QStringLiteral(QUELLARD_ASSETS_DIR "/desktop/org.example.quellard.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(entry.readAll()).split('\n').filter("StartupWMClass"),
                 QStringList{"StartupWMClass=Quellard"});
    }

    // Contents hands an existing help page to the browser, even an empty one; the rules show when
    // there is none, or when the desktop refuses it, at once or a moment later. The notice in the
    // About box opens the homepage as the menu's item does. A refused web address says nothing.
    void theHelpMenu()
    {
        const TableMenus &menus = table.window->menus();
        QStringList shown;
        table.modals.otherModal = [&](QWidget *dialog) {
            shown << dialog->objectName() +
                         (dialog->parentWidget() == table.window.get() ? " over the table: " : ": ") +
                         dialog->windowTitle();
            if (const auto *rules = dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtHelp"))) {
                shown << rules->toPlainText().split('\n');
            } else { // the About box, whose labels Windows.txt reads
                const QString notice = dialog->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText();
                shown << (notice.contains("free of charge") ? "free of charge" : notice);
                QTest::mouseClick(dialog->findChild<QLabel *>(QStringLiteral("Label6")), Qt::LeftButton);
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
                shown << (dialog->isVisible() ? "still open after Close" : "closed");
            }
            dialog->close();
        };
        const QString page = QStringLiteral("help.html");
        for (const QByteArray &text : {QByteArray("<title>Rules</title>"), QByteArray()}) {
            QVERIFY(table.write(page, text));
            menus.contents->trigger();
        }
        QCOMPARE(table.opened, QList<QUrl>(2, QUrl::fromLocalFile(table.file(page))));
        QVERIFY(shown.isEmpty());
        auto rulesShown = [&] { return shown.count("BJHelp over the table: Help"); };
        table.desktopRefuses = true;
        menus.contents->trigger();
        const qsizetype refusedAtOnce = rulesShown();
        table.refuseLater.value(1)(); // the launcher of the second page gives up
        QCOMPARE((QList<qsizetype>{refusedAtOnce, rulesShown()}), (QList<qsizetype>{1, 2}));
        QVERIFY(QFile::remove(table.file(page)));
        shown.clear();
        table.opened.clear();
        for (QAction *item : {menus.contents, menus.feedback, menus.homepage, menus.about})
            item->trigger();
        // The rules as the player reads them, line by line: the trailing blanks, the quotation marks,
        // the two blanks after the title and the line of three blanks are all part of them.
        QFile rules(QStringLiteral(QUELLARD_TESTS_DIR "/shell/HelpRules.txt"));
        QVERIFY(rules.open(QIODevice::ReadOnly));
        QCOMPARE(shown, (QStringList{"BJHelp over the table: Help"} + QString::fromUtf8(rules.readAll()).split('\n') +
                         QStringList{"frmAbout over the table: About", "free of charge", "closed"}));
        QCOMPARE(table.opened, (QList<QUrl>{QUrl("https://quellard.example.org/support?mode=Contact"),
                                            QUrl("https://quellard.example.org/support?mode=Products&p=quellard"),
                                            QUrl("https://quellard.example.org/")}));
        QCOMPARE(table.modals.seen, QStringList());
    }

    // The desktop's opener hears xdg-open's answer without waiting for it: exit status 3 (nothing can
    // open the page) brings the rules, as does a desktop without xdg-open; 0 (a browser took it) not.
    void theRulesShowWhenTheDesktopCannotOpenThePage()
    {
        QTemporaryDir bin;
        const std::shared_ptr<void> restorePath(nullptr, [path = qgetenv("PATH")](void *) { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(bin.path()));
        QStringList shown;
        table.modals.otherModal = [&](QWidget *dialog) { shown << dialog->objectName(), dialog->close(); };
        QVERIFY(table.write(QStringLiteral("help.html"), "<title>Rules</title>"));
        HelpMenu menu(table.window.get(), table.bytes());
        QFile xdgOpen(bin.filePath(QStringLiteral("xdg-open"))), address(bin.filePath(QStringLiteral("xdg-open.url")));
        for (const auto &[exit, rules] : {std::pair{"exit 3", "BJHelp"}, {"exit 0", ""}, {"", "BJHelp"}}) {
            shown.clear();
            xdgOpen.remove();
            QVERIFY(!*exit || (xdgOpen.open(QIODevice::WriteOnly) &&
                               xdgOpen.write(QByteArray("#!/bin/sh\necho \"$1\" >\"$0.url\"\n") + exit) > 0 &&
                               xdgOpen.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)));
            xdgOpen.close();
            menu.mnuContentsClick();
            QVERIFY2(!*exit || shown.isEmpty(), "the game waited for xdg-open to end");
            QTRY_VERIFY(qApp->findChildren<QProcess *>().isEmpty()); // it has ended and been heard
            QCOMPARE(shown.join(' ') + " after " + exit, QLatin1String(rules) + " after " + exit);
        }
        QVERIFY(address.open(QIODevice::ReadOnly));
        QCOMPARE(address.readAll(), QUrl::fromLocalFile(table.file(QStringLiteral("help.html"))).toEncoded() + '\n');
    }

    // Amounts read as plain decimals and show whole: in their labels' own size while they fit, else in a
    // smaller size of the same face.
    void amountsShowWholeAndExitWritesNothing()
    {
        // clang-format off
        const std::tuple<std::int64_t, std::int64_t, const char *> amounts[] = {
            {9999900, 999900, "Your cash: £99999 in Liberation Sans 24|Your bet: £9999 in DejaVu Sans 14.25"},
            {10000000, 1000000, "Your cash: £100000 in Liberation Sans smaller|Your bet: £10000 in DejaVu Sans smaller"},
            {100750, 0, "Your cash: £1007.5 in Liberation Sans smaller|Your bet: £0 in DejaVu Sans 14.25"}};
        // clang-format on
        for (const auto &[cash, bet, shown] : amounts) {
            Table rich = Table::fresh();
            rich.cash = Money::pence(cash), rich.bet = Money::pence(bet);
            TableWindow window({.table = rich});
            QStringList seen;
            for (const auto &[name, size] : {std::pair{"lblmoney", 24.0}, {"lblBet", 14.25}}) {
                const auto *label = window.findChild<QLabel *>(QLatin1String(name));
                const QFont f = label->font();
                seen << label->accessibleName() + " in " + f.family() +
                            (f.pointSizeF() < size ? " smaller" : ' ' + QString::number(f.pointSizeF())) +
                            (label->sizeHint().width() <= label->width() ? "" : " cut off");
            }
            QCOMPARE(seen.join('|'), QString::fromUtf8(shown));
        }
        QSignalSpy unloaded(table.window.get(), &TableWindow::unloaded);
        table.window->menus().exit->trigger();
        QVERIFY(unloaded.count() == 1 && !table.window->isVisible());
        QVERIFY(!QFileInfo::exists(table.file(QStringLiteral("Quellard.ini"))));
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
