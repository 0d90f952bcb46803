// The card backs and the sound switch through the real window and the real settings file: what a
// player sees, what the file holds afterwards, and what the next start makes of it.
#include "shell/CardSlotWidget.h"
#include "support/TableWindowHarness.h"

#include <QAction>
#include <QMenu>
#include <QtTest>
#include <filesystem>
#include <fstream>

using namespace quellard;
using namespace quellard::testing;

namespace {
QImage picture(const QString &path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

// The deck pile and the opening slots show the picture in their top rows, which a slot never clips.
bool openingSlotsShow(const TableHarness &table, const QString &file)
{
    const QImage expected = picture(table.folder.file(QStringLiteral("images/") + file)).copy(0, 0, 73, 90);
    for (const char *name : {"PicBack", "PicCom1", "PicPlay1", "PicPlay2"})
        if (table.find(QLatin1String(name))
                ->grab()
                .toImage()
                .convertToFormat(QImage::Format_RGB32)
                .copy(0, 0, 73, 90) != expected)
            return false;
    return true;
}
} // namespace

class DeckAndSoundTest : public QObject {
    Q_OBJECT

private slots:
    // Each Options > Deck item, by its caption, shows its picture at once, over dealt cards too, and
    // stores its name; the ticks follow the file when the menu opens, and the next start shows it.
    void eachDeckItemShowsAndStoresItsOwnPicture()
    {
        TableHarness table;
        table.load();
        table.click(QStringLiteral("lblBet10"));
        table.random.deal({card(9), card(10), card(7)});
        table.click(QStringLiteral("lblNew"));
        const QString backs = "Default imgdefault.gif,Roman Wall imgroman_wall.gif,Tyne Bridge imgtyne_bridge.gif,"
                              "Big Cat imgbig_cat.gif,Marine Life imgmarine.gif,Bruce Almighty imgbruce_almighty.gif,"
                              "Lake imglake.gif";
        for (const QString &back : backs.split(',')) {
            const QString caption = back.section(' ', 0, -2), file = back.section(' ', -1);
            const QList<QAction *> items = table.window->menus().deck->actions();
            (*std::find_if(items.begin(), items.end(), [&](QAction *a) { return a->text() == caption; }))->trigger();
            QVERIFY2(openingSlotsShow(table, file), qPrintable(caption));
            QCOMPARE(table.settingsText(), QStringLiteral("[Deck]\r\nDefault=%1\r\n").arg(file));
        }
        QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("17")); // the game goes on face down
        QString ticks;
        for (QAction *item : table.window->menus().deckItems)
            ticks += item->isChecked() ? 'v' : '-';
        emit table.window->menus().options->aboutToShow();
        for (QAction *item : table.window->menus().deckItems)
            ticks += item->isChecked() ? 'v' : '-';
        QCOMPARE(ticks, QStringLiteral("v------") + QStringLiteral("----v--"));
        TableWindow again({.appFolder = table.folder.bytes(), .sound = &table.sound}); // the next start
        again.formLoad();
        QCOMPARE(again.cardBack().toImage(), table.window->cardBack().toImage());
    }

    void missingOrBrokenPicturesAreReportedAndChangeNothing()
    {
        {
            // No images folder: one message, centred on the screen before the table shows, and the
            // built-in back stays; choosing a picture then finds no file.
            TableHarness bare(/*withPictures=*/false);
            const QImage builtIn = bare.window->cardBack().toImage();
            bare.load();
            bare.window->findChild<QAction *>(QStringLiteral("mnuMarine"))->trigger();
            QCOMPARE(bare.modals.seen.size(), 2);
            QCOMPARE(bare.modals.seen[0].text + '|' + bare.modals.seen[1].text,
                     QStringLiteral("Error: Selected deck image does not exist.|Error: File does not exist"));
            const QPoint offCentre =
                bare.modals.seen[0].centre - QGuiApplication::primaryScreen()->availableGeometry().center();
            QVERIFY2(offCentre.manhattanLength() <= 2,
                     qPrintable(QStringLiteral("off by %1,%2").arg(offCentre.x()).arg(offCentre.y())));
            QVERIFY(bare.window->cardBack().toImage() == builtIn && bare.window->menus().deckItems[0]->isChecked());
            QVERIFY(bare.settingsText().isEmpty());
        }
        // A picture that is no picture, and one cut short that would decode in part, are refused alike.
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
            broken.window->findChild<QAction *>(QStringLiteral("mnuBigCat"))->trigger();
            QCOMPARE(broken.modals.seen.value(0).text, QStringLiteral("Error: Selected deck image could not be read."));
            QVERIFY(broken.window->cardBack().toImage() == before && broken.settingsText().isEmpty());
        }
    }

    void theSoundSwitchIsStoredAtOnceAndReadAtTheNextStart()
    {
        TableHarness table;
        table.load();
        table.window->menus().sound->trigger();
        QCOMPARE(table.settingsText(), QStringLiteral("[Settings]\r\nSounds=0\r\n"));
        TableWindow again({.appFolder = table.folder.bytes(), .sound = &table.sound});
        again.formLoad();
        QVERIFY(!again.menus().sound->isChecked());
        table.window->menus().sound->trigger();
        QCOMPARE(table.settingsText(), QStringLiteral("[Settings]\r\nSounds=1\r\n"));
    }

    // The game's folder named with a Latin-1 byte: pictures, settings and help come from there,
    // byte for byte, and nothing from the working folder.
    void aFolderWhoseNameIsNotUtf8IsTheGamesOwn()
    {
        QTemporaryDir base;
        const std::string folder = QFile::encodeName(base.path()).toStdString() + "/caf\xe9";
        std::filesystem::create_directories(folder + "/images");
        std::filesystem::copy_file(QUELLARD_ASSETS_DIR "/images/imglake.gif", folder + "/images/imglake.gif");
        std::filesystem::copy_file(QUELLARD_ASSETS_DIR "/help.html", folder + "/help.html");
        std::ofstream(folder + "/Quellard.ini", std::ios::binary) << "[Deck]\r\nDefault=imglake.gif\r\n";
        RecordingSound sound;
        QList<QUrl> opened;
        TableWindow window({.appFolder = folder, .sound = &sound, .opener = [&opened](const QUrl &url) {
                                return opened << url, true;
                            }});
        ModalAnswerer modals;
        window.formLoad();
        QVERIFY(modals.seen.isEmpty());
        QCOMPARE(window.cardBack().toImage().convertToFormat(QImage::Format_RGB32),
                 picture(QUELLARD_ASSETS_DIR "/images/imglake.gif"));
        window.menus().sound->trigger();
        std::ifstream written(folder + "/Quellard.ini", std::ios::binary);
        QCOMPARE(std::string(std::istreambuf_iterator<char>(written), {}),
                 std::string("[Deck]\r\nDefault=imglake.gif\r\n[Settings]\r\nSounds=0\r\n"));
        window.menus().contents->trigger();
        QCOMPARE(opened.value(0).toEncoded(),
                 QFile::encodeName(base.path()).toPercentEncoding("/").prepend("file://") + "/caf%E9/help.html");
    }
};

QTEST_MAIN(DeckAndSoundTest)
#include "DeckAndSoundTest.moc"
