#pragma once

#include <QString>

namespace quellard {

// Plays a sound file and returns at once. A new sound replaces one that is still playing.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void play(const QString &path) = 0;
};

} // namespace quellard
