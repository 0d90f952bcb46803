// The card-back choice and the sound switch through the real window and the real settings file:
// what a player sees, what the file holds afterwards, and what the next start makes of it.
#include "shell/CardSlotWidget.h"
#include "support/TableWindowHarness.h"

#include <QAction>
#include <QMenu>
#include <QtTest>
#include <filesystem>
#include <fstream>

using namespace quellard;
using namespace quellard::testing;

class DeckAndSoundTest : public QObject {
    Q_OBJECT

private slots:
    void aChosenBackShowsAtOnceEvenMidGameAndIsRememberedAcrossStarts();
    void missingOrBrokenPicturesAreReportedAndChangeNothing();
    void theSoundSwitchIsRememberedAndSilencesAllButInsurance();
    void aFolderWhoseNameIsNotUtf8IsTheGamesOwn();
};

namespace {
QString settingsText(const TableHarness &table)
{
    QFile file(table.folder.file(QStringLiteral("Quellard.ini")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// The deck and the opening slots show the picture in their top rows, which a slot never clips.
bool openingSlotsShow(const TableHarness &table, const char *picture)
{
    const QString path = table.folder.file(QStringLiteral("images/") + QString::fromLatin1(picture));
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    for (const char *name : {"PicBack", "PicCom1", "PicPlay1", "PicPlay2"}) {
        const QImage image = table.find<CardSlotWidget>(QString::fromLatin1(name))->grab().toImage();
        if (image.convertToFormat(QImage::Format_RGB32).copy(0, 0, 73, 90) != expected.copy(0, 0, 73, 90))
            return false;
    }
    return true;
}

QList<bool> ticks(const TableHarness &table)
{
    QList<bool> result;
    for (QAction *item : table.window->menus().deckItems)
        result << item->isChecked();
    return result;
}

void choose(TableHarness &table, const char *item)
{
    table.window->findChild<QAction *>(QString::fromLatin1(item))->trigger();
}
} // namespace

void DeckAndSoundTest::aChosenBackShowsAtOnceEvenMidGameAndIsRememberedAcrossStarts()
{
    TableHarness table;
    table.load();
    QVERIFY(openingSlotsShow(table, "imgdefault.gif"));
    table.click(QStringLiteral("lblBet10"));
    table.random.deal({card(9), card(10), card(7)});
    table.click(QStringLiteral("lblNew"));
    choose(table, "mnuLake"); // the dealt opening cards turn face down, and the game goes on with them
    QVERIFY(openingSlotsShow(table, "imglake.gif"));
    QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("17"));
    table.random.deal({card(8)}); // 17 against 17
    table.click(QStringLiteral("lblStand"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
    // The click itself ticks nothing; the ticks follow the file when the menu opens.
    QCOMPARE(ticks(table), (QList<bool>{true, false, false, false, false, false, false}));
    emit table.window->menus().options->aboutToShow();
    QCOMPARE(ticks(table), (QList<bool>{false, false, false, false, true, false, false}));
    table.window->menus().sound->trigger();
    QCOMPARE(settingsText(table), QStringLiteral("[Deck]\r\nDefault=imglake.gif\r\n[Settings]\r\nSounds=0\r\n"));

    TableWindow again(
        {.appFolder = table.folder.bytes(), .random = &table.random, .sound = &table.sound}); // the next start
    again.formLoad();
    QVERIFY(!again.menus().sound->isChecked());
    QCOMPARE(again.cardBack().toImage(), table.window->cardBack().toImage());
}

void DeckAndSoundTest::missingOrBrokenPicturesAreReportedAndChangeNothing()
{
    // No images folder at all: one message before the window shows, and the built-in back stays.
    TableHarness bare(/*withPictures=*/false);
    const QImage builtIn = bare.window->cardBack().toImage();
    bare.load();
    choose(bare, "mnuMarine");
    QCOMPARE(bare.modals.seen.size(), 2);
    QCOMPARE(bare.modals.seen[0].text, QStringLiteral("Error: Selected deck image does not exist."));
    QCOMPARE(bare.modals.seen[0].icon, QMessageBox::Warning);
    QCOMPARE(bare.modals.seen[0].title, QStringLiteral("Quellard"));
    // Shown before the table, in the middle of the screen where the table then opens.
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2((bare.modals.seen[0].centre - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("the box is centred at %1,%2")
                            .arg(bare.modals.seen[0].centre.x())
                            .arg(bare.modals.seen[0].centre.y())));
    QCOMPARE(bare.modals.seen[1].text, QStringLiteral("Error: File does not exist"));
    QCOMPARE(bare.window->cardBack().toImage(), builtIn);
    QCOMPARE(ticks(bare)[0], true);
    QVERIFY(!QFileInfo::exists(bare.folder.file(QStringLiteral("Quellard.ini"))));

    // A picture that is no picture, and one cut short that would decode in part, are refused alike:
    // shown, the second would have a black lower half, and be remembered.
    for (const bool halfAPicture : {false, true}) {
        TableHarness broken;
        QFile file(broken.folder.file(QStringLiteral("images/imgbig_cat.gif")));
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray whole = file.readAll();
        QVERIFY(file.resize(0) && file.seek(0));
        file.write(halfAPicture ? whole.left(whole.size() / 2) : QByteArray("GIF89a this is not a picture"));
        file.close();
        broken.load();
        const QImage before = broken.window->cardBack().toImage();
        choose(broken, "mnuBigCat");
        QCOMPARE(broken.modals.seen.size(), 1);
        QCOMPARE(broken.modals.seen[0].text, QStringLiteral("Error: Selected deck image could not be read."));
        QCOMPARE(broken.window->cardBack().toImage(), before);
        QVERIFY(!settingsText(broken).contains(QStringLiteral("imgbig_cat")));
    }
}

void DeckAndSoundTest::aFolderWhoseNameIsNotUtf8IsTheGamesOwn()
{
    // The game's folder named with a Latin-1 byte: pictures, sounds, settings and help come from
    // there, byte for byte, and nothing from the working folder.
    QTemporaryDir base;
    const std::string folder = QFile::encodeName(base.path()).toStdString() + "/caf\xe9";
    namespace fs = std::filesystem;
    fs::create_directories(folder + "/images");
    fs::copy_file(QUELLARD_ASSETS_DIR "/images/imglake.gif", folder + "/images/imglake.gif");
    fs::copy_file(QUELLARD_ASSETS_DIR "/help.html", folder + "/help.html");
    std::ofstream(folder + "/Quellard.ini", std::ios::binary) << "[Deck]\r\nDefault=imglake.gif\r\n";
    RecordingSound sound;
    QList<QUrl> opened;
    TableWindow window({.appFolder = folder, .sound = &sound, .opener = [&opened](const QUrl &url) {
                            opened << url;
                            return true;
                        }});
    ModalAnswerer modals;
    window.formLoad();
    QVERIFY(modals.seen.isEmpty());
    QCOMPARE(window.cardBack().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(QStringLiteral(QUELLARD_ASSETS_DIR "/images/imglake.gif")).convertToFormat(QImage::Format_RGB32));
    window.menus().sound->trigger();
    std::ifstream written(folder + "/Quellard.ini", std::ios::binary);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(written), {}),
             std::string("[Deck]\r\nDefault=imglake.gif\r\n[Settings]\r\nSounds=0\r\n"));
    window.menus().contents->trigger();
    QCOMPARE(opened.value(0).toEncoded(),
             QFile::encodeName(base.path()).toPercentEncoding("/").prepend("file://") + "/caf%E9/help.html");
}

void DeckAndSoundTest::theSoundSwitchIsRememberedAndSilencesAllButInsurance()
{
    TableHarness table;
    table.load();
    QAction *sound = table.window->menus().sound;
    sound->trigger();
    QCOMPARE(settingsText(table), QStringLiteral("[Settings]\r\nSounds=0\r\n"));
    sound->trigger();
    QCOMPARE(settingsText(table), QStringLiteral("[Settings]\r\nSounds=1\r\n"));
    sound->trigger();
    QVERIFY(!sound->isChecked());
    table.click(QStringLiteral("lblBet5"));
    table.random.deal({card(kAce), card(kAce, 1), card(kKing)});
    table.modals.otherModal = [](QWidget *modal) { modal->close(); };
    table.click(QStringLiteral("lblNew"));
    QCOMPARE(table.sound.played, QStringList{"insurance.wav"});
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("507.5"));
}

QTEST_MAIN(DeckAndSoundTest)
#include "DeckAndSoundTest.moc"
