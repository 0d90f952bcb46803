// The Help menu, the built-in rules window and the About box. Nothing is ever opened: every address
// goes to a recording opener, and every modal window is looked at and closed while its exec() runs.
#include "shell/AboutBox.h"
#include "shell/HelpMenu.h"
#include "shell/HelpWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace quellard;

namespace {

// The rules, line by line: trailing blanks, the quotation marks inside, the two blanks after the
// title and the line of three blanks are all part of them.
const char *const kRulesLines[] = {
    "The Rules:",
    "If the total value of your cards is closer to 21 than the dealer's, you win as much as you have ",
    "wagered. If you have blackjack, you win 3 to 2 times your bet (assuming the dealer does not ",
    "also have blackjack). ",
    "",
    "Aces count as either 1 or 11, dressed cards as 10, and remaining cards according to their ",
    "number ",
    "values. ",
    "",
    "If the total of your cards exceeds 21, you \"bust\" and lose your wager. If you have the same card ",
    "total as the dealer, from 17 and up, no one wins and you get your stake back in a so-called ",
    "\"push.\" Blackjack beats a score of 21.",
    "",
    "Quellard  follows standard \"Las Vegas Strip\" rules of the Nevada Gaming Commission, with ",
    "the following exceptions: ",
    "   ",
    "Double Down:",
    "When you have been dealt two cards, and think that a third card will give you a position to beat ",
    "the dealer's hand, you can \"double down.\" Your wager is doubled, and you are allowed to hit ",
    "and receive just one additional card. ",
    "",
    "Insurance:",
    "Insurance gives you the chance to protect yourself when you believe that the dealer might have ",
    "blackjack. If the dealer's first card is an ace, he is considered to have a fair chance of getting ",
    "blackjack. If you believe that the dealer's dark card is of value 10, you may buy insurance ",
    "against dealer blackjack at the price of half your initial bet. If the dealer does have blackjack, the ",
    "insurance pays 2 to 1, corresponding to the amount of your initial bet. If you have bought ",
    "insurance, and the dealer does not have blackjack, you lose your insurance. Your initial bet is ",
    "then settled by comparing your cards with the dealer's. Should you and the dealer both have ",
    "blackjack, the game results in a push. ",
    "",
    "Rules for the Dealer:",
    "The dealer must draw cards until he has at least 17, and must stand at 17 or higher. If the dealer ",
    "gets 16, he must take another card. The dealer may not decide whether or not to draw a card ",
    "based on your hand, but must abide by the existing dealer rules.",
    "",
};

// Runs `action`, hands each modal dialog that comes up meanwhile to `look`, closes it, and gives
// their object names.
QStringList modalsDuring(const std::function<void()> &action, const std::function<void(QDialog &)> &look)
{
    QStringList seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
            seen << dialog->objectName();
            look(*dialog);
            dialog->reject();
        }
    });
    timer.start(5);
    action();
    return seen;
}

} // namespace

class HelpAboutTest : public QObject {
    Q_OBJECT

    QWidget table;
    QList<QUrl> opened;
    UrlOpener recorder = [this](const QUrl &url) { return opened << url, false; }; // a failure says nothing

private slots:
    // Contents hands an existing help page to the browser, even an empty one; else the rules show.
    void contentsOpenTheHelpPageOrTheRules()
    {
        for (const char *page : std::initializer_list<const char *>{"<title>Rules</title>", "", nullptr}) {
            QTemporaryDir folder;
            QFile file(folder.filePath(QStringLiteral("help.html")));
            QVERIFY(!page || (file.open(QIODevice::WriteOnly) && file.write(page) >= 0));
            file.close();
            opened.clear();
            HelpMenu menu(&table, QFile::encodeName(folder.path()).toStdString(), recorder);
            QStringList lines;
            const QStringList modals = modalsDuring(
                [&] { menu.mnuContentsClick(); },
                [&](QDialog &rules) {
                    QVERIFY(rules.parentWidget() == &table && rules.windowTitle() == QStringLiteral("Help"));
                    lines = rules.findChild<QPlainTextEdit *>(QStringLiteral("txtHelp"))->toPlainText().split('\n');
                });
            QCOMPARE(opened, page ? QList{QUrl::fromLocalFile(file.fileName())} : QList<QUrl>());
            QCOMPARE(modals, page ? QStringList() : QStringList{"BJHelp"});
            if (!page) {
                QCOMPARE(lines.size(), int(std::size(kRulesLines)));
                for (int i = 0; i < lines.size(); ++i)
                    QCOMPARE(lines[i], QString::fromLatin1(kRulesLines[i]));
            }
        }
    }

    void theAboutBoxAndTheWebAddresses()
    {
        opened.clear();
        HelpMenu menu(&table, "/tmp", recorder);
        menu.mnuFeedRepBugClick();
        menu.mnuHomepageClick();
        const QStringList modals = modalsDuring(
            [&] { menu.mnuAboutClick(); },
            [&](QDialog &about) {
                QVERIFY(about.parentWidget() == &table && about.windowTitle() == QStringLiteral("About"));
                for (const auto &[name, text] : {std::pair{"Label1", "Quellard"},
                                                 {"Label13", "1.0"},
                                                 {"Label15", "The Quellard developers"},
                                                 {"Label16", "https://quellard.example.org/"},
                                                 {"Label17", "Freeware"}})
                    QCOMPARE(about.findChild<QLabel *>(QLatin1String(name))->text(), QString::fromLatin1(text));
                QVERIFY(about.findChild<QPlainTextEdit *>(QStringLiteral("Text1"))
                            ->toPlainText()
                            .contains("free of charge"));
                QTest::mouseClick(about.findChild<QLabel *>(QStringLiteral("Label6")), Qt::LeftButton); // the notice
                QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
                QVERIFY2(!about.isVisible(), "&Close ends the box");
            });
        QCOMPARE(modals, QStringList{"frmAbout"});
        QCOMPARE(opened, (QList<QUrl>{QUrl("https://quellard.example.org/support?mode=Contact"),
                                      QUrl("https://quellard.example.org/support?mode=Products&p=quellard"),
                                      QUrl("https://quellard.example.org/")}));
    }
};

QTEST_MAIN(HelpAboutTest)
#include "HelpAboutTest.moc"
