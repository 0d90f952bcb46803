// The card-back choice and the sound switch through the real window and the real settings file:
// what a player sees, what the file holds afterwards, and what the next start makes of it.
#include "shell/CardSlotWidget.h"
#include "support/TableWindowHarness.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

class DeckAndSoundTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartShowsTheDefaultBackAndWritesNothing();
    void aChosenBackShowsAtOnceAndIsRememberedAcrossStarts();
    void missingPicturesAreReportedAndChangeNothing();
    void aBrokenPictureKeepsTheOldBack();
    void choosingABackDuringAGameTurnsTheOpeningCardsFaceDown();
    void theSoundSwitchIsRememberedAcrossStarts();
};

namespace {
QString settingsText(const TableHarness &table)
{
    QFile file(table.folder.file(QStringLiteral("Quellard.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
}

QImage shown(const TableHarness &table, const char *slotName)
{
    return table.find<CardSlotWidget>(QString::fromLatin1(slotName))->grab().toImage();
}

QImage picture(const TableHarness &table, const char *file)
{
    return QImage(table.folder.file(QStringLiteral("images/") + QString::fromLatin1(file))).convertToFormat(QImage::Format_RGB32);
}

// The slot shows the picture when its top rows, which the slot never clips, are the picture's.
bool slotShows(const TableHarness &table, const char *slotName, const QImage &expected)
{
    const QImage image = shown(table, slotName).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 73; ++x)
            if (image.pixel(x, y) != expected.pixel(x, y))
                return false;
    return true;
}

QList<bool> ticks(const TableHarness &table)
{
    QList<bool> result;
    for (QAction *item : table.window->menus().deckItems)
        result << item->isChecked();
    return result;
}

void openOptions(TableHarness &table)
{
    emit table.window->menus().options->aboutToShow();
}
} // namespace

void DeckAndSoundTest::firstStartShowsTheDefaultBackAndWritesNothing()
{
    TableHarness table;
    table.load();
    const QImage lattice = picture(table, "imgdefault.gif");
    for (const char *name : {"PicBack", "PicCom1", "PicPlay1", "PicPlay2"})
        QVERIFY2(slotShows(table, name, lattice), name);
    QCOMPARE(ticks(table), (QList<bool>{true, false, false, false, false, false, false}));
    QVERIFY(table.modals.seen.isEmpty());
    QVERIFY(!QFileInfo::exists(table.folder.file(QStringLiteral("Quellard.ini"))));
}

void DeckAndSoundTest::aChosenBackShowsAtOnceAndIsRememberedAcrossStarts()
{
    auto table = std::make_unique<TableHarness>();
    table->load();
    table->window->findChild<QAction *>(QStringLiteral("mnuLake"))->trigger();
    const QImage lake = picture(*table, "imglake.gif");
    for (const char *name : {"PicBack", "PicCom1", "PicPlay1", "PicPlay2"})
        QVERIFY2(slotShows(*table, name, lake), name);
    // The click itself ticks nothing; the ticks follow the file when the menu opens.
    QCOMPARE(ticks(*table), (QList<bool>{true, false, false, false, false, false, false}));
    openOptions(*table);
    QCOMPARE(ticks(*table), (QList<bool>{false, false, false, false, true, false, false}));

    table->window->menus().sound->trigger();
    QCOMPARE(settingsText(*table), QStringLiteral("[Deck]\r\nDefault=imglake.gif\r\n[Settings]\r\nSounds=0\r\n"));

    // The next start, in the same folder.
    TableWindowOptions options;
    options.appFolder = table->folder.path();
    options.random = &table->random;
    options.sound = &table->sound;
    TableWindow again(options);
    again.formLoad();
    QVERIFY(!again.menus().sound->isChecked());
    QCOMPARE(again.cardBack().toImage().convertToFormat(QImage::Format_RGB32), lake);
    for (QAction *item : again.menus().deckItems)
        QVERIFY(!item->isChecked());
}

void DeckAndSoundTest::missingPicturesAreReportedAndChangeNothing()
{
    // No images folder at all: one message before the window shows, the built-in back stays, and
    // Default is ticked all the same.
    TableHarness table(/*withPictures=*/false);
    const QImage builtIn = table.window->cardBack().toImage();
    table.load();
    QCOMPARE(table.modals.seen.size(), 1);
    QCOMPARE(table.modals.seen[0].text, QStringLiteral("Error: Selected deck image does not exist."));
    QCOMPARE(table.modals.seen[0].icon, QMessageBox::Warning);
    QCOMPARE(table.modals.seen[0].title, QStringLiteral("Quellard"));
    QCOMPARE(table.window->cardBack().toImage(), builtIn);
    QCOMPARE(ticks(table)[0], true);

    // Choosing a back whose file is missing: only the first message, and nothing stored.
    table.window->findChild<QAction *>(QStringLiteral("mnuMarine"))->trigger();
    QCOMPARE(table.modals.seen.size(), 2);
    QCOMPARE(table.modals.seen[1].text, QStringLiteral("Error: File does not exist"));
    QVERIFY(!QFileInfo::exists(table.folder.file(QStringLiteral("Quellard.ini"))));
    QVERIFY(!table.window->menus().deckItems[5]->isChecked());
}

void DeckAndSoundTest::aBrokenPictureKeepsTheOldBack()
{
    TableHarness table;
    {
        QFile broken(table.folder.file(QStringLiteral("images/imgbig_cat.gif")));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("GIF89a this is not a picture");
    }
    table.load();
    const QImage before = table.window->cardBack().toImage();
    table.window->findChild<QAction *>(QStringLiteral("mnuBigCat"))->trigger();
    QCOMPARE(table.modals.seen.size(), 1);
    QVERIFY(table.modals.seen[0].text.startsWith(QStringLiteral("Error:")));
    QCOMPARE(table.window->cardBack().toImage(), before);
    // A picture that cannot be shown is not remembered either.
    QVERIFY(!settingsText(table).contains(QStringLiteral("imgbig_cat")));
}

void DeckAndSoundTest::choosingABackDuringAGameTurnsTheOpeningCardsFaceDown()
{
    TableHarness table;
    table.load();
    table.click(QStringLiteral("lblBet10"));
    table.random.deal({card(9), card(10), card(7)});
    table.click(QStringLiteral("lblNew"));
    table.window->findChild<QAction *>(QStringLiteral("mnuTyneBridge"))->trigger();
    for (const char *name : {"PicCom1", "PicPlay1", "PicPlay2"})
        QCOMPARE(table.find<CardSlotWidget>(QString::fromLatin1(name))->face(), SlotFace::CardBack);
    QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("17"));
    QCOMPARE(table.caption(QStringLiteral("lblBet")), QStringLiteral("10"));
    // The game goes on with the cards it dealt.
    table.random.deal({card(8)});
    table.click(QStringLiteral("lblStand"));
    QCOMPARE(table.caption(QStringLiteral("lblCom")), QStringLiteral("17"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
}

void DeckAndSoundTest::theSoundSwitchIsRememberedAcrossStarts()
{
    TableHarness table;
    table.load();
    QAction *sound = table.window->menus().sound;
    sound->trigger();
    QVERIFY(!sound->isChecked());
    QCOMPARE(settingsText(table), QStringLiteral("[Settings]\r\nSounds=0\r\n"));
    sound->trigger();
    QVERIFY(sound->isChecked());
    QCOMPARE(settingsText(table), QStringLiteral("[Settings]\r\nSounds=1\r\n"));

    // With the switch off a game is heard only through the insurance question.
    sound->trigger();
    table.click(QStringLiteral("lblBet5"));
    table.random.deal({card(kAce), card(kAce, 1), card(kKing)});
    table.modals.otherModal = [](QWidget *modal) { modal->close(); };
    table.click(QStringLiteral("lblNew"));
    QCOMPARE(table.sound.played, QStringList{"insurance.wav"});
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("507.5"));
}

QTEST_MAIN(DeckAndSoundTest)
#include "test_deck_and_sound.moc"
