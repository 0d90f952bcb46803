// The sound module: Qt Multimedia behind the SoundPort interface, loaded by SoundPlayer with the
// game's first sound.
#include "shell/SoundModule.h"
#include "shell/SoundPort.h"

#include <QSoundEffect>
#include <QUrl>

namespace quellard {
namespace {

class SoundEffects final : public SoundPort {
public:
    void play(const QString &path) override
    {
        // One sound at a time: the new one cuts off the one still playing.
        m_effect.stop();
        const QUrl source = QUrl::fromLocalFile(path);
        if (m_effect.source() != source)
            m_effect.setSource(source);
        m_effect.play();
    }

private:
    QSoundEffect m_effect;
};

} // namespace
} // namespace quellard

extern "C" Q_DECL_EXPORT quellard::SoundPort *quellard_create_sound_effects() { return new quellard::SoundEffects; }
