#pragma once

#include "shell/SoundPort.h"

#include <QObject>

class QSoundEffect;

namespace quellard {

// The sound effects through Qt Multimedia. The audio stack is loaded with the first sound, not at
// start-up. A machine without a sound device, a missing file or a broken one never holds up the
// game: a missing file gives the desktop's alert instead, anything else stays silent.
class SoundPlayer : public QObject, public SoundPort {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject *parent = nullptr);
    void play(const QString &path) override;

private:
    QSoundEffect *m_effect = nullptr;
};

} // namespace quellard
