// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <pulse/simple.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace quellard::testing {

// A sound server of the test's own: PulseAudio with one null sink, listening on a socket in the given
// folder, so that what the game plays can be recorded from the sink's monitor.
class TestSoundServer {
public:
    static constexpr int kRate = 44100; // the null sink's own rate: what is recorded is not resampled

    explicit TestSoundServer(const QString &folder) : m_folder(folder) {}
    ~TestSoundServer() { kill(); }

    QByteArray address() const { return "unix:" + QFile::encodeName(m_folder + "/native"); }

    // Starts the server and waits, at most ten seconds, until it answers. The reason when it fails.
    QString start()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty())
            return QStringLiteral("pulseaudio is not installed: ./test installs it");
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        QFile::remove(m_folder + "/native");
        m_server.start(program, {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-L",
                                 "module-native-protocol-unix auth-anonymous=1 socket=" + m_folder + "/native", "-L",
                                 "module-null-sink sink_name=quellard_test rate=44100 channels=1"});
        (void)QTest::qWaitFor([&] { return m_server.state() == QProcess::NotRunning || recorder(); }, 10000);
        if (m_server.state() == QProcess::NotRunning)
            return "pulseaudio ended at once: " + QString::fromLocal8Bit(m_server.readAll());
        return recorder() ? QString() : QStringLiteral("pulseaudio did not answer within ten seconds");
    }

    // The server dies as a crashed one does, with no word to its clients.
    void kill() { m_server.kill(), m_server.waitForFinished(5000); }

    // Records the sink for `seconds`, running each action at its time, and draws a tenth of a second
    // a character: '.' silence, 'L' a loud square wave, 'S' a soft one, '?' anything else (the two at
    // once). Empty when the recording could not be made.
    QString record(double seconds, std::multimap<double, std::function<void()>> actions)
    {
        const Recorder recording = recorder();
        if (!recording)
            return {};
        std::vector<std::int16_t> samples(kRate / 10);
        QString heard;
        for (int tenth = 0; tenth < int(seconds * 10); ++tenth) {
            for (auto next = actions.begin(); next != actions.end() && next->first <= tenth / 10.0;)
                next->second(), next = actions.erase(next);
            int error = 0;
            if (pa_simple_read(recording.get(), samples.data(), samples.size() * 2, &error) < 0)
                return {};
            const auto share = [&samples](int low, int high) {
                return std::count_if(samples.begin(), samples.end(), [=](int sample) {
                           return std::abs(sample) >= low && std::abs(sample) <= high;
                       }) > long(samples.size()) * 8 / 10;
            };
            heard += share(0, 500)                       ? '.'
                     : share(kLoud - 1000, kLoud + 1000) ? 'L'
                     : share(kSoft - 1000, kSoft + 1000) ? 'S'
                                                         : '?';
        }
        return heard;
    }

    static constexpr int kLoud = 6000, kSoft = 2000;

private:
    using Recorder = std::unique_ptr<pa_simple, void (*)(pa_simple *)>;
    Recorder recorder() const
    {
        const pa_sample_spec format{PA_SAMPLE_S16NE, kRate, 1};
        const pa_buffer_attr small{std::uint32_t(-1), std::uint32_t(-1), std::uint32_t(-1), std::uint32_t(-1), 882};
        return {pa_simple_new(address().constData(), "quellard-test", PA_STREAM_RECORD, "quellard_test.monitor",
                              "recording", &format, nullptr, &small, nullptr),
                pa_simple_free};
    }

    QString m_folder;
    QProcess m_server;
};

// A WAV file of PCM samples, 16 bits unless told.
inline QByteArray wavFile(int channels, int rate, const QByteArray &samples, int bits = 16)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4), out << quint32(36 + samples.size()), out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(channels) << quint32(rate) << quint32(rate * channels * bits / 8)
        << quint16(channels * bits / 8) << quint16(bits);
    out.writeRawData("data", 4), out << quint32(samples.size());
    return bytes + samples;
}

// A square wave of the given length and height (kLoud or kSoft) at the server's rate, in samples of
// 16 bits or 8: two played at once add up to neither height.
inline QByteArray squareWave(double seconds, int height, int bits = 16)
{
    QByteArray samples;
    for (int i = 0; i < int(seconds * TestSoundServer::kRate); ++i) {
        const std::int16_t level = std::int16_t((i / 50) % 2 ? height : -height);
        if (bits == 8)
            samples.append(char(128 + level / 256)); // unsigned, 128 the silence
        else
            samples.append(reinterpret_cast<const char *>(&level), 2);
    }
    return wavFile(1, TestSoundServer::kRate, samples, bits);
}

} // namespace quellard::testing
