#include "shell/SoundPlayer.h"

#include "settings/FileChecks.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

namespace quellard {

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent) {}

void SoundPlayer::play(const QString &path)
{
    if (!fileExists(path.toStdString())) {
        QApplication::beep();
        return;
    }
    if (!m_effect)
        m_effect = new QSoundEffect(this);
    // One sound at a time: the new one cuts off the one still playing.
    m_effect->stop();
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_effect->source() != source)
        m_effect->setSource(source);
    m_effect->play();
}

} // namespace quellard
