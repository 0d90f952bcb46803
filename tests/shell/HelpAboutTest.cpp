// The Help menu, the built-in rules window and the About box, with real widgets on the offscreen
// platform. Nothing is ever opened: every address goes to a recording opener, and every modal
// window is inspected and closed while its exec() runs.

#include "shell/AboutBox.h"
#include "shell/HelpMenu.h"
#include "shell/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace quellard;

namespace {

// Stands in for the desktop: records the addresses it is asked to open and answers as told.
UrlOpener recorder(QList<QUrl> &opened, bool answer = true)
{
    return [&opened, answer](const QUrl &url) {
        opened << url;
        return answer;
    };
}

// Runs `action` and gives the object names of the modal dialogs that came up meanwhile. Each is
// handed to `inspect` (which may close it itself) and then closed, so no exec() is left blocking.
QStringList modalsDuring(const std::function<void()> &action, const std::function<void(QDialog &)> &inspect = {})
{
    QStringList seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        seen << dialog->objectName();
        if (inspect)
            inspect(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer.start(5);
    action();
    return seen;
}

// The rules text line by line. Trailing blanks, the quotation marks inside the lines, the two
// blanks after the title and the line of three blanks are all part of it.
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

} // namespace

class HelpAboutTest : public QObject {
    Q_OBJECT

private slots:
    void contents_data()
    {
        QTest::addColumn<QString>("page"); // what lies at help.html
        QTest::addColumn<bool>("browserOpensIt");
        QTest::newRow("page present") << "page" << true;
        QTest::newRow("empty page is still opened") << "empty" << true;
        QTest::newRow("page missing") << "missing" << false;
        QTest::newRow("a folder named help.html") << "folder" << false;
    }

    void contents()
    {
        QFETCH(QString, page);
        QFETCH(bool, browserOpensIt);
        QTemporaryDir appFolder;
        const QString helpPath = QDir(appFolder.path()).filePath(QStringLiteral("help.html"));
        QFile file(helpPath);
        if (page == QLatin1String("folder"))
            QVERIFY(QDir(appFolder.path()).mkdir(QStringLiteral("help.html")));
        else if (page != QLatin1String("missing"))
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(page == "page" ? "<title>Rules</title>" : "") >= 0);
        file.close();

        QWidget table;
        QList<QUrl> opened;
        HelpMenu menu(&table, QFile::encodeName(appFolder.path()).toStdString(), recorder(opened));
        QWidget *rulesOwner = nullptr;
        const QStringList modals = modalsDuring([&] { menu.mnuContentsClick(); },
                                                [&](QDialog &dialog) { rulesOwner = dialog.parentWidget(); });
        QCOMPARE(opened, browserOpensIt ? QList<QUrl>{QUrl::fromLocalFile(helpPath)} : QList<QUrl>());
        QCOMPARE(modals, browserOpensIt ? QStringList() : QStringList{"BJHelp"});
        QCOMPARE(rulesOwner, browserOpensIt ? nullptr : &table);
    }

    void webAddresses()
    {
        QWidget table;
        QList<QUrl> opened; // the desktop cannot open them: still nothing is reported
        HelpMenu menu(&table, "/tmp", recorder(opened, false));
        QCOMPARE(modalsDuring([&] {
                     menu.mnuFeedRepBugClick();
                     menu.mnuHomepageClick();
                 }),
                 QStringList());
        QCOMPARE(opened, (QList<QUrl>{QUrl("https://quellard.example.org/support?mode=Contact"),
                                      QUrl("https://quellard.example.org/support?mode=Products&p=quellard")}));
    }

    void rulesWindow()
    {
        HelpWindow rules;
        QCOMPARE(rules.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(rules.minimumSize(), rules.maximumSize());
        const auto *text = rules.findChild<QPlainTextEdit *>(QStringLiteral("txtHelp"));
        QVERIFY(text && text->isReadOnly());
        const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), int(std::size(kRulesLines)));
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], QString::fromLatin1(kRulesLines[i]));
    }

    void aboutBox()
    {
        QList<QUrl> opened;
        AboutBox about(nullptr, recorder(opened));
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const QString version = QStringLiteral("%1.%2").arg(QUELLARD_VERSION_MAJOR).arg(QUELLARD_VERSION_MINOR);
        for (const auto &[name, text] : {std::pair<const char *, QString>{"Label1", "Quellard"},
                                         {"Label13", version},
                                         {"Label15", "The Quellard developers"},
                                         {"Label16", "https://quellard.example.org/"},
                                         {"Label17", "Freeware"}}) {
            const auto *label = about.findChild<QLabel *>(QLatin1String(name));
            QVERIFY2(label && label->text() == text, name);
        }
        QVERIFY(about.findChild<QPlainTextEdit *>("Text1")->toPlainText().contains("free of charge"));

        // The notice opens the home page; a press that slides off it before letting go does not.
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto *notice = about.findChild<QLabel *>(QStringLiteral("Label6"));
        QVERIFY(notice);
        QTest::mousePress(notice, Qt::LeftButton);
        QTest::mouseRelease(notice, Qt::LeftButton, {}, QPoint(notice->width() + 20, notice->height() + 20));
        QCOMPARE(opened, QList<QUrl>());
        QTest::mouseClick(notice, Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>{QUrl("https://quellard.example.org/")});
    }

    void aboutFromTheMenu()
    {
        QWidget table;
        HelpMenu menu(&table, "/tmp", [](const QUrl &) { return true; });
        QWidget *owner = nullptr;
        bool closedByButton = false;
        const QStringList modals = modalsDuring(
            [&] { menu.mnuAboutClick(); },
            [&](QDialog &about) {
                owner = about.parentWidget();
                QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
                closedByButton = !about.isVisible();
            });
        QCOMPARE(modals, QStringList{"frmAbout"});
        QCOMPARE(owner, &table);
        QVERIFY2(closedByButton, "&Close ends the box");
    }
};

QTEST_MAIN(HelpAboutTest)
#include "HelpAboutTest.moc"
