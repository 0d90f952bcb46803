#pragma once

#include "shell/SoundPort.h"

#include <functional>
#include <memory>
#include <string>

namespace quellard {

class SoundOutput;

// The sound effects. The game reads each WAV file itself and hands the audio output only whole,
// plain PCM sounds: a file cut short, with a broken header, empty or huge never reaches it, and so
// can never hold up the game. A missing or unplayable file gives the desktop's alert instead.
//
// Qt Multimedia and the audio stack under it (PulseAudio and its libraries) live in a module beside
// the executable, loaded with the first sound rather than at start-up: linking them into the
// program costs a fifth more start-up time and memory. Without the module or a sound device the
// game stays silent.
class SoundPlayer : public SoundPort {
public:
    // moduleFolder holds the module: the executable's folder. `alert` sounds in place of a file that
    // cannot be played: the desktop's bell unless told otherwise.
    explicit SoundPlayer(std::string moduleFolder, std::function<void()> alert = {});
    ~SoundPlayer() override;
    void play(const std::string &path) override;

private:
    std::string m_moduleFolder;
    std::function<void()> m_alert;
    std::unique_ptr<SoundOutput> m_output; // from the module, once a sound has been asked for
    bool m_loadTried = false;
};

} // namespace quellard
