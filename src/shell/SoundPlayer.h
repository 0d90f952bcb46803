#pragma once

#include "shell/SoundPort.h"

#include <QObject>
#include <memory>

namespace quellard {

// The sound effects. Qt Multimedia and the audio stack under it (PulseAudio, its codecs, Qt
// Network) live in a module beside the executable, loaded with the first sound rather than at
// start-up: linking them into the program costs a fifth more start-up time and memory. A machine
// without a sound device or without the module, a missing file or a broken one never holds up the
// game: a missing file gives the desktop's alert instead, anything else stays silent.
class SoundPlayer : public QObject, public SoundPort {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;
    void play(const QString &path) override;

private:
    std::unique_ptr<SoundPort> m_effects; // from the module, once a sound has been asked for
    bool m_loadTried = false;
};

} // namespace quellard
