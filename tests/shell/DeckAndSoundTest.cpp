// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The card backs and the sound switch through the real window and settings file, and the sound
// player against a sound server of the test's own.
#include "shell/ExecutableFolder.h"
#include "shell/sound/SoundPlayer.h"
#include "shell/sound/WavFile.h"
#include "support/TableWindowHarness.h"
#include "support/TempFolder.h"
#include "support/TestSoundServer.h"

#include <QAction>
#include <QMenu>
#include <QtTest>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace quellard;
using namespace quellard::testing;

namespace {
QImage picture(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }
} // namespace

class DeckAndSoundTest : public QObject {
    Q_OBJECT

    const QByteArray good =
        fileBytes(QUELLARD_ASSETS_DIR "/sounds/whoosh.wav"); // a header of 44 bytes, 14112 of samples

private slots:
    // Each Deck item shows its picture at once, over dealt cards too, and stores its name; the ticks
    // follow the file when the menu opens, and the next start shows it.
    void eachDeckItemShowsAndStoresItsOwnPicture()
    {
        TableHarness table;
        table.load();
        table.click("lblBet10");
        table.random.deal({card(9), card(10), card(7)});
        table.click("lblNew");
        QFile::rename(table.file("images/imgmarine.gif"), table.file("images/IMGMARINE.GIF")); // any letter case
        const QString backs = "Default imgdefault.gif,Roman Wall imgroman_wall.gif,Tyne Bridge imgtyne_bridge.gif,"
                              "Big Cat imgbig_cat.gif,Marine Life imgmarine.gif,Bruce Almighty imgbruce_almighty.gif,"
                              "Lake imglake.gif";
        for (const QString &back : backs.split(',')) {
            const QString caption = back.section(' ', 0, -2), file = back.section(' ', -1);
            const QList<QAction *> items = table.window->menus().deck->actions();
            (*std::find_if(items.begin(), items.end(), [&](QAction *a) { return a->text() == caption; }))->trigger();
            // On the screen, in as much of each slot as the next card leaves in sight.
            const QImage expected = picture(QImage(QUELLARD_ASSETS_DIR "/images/" + file)).copy(0, 0, 20, 90);
            QTest::qWait(10);
            for (const char *slot : {"PicBack", "PicCom1", "PicPlay1", "PicPlay2"})
                QVERIFY2(picture(table.onScreen(QLatin1String(slot))) == expected,
                         qPrintable(caption + " does not show " + file + " on " + slot));
            QCOMPARE(table.settingsText(), QStringLiteral("[Deck]\r\nDefault=%1\r\n").arg(file));
        }
        QCOMPARE(table.caption("lblPlay"), QStringLiteral("17")); // the game goes on face down
        const QString ticksBefore = table.deckTicks();
        emit table.window->menus().options->aboutToShow();
        QCOMPARE(ticksBefore + table.deckTicks(), QStringLiteral("v------") + QStringLiteral("----v--"));
        // The sound switch is stored at once too, and the next start reads both.
        table.window->menus().sound->trigger();
        QCOMPARE(table.settingsText(), QStringLiteral("[Deck]\r\nDefault=imglake.gif\r\n[Settings]\r\nSounds=0\r\n"));
        TableWindow again({.appFolder = table.bytes(), .sound = &table.sound});
        again.formLoad();
        QCOMPARE(again.cardBack().toImage(), table.window->cardBack().toImage());
        QVERIFY(!again.menus().sound->isChecked());
    }

    // At start-up the stored name is found in any letter case; the ticks follow it when Options opens
    // (none for an unknown name, Default for none). A missing picture is reported centred on the
    // screen, keeping the built-in back; an unreadable one chosen is refused, not stored.
    void theStoredCardBackAtStartUpAndAfterAChoice()
    {
        const QString missing = "Warning OK \"Quellard\": Error: Selected deck image does not exist.",
                      unreadable = "Warning OK \"Quellard\": Error: Selected deck image could not be read.";
        const QByteArray cat = fileBytes(QUELLARD_ASSETS_DIR "/images/imgbig_cat.gif");
        const std::tuple<bool, const char *, QByteArray, const char *, const char *, QStringList> starts[] = {
            {true, "IMGLAKE.GIF", {}, "imglake.gif", "----v--", {}},
            {true, "", {}, "imgdefault.gif", "vv-----", {}},
            {true, "mine.gif", {}, "", "-v-----", {missing}},
            {false, "", "mnuMarine", "", "vv-----", {missing, "Warning OK \"Quellard\": Error: File does not exist"}},
            {true, "", cat.chopped(2), "imgdefault.gif", "vv-----", {unreadable}},
            {true, "", "GIF89a this is not a picture", "imgdefault.gif", "vv-----", {unreadable}},
            {true, "", cat.chopped(1), "imgbig_cat.gif", "---v---", {}}};
        for (const auto &[withPictures, stored, catOrChoice, shown, ticks, messages] : starts) {
            TableHarness table(withPictures);
            const QByteArray ini = *stored ? "[Deck]\r\nDefault=" + QByteArray(stored) + "\r\n" : "";
            QVERIFY(ini.isEmpty() || table.write("Quellard.ini", ini));
            const bool choosesCat = withPictures && !catOrChoice.isEmpty();
            QVERIFY(!choosesCat || table.write("images/imgbig_cat.gif", catOrChoice));
            const QImage builtIn = picture(table.window->cardBack().toImage());
            table.load();
            if (!catOrChoice.isEmpty())
                table.window->findChild<QAction *>(choosesCat ? "mnuBigCat" : QString(catOrChoice))->trigger();
            table.window->menus().deckItems[1]->setChecked(true);
            emit table.window->menus().options->aboutToShow();
            QCOMPARE(table.modals.seen, messages);
            QCOMPARE(table.deckTicks(), QLatin1String(ticks));
            const bool catShown = QLatin1String(shown) == "imgbig_cat.gif";
            QCOMPARE(table.settingsText(),
                     catShown ? "[Deck]\r\nDefault=imgbig_cat.gif\r\n" : QString::fromLatin1(ini));
            const QImage expected = *shown ? picture(QImage(QUELLARD_ASSETS_DIR "/images/" + QString(shown))) : builtIn;
            QVERIFY2(picture(table.window->cardBack().toImage()) == expected,
                     qPrintable(QString(stored) + " shows another back than " + shown));
            for (const QPoint at : table.modals.centres) // on the screen's middle, as the table is
                QVERIFY2((at - QGuiApplication::primaryScreen()->availableGeometry().center()).manhattanLength() <= 2,
                         "a message off the screen's middle");
        }
    }

    // A game folder whose name holds a Latin-1 byte is found, and its pictures, settings and help used.
    void aFolderWhoseNameIsNotUtf8IsTheGamesOwn()
    {
        TempFolder base; // removed by its bytes, as QTemporaryDir cannot remove a name that is not UTF-8
        const std::string folder = base.file("caf\xe9");
        std::filesystem::create_directories(folder + "/images");
        std::filesystem::copy_file(QUELLARD_ASSETS_DIR "/images/imglake.gif", folder + "/images/imglake.gif");
        std::filesystem::copy_file(QUELLARD_ASSETS_DIR "/help.html", folder + "/help.html");
        // The game was killed while storing the Lake back: the start-up finishes that write first.
        const std::string before = "[Deck]\r\nDefault=mine.gif\r\n", after = "[Deck]\r\nDefault=imglake.gif\r\n";
        base.write("caf\xe9/Quellard.ini", before);
        base.write("caf\xe9/.Quellard.ini.pending-999999", std::to_string(before.size()) + '\n' + before + after);
        RecordingSound sound;
        QList<QUrl> opened;
        TableWindow window(
            {.appFolder = folder, .sound = &sound, .opener = [&opened](const QUrl &url, auto &) { opened << url; }});
        ModalAnswerer modals;
        window.formLoad();
        QVERIFY(modals.seen.isEmpty());
        QCOMPARE(picture(window.cardBack().toImage()), picture(QImage(QUELLARD_ASSETS_DIR "/images/imglake.gif")));
        window.menus().sound->trigger();
        QCOMPARE(base.read("caf\xe9/Quellard.ini"),
                 std::string("[Deck]\r\nDefault=imglake.gif\r\n[Settings]\r\nSounds=0\r\n"));
        window.menus().contents->trigger();
        QCOMPARE(opened.value(0).toEncoded(),
                 QByteArray::fromStdString(base.str()).toPercentEncoding("/").prepend("file://") + "/caf%E9/help.html");
        const std::string link = base.file("exe");
        std::filesystem::create_symlink(folder + "/quellard", link); // as /proc/self/exe points to the game
        QCOMPARE(QByteArray::fromStdString(executableFolder(link.c_str())), QByteArray::fromStdString(folder));
    }

    // A WAV file is read whole or not at all: plain PCM, up to eight channels and 16 MiB, regular files.
    void wavFilesAreReadWholeOrNotAtAll()
    {
        QTemporaryDir folder;
        const QByteArray frame(2, '\x10');
        QByteArray compressed = good;
        compressed[20] = 2; // ADPCM
        const std::pair<QByteArray, int> files[] = {
            {good, 14112},
            {good.left(good.size() - 2), -1},
            {good.left(44), -1},
            {{}, -1},
            {"this is no sound at all", -1},
            {compressed, -1},
            {good.left(12) + good.mid(36) + good.mid(12, 24), -1}, // the samples before their format
            {good.left(36) + QByteArray("LIST\x03\0\0\0abc\0", 12) + good.mid(36), 14112}, // an odd chunk, padded
            {wavFile(1, 22050, {}), -1},
            {wavFile(8, 22050, frame.repeated(8 * 100)), 1600},
            {wavFile(9, 22050, frame.repeated(9 * 100)), -1},
            {wavFile(1, 22050, frame.repeated(8 * 1024 * 1024 - 22)), 16 * 1024 * 1024 - 44}, // 16 MiB exactly
            {wavFile(1, 22050, frame.repeated(8 * 1024 * 1024 - 21)), -1}};
        for (const auto &[bytes, samples] : files) {
            QVERIFY(writeFile(folder.filePath(QStringLiteral("sound.wav")), bytes));
            const std::optional<PcmSound> sound =
                readWav(QFile::encodeName(folder.filePath("sound.wav")).toStdString());
            const int read = sound ? int(sound->samples.size()) : -1; // -1: refused
            QVERIFY2(read == samples, qPrintable(QStringLiteral("a file of %1 bytes gave %2 bytes of samples, not %3")
                                                     .arg(QString::number(bytes.size()), QString::number(read),
                                                          QString::number(samples))));
        }
        const std::optional<PcmSound> whoosh = readWav(QUELLARD_ASSETS_DIR "/sounds/whoosh.wav");
        QVERIFY(whoosh && whoosh->sampleRate == 22050 && whoosh->channels == 1 && whoosh->bitsPerSample == 16);
        QCOMPARE(whoosh->samples, good.mid(44).toStdString());
        const QByteArray pipe = QFile::encodeName(folder.filePath(QStringLiteral("pipe.wav")));
        QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
        QVERIFY(!readWav(pipe.toStdString()) && !readWav(QFile::encodeName(folder.path()).toStdString()));
    }

    // Sounds reach the server one at a time, a long one cut off by the next. With the server gone
    // nothing holds the game up, the terminal hears of it once, and a bad file gives the alert; a
    // server that comes back is heard again.
    void soundsReachTheServerOneAtATime()
    {
        QTemporaryDir folder;
        TestSoundServer server(folder.path());
        const QString failure = server.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        qputenv("PULSE_SERVER", server.address());
        const std::pair<const char *, QByteArray> files[] = {{"long.wav", squareWave(3.0, TestSoundServer::kLoud)},
                                                             {"short.wav", squareWave(0.3, TestSoundServer::kSoft)},
                                                             {"short8.wav", squareWave(0.3, TestSoundServer::kSoft, 8)},
                                                             {"truncated.wav", good.left(300)},
                                                             {"empty.wav", {}},
                                                             {"header-only.wav", good.left(44)}};
        for (const auto &[name, bytes] : files)
            QVERIFY(writeFile(folder.filePath(QLatin1String(name)), bytes));
        auto path = [&folder](const char *name) { return QFile::encodeName(folder.filePath(name)).toStdString(); };
        QStringList alerts;
        const char *playing = "";
        SoundPlayer player([&] { alerts << QLatin1String(playing); });
        // 0.3 s of the long sound, the short one, silence; a tenth either way at each change.
        const QString heard = server.record(
            2.0, {{0.2, [&] { player.play(path("long.wav")); }}, {0.5, [&] { player.play(path("short.wav")); }}});
        QVERIFY2(QRegularExpression("^\\.{1,2}.?L{1,3}.?S{2,3}.?\\.{10,}$").match(heard).hasMatch(),
                 qPrintable("the sink heard " + heard + ", not ..LLLSSS............"));

        QTemporaryFile terminal; // what the player's terminal shows meanwhile
        const std::shared_ptr<void> restoreTerminal(nullptr, [fd = ::dup(2)](void *) { ::dup2(fd, 2), ::close(fd); });
        QVERIFY(terminal.open() && ::dup2(terminal.handle(), 2) == 2);
        server.kill();
        qint64 longest = 0;
        for (int round = 0; round < 5; ++round)
            for (const char *name : {"truncated.wav", "SHORT.WAV", "empty.wav", "header-only.wav", "missing.wav"}) {
                QElapsedTimer clock;
                clock.start();
                player.play(path(playing = name));
                longest = std::max(longest, clock.elapsed());
                QTest::qWait(10);
            }
        QVERIFY2(longest < 250, qPrintable(QStringLiteral("one sound held the game up for %1 ms").arg(longest)));
        QVERIFY(terminal.seek(0));
        QCOMPARE(QString(terminal.readAll()).count("quellard: no sound server"), 1);
        QCOMPARE(alerts.size(), 20);
        QCOMPARE(alerts.mid(0, 4), (QStringList{"truncated.wav", "empty.wav", "header-only.wav", "missing.wav"}));

        QVERIFY2(server.start().isEmpty(), "the test's sound server did not start again");
        const QString again = server.record(1.0, {{0.2, [&] { player.play(path("short8.wav")); }}}); // 8 bits
        QVERIFY2(QRegularExpression("^\\.{1,2}.?S{2,3}.?\\.{3,}$").match(again).hasMatch(),
                 qPrintable("after the server came back the sink heard " + again + ", not ..SSS....."));
    }
};

QTEST_MAIN(DeckAndSoundTest)
#include "DeckAndSoundTest.moc"
