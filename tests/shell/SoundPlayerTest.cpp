// The sound player with its real module: broken sound files are never played and never hold up
// the game, however broken they are.
#include "shell/SoundPlayer.h"
#include "shell/WavFile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

using namespace quellard;

class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void wavFilesAreReadWholeOrNotAtAll()
    {
        const QByteArray good = readAsset("sounds/whoosh.wav"); // 44 bytes of header, 14112 of samples
        const std::optional<PcmSound> whole = wavSound(good.toStdString());
        QVERIFY(whole);
        QCOMPARE(whole->sampleRate, 22050);
        QCOMPARE(whole->channels, 1);
        QCOMPARE(whole->bitsPerSample, 16);
        QCOMPARE(whole->samples.size(), std::size_t(14112));
        QCOMPARE(whole->samples, good.mid(44).toStdString());

        QByteArray dataFirst = good.left(12) + good.mid(36) + good.mid(12, 24);
        QByteArray compressed = good;
        compressed[20] = 2; // ADPCM
        QByteArray padded = good;
        padded.append(QByteArray(int(kLargestSoundFile), '\0'));
        const std::pair<const char *, QByteArray> refused[] = {
            {"empty", {}},
            {"header only", good.left(44)},
            {"cut short", good.left(300)},
            {"not RIFF", QByteArray("RIFX") + good.mid(4)},
            {"samples before their format", dataFirst},
            {"not PCM", compressed},
            {"larger than any sound the game plays", padded},
        };
        for (const auto &[what, bytes] : refused)
            QVERIFY2(!wavSound(bytes.toStdString()), what);
    }

    void brokenFilesNeverHoldUpTheGame()
    {
        QTemporaryDir folder;
        const QByteArray good = readAsset("sounds/whoosh.wav");
        QVERIFY(good.size() > 1000);
        auto write = [&](const char *name, const QByteArray &bytes) {
            QFile file(folder.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        };
        write("truncated.wav", good.left(300));
        write("empty.wav", {});
        write("header-only.wav", good.left(44));
        write("whoosh.wav", good);
        write("snore.wav", readAsset("sounds/snore.wav"));

        // A player that blocks does so for good: the watchdog ends the run with a word, not a hang.
        std::atomic<bool> done{false};
        std::thread watchdog([&done] {
            for (int i = 0; i < 200 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!done) {
                std::fprintf(stderr, "FAIL: the sound player blocked the game for 10 seconds\n");
                std::_Exit(1);
            }
        });
        SoundPlayer player(QUELLARD_APP_DIR);
        int ticks = 0; // the event loop goes on between the sounds
        QTimer clock;
        connect(&clock, &QTimer::timeout, this, [&ticks] { ++ticks; });
        clock.start(5);
        QElapsedTimer slowest;
        qint64 longest = 0;
        for (int round = 0; round < 10; ++round) {
            for (const char *name : {"truncated.wav", "whoosh.wav", "empty.wav", "snore.wav", "header-only.wav"}) {
                slowest.start();
                player.play(QFile::encodeName(folder.filePath(QLatin1String(name))).toStdString());
                longest = std::max(longest, slowest.elapsed());
                QTest::qWait(10);
            }
        }
        done = true;
        watchdog.join();
        QVERIFY2(longest < 250, qPrintable(QStringLiteral("one sound held the game up for %1 ms").arg(longest)));
        QVERIFY2(ticks > 40, qPrintable(QStringLiteral("the event loop ran only %1 times").arg(ticks)));
    }

private:
    static QByteArray readAsset(const char *name)
    {
        QFile file(QStringLiteral(QUELLARD_ASSETS_DIR "/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "SoundPlayerTest.moc"
