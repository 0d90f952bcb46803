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

} // namespace

class TestHelpAbout : public QObject
{
    Q_OBJECT

private slots:
    void contents_data();
    void contents();
    void webAddresses_data();
    void webAddresses();

    void rulesWindowFrame();
    void rulesText_data();
    void rulesText();

    void aboutFacts_data();
    void aboutFacts();
    void aboutVersionIsMajorDotMinor();
    void aboutLayout_data();
    void aboutLayout();
    void aboutLooks();
    void aboutHomePageNotice();
    void aboutFromTheMenu();
};

// --- Help menu -------------------------------------------------------------------------------

void TestHelpAbout::contents_data()
{
    QTest::addColumn<QString>("folder");       // the application's folder, under a temporary one
    QTest::addColumn<QString>("page");         // what lies at help.html
    QTest::addColumn<bool>("browserOpensIt");
    QTest::addColumn<bool>("browserAnswers");

    QTest::newRow("page present") << "app" << "page" << true << true;
    QTest::newRow("empty page is still opened") << "app" << "empty" << true << true;
    QTest::newRow("browser refuses, nothing said") << "app" << "page" << true << false;
    QTest::newRow("folder with blanks and accents") << QStringLiteral("Jeux de cartes \u00e9t\u00e9") << "page" << true << true;
    QTest::newRow("page missing") << "app" << "missing" << false << true;
    QTest::newRow("folder named help.html") << "app" << "folder" << false << true;
}

void TestHelpAbout::contents()
{
    QFETCH(QString, folder);
    QFETCH(QString, page);
    QFETCH(bool, browserOpensIt);
    QFETCH(bool, browserAnswers);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QVERIFY(QDir(temporary.path()).mkdir(folder));
    const QDir appFolder(temporary.filePath(folder));
    const QString helpPath = appFolder.filePath(QStringLiteral("help.html"));
    if (page == QLatin1String("page") || page == QLatin1String("empty")) {
        QFile file(helpPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (page == QLatin1String("page"))
            file.write("<!DOCTYPE html><title>Rules</title>");
    } else if (page == QLatin1String("folder")) {
        QVERIFY(appFolder.mkdir(QStringLiteral("help.html")));
    }

    QWidget table;
    RecordingOpener desktop;
    desktop.answer = browserAnswers;
    HelpMenu menu(&table, appFolder.path(), desktop.opener());
    QCOMPARE(menu.helpFilePath(), helpPath);

    QWidget *rulesOwner = nullptr;
    Qt::WindowModality rulesModality = Qt::NonModal;
    QString rulesTitle;
    ModalWatcher watcher([&](QDialog &dialog) {
        rulesOwner = dialog.parentWidget();
        rulesModality = dialog.windowModality();
        rulesTitle = dialog.windowTitle();
    });
    menu.mnuContentsClick();

    if (browserOpensIt) {
        QCOMPARE(desktop.urls.size(), 1);
        QCOMPARE(desktop.urls.front().toLocalFile(), helpPath);
        QCOMPARE(watcher.seen, QStringList());
    } else {
        QCOMPARE(desktop.urls, QList<QUrl>());
        QCOMPARE(watcher.seen, QStringList{QStringLiteral("BJHelp")});
        QCOMPARE(rulesOwner, &table);
        QVERIFY(rulesModality != Qt::NonModal);
        QCOMPARE(rulesTitle, QStringLiteral("Help"));
    }
}

void TestHelpAbout::webAddresses_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QUrl>("expected");

    QTest::newRow("Feedback/Report Bug")
        << QByteArray("mnuFeedRepBugClick") << QUrl(QStringLiteral("https://quellard.example.org/support?mode=Contact"));
    QTest::newRow("Homepage")
        << QByteArray("mnuHomepageClick")
        << QUrl(QStringLiteral("https://quellard.example.org/support?mode=Products&p=quellard"));
}

void TestHelpAbout::webAddresses()
{
    QFETCH(QByteArray, command);
    QFETCH(QUrl, expected);

    QWidget table;
    RecordingOpener desktop;
    desktop.answer = false; // the desktop cannot open it: still nothing is reported
    HelpMenu menu(&table, QDir::tempPath(), desktop.opener());
    ModalWatcher watcher;

    QVERIFY(QMetaObject::invokeMethod(&menu, command.constData()));

    QCOMPARE(desktop.urls, QList<QUrl>{expected});
    QCOMPARE(watcher.seen, QStringList());
}

// --- The built-in rules window ------------------------------------------------------------------

void TestHelpAbout::rulesWindowFrame()
{
    HelpWindow rules;
    QCOMPARE(rules.objectName(), QStringLiteral("BJHelp"));
    QCOMPARE(rules.windowTitle(), QStringLiteral("Help"));
    QCOMPARE(rules.size(), QSize(473, 264));
    QCOMPARE(rules.minimumSize(), rules.maximumSize());
    QVERIFY(!(rules.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    const auto *text = rules.findChild<QPlainTextEdit *>(QStringLiteral("txtHelp"));
    QVERIFY(text);
    QCOMPARE(text->geometry(), fromTwips(0, 0, 7095, 3975));
    QVERIFY(text->isReadOnly());
}

void TestHelpAbout::rulesText_data()
{
    // The text line by line. Trailing blanks, the quotation marks inside the lines, the two blanks
    // after the title and the line of three blanks are all part of it.
    static const char *const lines[] = {
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
    static_assert(std::size(lines) == 36);

    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    for (int i = 0; i < int(std::size(lines)); ++i)
        QTest::addRow("line %d", i + 1) << i << QString::fromLatin1(lines[i]);
}

void TestHelpAbout::rulesText()
{
    QFETCH(int, index);
    QFETCH(QString, expected);

    HelpWindow rules;
    const auto *text = rules.findChild<QPlainTextEdit *>(QStringLiteral("txtHelp"));
    QVERIFY(text);
    const QString all = text->toPlainText();
    QVERIFY2(!all.contains(QLatin1Char('\r')), "lines are separated by a bare line feed here");
    const QStringList lines = all.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 36);
    QCOMPARE(lines.at(index), expected);
}

// --- The About box ------------------------------------------------------------------------------

void TestHelpAbout::aboutFacts_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QString>("expected");

    QTest::newRow("title") << QByteArray("Label1") << "Quellard";
    QTest::newRow("version caption") << QByteArray("Label2") << "Version";
    QTest::newRow("author caption") << QByteArray("Label3") << "Author";
    QTest::newRow("homepage caption") << QByteArray("Label4") << "Homepage";
    QTest::newRow("licence caption") << QByteArray("Label5") << "Licence";
    for (const char *colon : {"Label8", "Label10", "Label11", "Label12"})
        QTest::addRow("colon %s", colon) << QByteArray(colon) << ":";
    QTest::newRow("author") << QByteArray("Label15") << "The Quellard developers";
    QTest::newRow("home page, same as the notice opens") << QByteArray("Label16") << "https://quellard.example.org/";
    QTest::newRow("licence") << QByteArray("Label17") << "Freeware";
}

void TestHelpAbout::aboutFacts()
{
    QFETCH(QByteArray, label);
    QFETCH(QString, expected);

    AboutBox about;
    QCOMPARE(labelText(about, label.constData()), expected);
}

void TestHelpAbout::aboutVersionIsMajorDotMinor()
{
    AboutBox about;
    const QString version = labelText(about, "Label13");
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\.\\d+$")).match(version).hasMatch(), qPrintable(version));
    QCOMPARE(version, QStringLiteral("%1.%2").arg(QUELLARD_VERSION_MAJOR).arg(QUELLARD_VERSION_MINOR));
}

void TestHelpAbout::aboutLayout_data()
{
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("Label1") << QByteArray("Label1") << fromTwips(0, 240, 6735, 615);
    QTest::newRow("Label2") << QByteArray("Label2") << fromTwips(1560, 1200, 855, 255);
    QTest::newRow("Label3") << QByteArray("Label3") << fromTwips(1560, 1440, 735, 255);
    QTest::newRow("Label4") << QByteArray("Label4") << fromTwips(1560, 1680, 1095, 255);
    QTest::newRow("Label5") << QByteArray("Label5") << fromTwips(1560, 1920, 855, 255);
    QTest::newRow("Label8") << QByteArray("Label8") << fromTwips(2760, 1200, 255, 255);
    QTest::newRow("Label10") << QByteArray("Label10") << fromTwips(2760, 1440, 255, 255);
    QTest::newRow("Label11") << QByteArray("Label11") << fromTwips(2760, 1680, 255, 255);
    QTest::newRow("Label12") << QByteArray("Label12") << fromTwips(2760, 1920, 255, 255);
    QTest::newRow("Label13") << QByteArray("Label13") << fromTwips(3000, 1200, 3135, 255);
    QTest::newRow("Label15") << QByteArray("Label15") << fromTwips(3000, 1440, 3135, 255);
    QTest::newRow("Label16") << QByteArray("Label16") << fromTwips(3000, 1680, 3135, 255);
    QTest::newRow("Label17") << QByteArray("Label17") << fromTwips(3000, 1920, 3255, 255);
    QTest::newRow("Text1") << QByteArray("Text1") << fromTwips(960, 2400, 4935, 1095);
    QTest::newRow("Command1") << QByteArray("Command1") << fromTwips(5400, 4200, 1095, 255);
}

void TestHelpAbout::aboutLayout()
{
    QFETCH(QByteArray, control);
    QFETCH(QRect, expected);

    AboutBox about;
    const auto *widget = about.findChild<QWidget *>(QLatin1String(control));
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), expected);

    // The controls placed freely (notice, icon and its frame) keep clear of every placed one and
    // inside the box.
    for (const char *free : {"Label6", "Image1", "Shape1"}) {
        const auto *other = about.findChild<QWidget *>(QLatin1String(free));
        QVERIFY2(other, free);
        QVERIFY2(about.rect().contains(other->geometry()), free);
        QVERIFY2(!other->geometry().intersects(expected), free);
    }
}

void TestHelpAbout::aboutLooks()
{
    AboutBox about;
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(444, 306));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    // The grey of the box shows wherever there is no control, and behind the transparent labels.
    const QImage picture = about.grab().toImage();
    const QColor grey(0xE0, 0xE0, 0xE0);
    QCOMPARE(picture.pixelColor(picture.width() - 3, picture.height() - 3), grey);
    const QWidget *caption = about.findChild<QWidget *>(QStringLiteral("Label2"));
    QVERIFY(caption);
    QCOMPARE(picture.pixelColor(caption->geometry().bottomRight()), grey);

    const auto *icon = about.findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(icon);
    QVERIFY2(!icon->pixmap().isNull(), "the game's icon is in the resources");

    const auto *disclaimer = about.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(disclaimer);
    QVERIFY(disclaimer->isReadOnly());
    QVERIFY(disclaimer->toPlainText().contains(QStringLiteral("free of charge")));
    QVERIFY(disclaimer->toPlainText().contains(QStringLiteral("no responsibility")));

    const auto *close = about.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("&Close"));
}

void TestHelpAbout::aboutHomePageNotice()
{
    RecordingOpener desktop;
    desktop.answer = false;
    AboutBox about(nullptr, desktop.opener());
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *notice = about.findChild<QLabel *>(QStringLiteral("Label6"));
    QVERIFY(notice);
    QVERIFY(!notice->text().isEmpty());
    QCOMPARE(notice->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(notice->font().underline());

    // A right click, or a press that slides off the notice before letting go, is not a click.
    QTest::mouseClick(notice, Qt::RightButton);
    QTest::mousePress(notice, Qt::LeftButton);
    QTest::mouseRelease(notice, Qt::LeftButton, {}, QPoint(notice->width() + 20, notice->height() + 20));
    QCOMPARE(desktop.urls, QList<QUrl>());

    QTest::mouseClick(notice, Qt::LeftButton);
    QCOMPARE(desktop.urls, QList<QUrl>{QUrl(QStringLiteral("https://quellard.example.org/"))});
    QVERIFY2(about.isVisible(), "opening the home page leaves the box open");
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
        if (auto *notice = about.findChild<QLabel *>(QStringLiteral("Label6")))
            QTest::mouseClick(notice, Qt::LeftButton);
        if (auto *close = about.findChild<QPushButton *>(QStringLiteral("Command1")))
            QTest::mouseClick(close, Qt::LeftButton);
        closedByButton = !about.isVisible();
    });
    menu.mnuAboutClick();

    QCOMPARE(watcher.seen, QStringList{QStringLiteral("frmAbout")});
    QCOMPARE(owner, &table);
    QCOMPARE(desktop.urls, QList<QUrl>{QUrl(QStringLiteral("https://quellard.example.org/"))});
    QVERIFY2(closedByButton, "&Close ends the box");
}

QTEST_MAIN(TestHelpAbout)
#include "test_help_about.moc"
