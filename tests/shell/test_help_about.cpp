// The Help menu, the built-in rules window and the About box, with real widgets on the offscreen
// platform. Nothing is ever opened: every address goes to a recording opener, and every modal
// window is inspected and closed by a watcher while its exec() runs.

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
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace quellard;

namespace {

// Stands in for the desktop: remembers what it was asked to open and answers as told.
struct RecordingOpener
{
    QList<QUrl> urls;
    bool answer = true;

    UrlOpener opener()
    {
        return [this](const QUrl &url) {
            urls << url;
            return answer;
        };
    }
};

// Watches for modal dialogs while it lives. Each one that comes up is recorded by object name,
// handed to the inspector (which may close it itself) and then closed, so that no exec() is left
// blocking a test. A dialog that should not have come up at all shows up in `seen`.
class ModalWatcher : public QObject
{
public:
    using Inspector = std::function<void(QDialog &)>;

    explicit ModalWatcher(Inspector inspect = {})
        : m_inspect(std::move(inspect))
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
        m_timer.start(5);
    }

    QStringList seen;

private:
    void poll()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || m_handled.contains(dialog))
            return;
        m_handled << dialog;
        seen << dialog->objectName();
        if (m_inspect)
            m_inspect(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    }

    Inspector m_inspect;
    QTimer m_timer;
    QList<QDialog *> m_handled;
};

QString labelText(const QWidget &window, const char *name)
{
    const auto *label = window.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// Twips, the unit the windows were laid out in, to pixels.
QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
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

class TestHelpAbout : public QObject
{
    Q_OBJECT

private slots:
    void contents_data();
    void contents();
    void webAddresses();
    void rulesWindow();
    void aboutBox();
    void aboutFromTheMenu();
};

void TestHelpAbout::contents_data()
{
    QTest::addColumn<QString>("page"); // what lies at help.html
    QTest::addColumn<bool>("browserOpensIt");
    QTest::newRow("page present") << "page" << true;
    QTest::newRow("empty page is still opened") << "empty" << true;
    QTest::newRow("page missing") << "missing" << false;
    QTest::newRow("a folder named help.html") << "folder" << false;
}

void TestHelpAbout::contents()
{
    QFETCH(QString, page);
    QFETCH(bool, browserOpensIt);
    QTemporaryDir appFolder;
    const QString helpPath = QDir(appFolder.path()).filePath(QStringLiteral("help.html"));
    if (page == QLatin1String("folder")) {
        QVERIFY(QDir(appFolder.path()).mkdir(QStringLiteral("help.html")));
    } else if (page != QLatin1String("missing")) {
        QFile file(helpPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (page == QLatin1String("page"))
            file.write("<!DOCTYPE html><title>Rules</title>");
    }

    QWidget table;
    RecordingOpener desktop;
    HelpMenu menu(&table, appFolder.path(), desktop.opener());
    QWidget *rulesOwner = nullptr;
    ModalWatcher watcher([&](QDialog &dialog) { rulesOwner = dialog.parentWidget(); });
    menu.mnuContentsClick();

    if (browserOpensIt) {
        QCOMPARE(desktop.urls, QList<QUrl>{QUrl::fromLocalFile(helpPath)});
        QCOMPARE(watcher.seen, QStringList());
    } else {
        QCOMPARE(desktop.urls, QList<QUrl>());
        QCOMPARE(watcher.seen, QStringList{QStringLiteral("BJHelp")});
        QCOMPARE(rulesOwner, &table);
    }
}

void TestHelpAbout::webAddresses()
{
    QWidget table;
    RecordingOpener desktop;
    desktop.answer = false; // the desktop cannot open them: still nothing is reported
    HelpMenu menu(&table, QDir::tempPath(), desktop.opener());
    ModalWatcher watcher;
    menu.mnuFeedRepBugClick();
    menu.mnuHomepageClick();
    QCOMPARE(desktop.urls, (QList<QUrl>{QUrl(QStringLiteral("https://quellard.example.org/support?mode=Contact")),
                                        QUrl(QStringLiteral("https://quellard.example.org/support?mode=Products&p=quellard"))}));
    QCOMPARE(watcher.seen, QStringList());
}

void TestHelpAbout::rulesWindow()
{
    HelpWindow rules;
    QCOMPARE(rules.windowTitle(), QStringLiteral("Help"));
    QCOMPARE(rules.size(), QSize(473, 264));
    QCOMPARE(rules.minimumSize(), rules.maximumSize());
    const auto *text = rules.findChild<QPlainTextEdit *>(QStringLiteral("txtHelp"));
    QVERIFY(text);
    QCOMPARE(text->geometry(), fromTwips(0, 0, 7095, 3975));
    QVERIFY(text->isReadOnly());
    const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), int(std::size(kRulesLines)));
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i], QString::fromLatin1(kRulesLines[i]));
}

void TestHelpAbout::aboutBox()
{
    RecordingOpener desktop;
    AboutBox about(nullptr, desktop.opener());
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(444, 306));
    QCOMPARE(about.minimumSize(), about.maximumSize());

    struct Control {
        const char *name;
        QString text; // empty: not checked
        QRect twips;
    };
    const QString version = QStringLiteral("%1.%2").arg(QUELLARD_VERSION_MAJOR).arg(QUELLARD_VERSION_MINOR);
    const Control controls[] = {
        {"Label1", "Quellard", {0, 240, 6735, 615}},
        {"Label2", "Version", {1560, 1200, 855, 255}},
        {"Label3", "Author", {1560, 1440, 735, 255}},
        {"Label4", "Homepage", {1560, 1680, 1095, 255}},
        {"Label5", "Licence", {1560, 1920, 855, 255}},
        {"Label8", ":", {2760, 1200, 255, 255}},
        {"Label12", ":", {2760, 1920, 255, 255}},
        {"Label13", version, {3000, 1200, 3135, 255}},
        {"Label15", "The Quellard developers", {3000, 1440, 3135, 255}},
        {"Label16", "https://quellard.example.org/", {3000, 1680, 3135, 255}},
        {"Label17", "Freeware", {3000, 1920, 3255, 255}},
        {"Text1", {}, {960, 2400, 4935, 1095}},
        {"Command1", "&Close", {5400, 4200, 1095, 255}},
    };
    for (const Control &c : controls) {
        const auto *widget = about.findChild<QWidget *>(QLatin1String(c.name));
        QVERIFY2(widget, c.name);
        QCOMPARE(widget->geometry(), fromTwips(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()));
        if (const auto *button = qobject_cast<const QPushButton *>(widget))
            QCOMPARE(button->text(), c.text);
        else if (!c.text.isEmpty())
            QCOMPARE(labelText(about, c.name), c.text);
    }
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+$")).match(version).hasMatch());
    QVERIFY(about.findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText().contains(QStringLiteral("free of charge")));

    // The notice opens the home page; a press that slides off it before letting go does not.
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *notice = about.findChild<QLabel *>(QStringLiteral("Label6"));
    QVERIFY(notice);
    QTest::mousePress(notice, Qt::LeftButton);
    QTest::mouseRelease(notice, Qt::LeftButton, {}, QPoint(notice->width() + 20, notice->height() + 20));
    QCOMPARE(desktop.urls, QList<QUrl>());
    QTest::mouseClick(notice, Qt::LeftButton);
    QCOMPARE(desktop.urls, QList<QUrl>{QUrl(QStringLiteral("https://quellard.example.org/"))});
}

void TestHelpAbout::aboutFromTheMenu()
{
    QWidget table;
    RecordingOpener desktop;
    HelpMenu menu(&table, QDir::tempPath(), desktop.opener());
    QWidget *owner = nullptr;
    bool closedByButton = false;
    ModalWatcher watcher([&](QDialog &about) {
        owner = about.parentWidget();
        QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        closedByButton = !about.isVisible();
    });
    menu.mnuAboutClick();
    QCOMPARE(watcher.seen, QStringList{QStringLiteral("frmAbout")});
    QCOMPARE(owner, &table);
    QVERIFY2(closedByButton, "&Close ends the box");
}

QTEST_MAIN(TestHelpAbout)
#include "test_help_about.moc"
