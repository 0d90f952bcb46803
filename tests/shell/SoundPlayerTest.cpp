// The sound player with its real module: a sound file that is not whole never reaches the audio
// output, and however broken the files, playing them never holds up the game.
#include "shell/SoundPlayer.h"
#include "shell/WavFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using namespace quellard;

class SoundPlayerTest : public QObject {
    Q_OBJECT

    const QByteArray good = [] { // 44 bytes of header, then 14112 of samples
        QFile file(QStringLiteral(QUELLARD_ASSETS_DIR "/sounds/whoosh.wav"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

private slots:
    void wavFilesAreReadWholeOrNotAtAll()
    {
        const std::optional<PcmSound> whole = wavSound(good.toStdString());
        QVERIFY(whole && whole->sampleRate == 22050 && whole->channels == 1 && whole->bitsPerSample == 16);
        QCOMPARE(whole->samples, good.mid(44).toStdString());
        QByteArray compressed = good, huge = good + QByteArray(16 * 1024 * 1024, '\0');
        compressed[20] = 2; // ADPCM
        for (const QByteArray &refused : {QByteArray(), good.left(44), good.left(300), "RIFX" + good.mid(4),
                                          good.left(12) + good.mid(36) + good.mid(12, 24), compressed, huge})
            QVERIFY2(!wavSound(refused.toStdString()), qPrintable(QString::number(refused.size())));
    }

    // Ten rounds of a file cut short, an empty one and a header alone, between good ones; a player
    // that blocks does so for good, so a watchdog ends the run with a word rather than a hang.
    void brokenFilesNeverHoldUpTheGame()
    {
        QTemporaryDir folder;
        const std::pair<const char *, QByteArray> files[] = {{"truncated.wav", good.left(300)},
                                                             {"whoosh.wav", good},
                                                             {"empty.wav", {}},
                                                             {"header-only.wav", good.left(44)}};
        for (const auto &[name, bytes] : files) {
            QFile file(folder.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        std::atomic<bool> done{false};
        std::thread watchdog([&done] {
            for (int i = 0; i < 200 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!done && std::fprintf(stderr, "FAIL: the sound player blocked the game for 10 seconds\n"))
                std::_Exit(1);
        });
        SoundPlayer player(QUELLARD_APP_DIR);
        QElapsedTimer clock;
        qint64 longest = 0;
        for (int round = 0; round < 10; ++round)
            for (const auto &[name, bytes] : files) {
                clock.start();
                player.play(QFile::encodeName(folder.filePath(QLatin1String(name))).toStdString());
                longest = std::max(longest, clock.elapsed());
                QTest::qWait(10);
            }
        done = true;
        watchdog.join();
        QVERIFY2(longest < 250, qPrintable(QStringLiteral("one sound held the game up for %1 ms").arg(longest)));
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "SoundPlayerTest.moc"
