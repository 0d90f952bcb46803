// The sound module: Qt Multimedia's audio output behind the SoundOutput interface, loaded by
// SoundPlayer with the game's first sound.
#include "shell/SoundModule.h"
#include "shell/WavFile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <memory>

namespace quellard {
namespace {

QAudioFormat audioFormat(const PcmSound &sound)
{
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(sound.bitsPerSample == 8    ? QAudioFormat::UInt8
                           : sound.bitsPerSample == 16 ? QAudioFormat::Int16
                                                       : QAudioFormat::Int32);
    return format;
}

class SoundEffects final : public SoundOutput {
public:
    void play(const PcmSound &sound) override
    {
        // One sound at a time: the new one cuts off the one still playing.
        if (m_sink)
            m_sink->stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        const QAudioFormat format = audioFormat(sound);
        if (device.isNull() || !device.isFormatSupported(format))
            return;
        if (!m_sink || m_sink->format() != format || m_device != device) {
            m_sink = std::make_unique<QAudioSink>(device, format);
            m_device = device;
        }
        m_buffer.close();
        m_buffer.setData(sound.samples.data(), qsizetype(sound.samples.size()));
        m_buffer.open(QIODevice::ReadOnly);
        m_sink->start(&m_buffer);
    }

private:
    QBuffer m_buffer; // declared before the sink, which reads from it until it goes
    QAudioDevice m_device;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace
} // namespace quellard

extern "C" Q_DECL_EXPORT quellard::SoundOutput *quellard_create_sound_output() { return new quellard::SoundEffects; }
