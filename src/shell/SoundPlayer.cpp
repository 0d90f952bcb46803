#include "shell/SoundPlayer.h"

#include "settings/FileChecks.h"
#include "shell/SoundModule.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

namespace quellard {

namespace {

// The module's factory, from the executable's folder.
std::unique_ptr<SoundPort> loadSoundEffects()
{
    QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(QUELLARD_SOUND_MODULE)));
    auto create = reinterpret_cast<SoundModuleFactory>(module.resolve(kSoundModuleFactory));
    if (!create)
        return nullptr;
    // The module stays loaded for the rest of the run: QLibrary only unloads on unload().
    return std::unique_ptr<SoundPort>(create());
}

} // namespace

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString &path)
{
    const std::string found = findIgnoringCase(QFile::encodeName(path).toStdString());
    if (!fileExists(found)) {
        QApplication::beep();
        return;
    }
    if (!m_loadTried) {
        m_loadTried = true;
        m_effects = loadSoundEffects();
    }
    if (m_effects)
        m_effects->play(QFile::decodeName(QByteArray::fromStdString(found)));
}

} // namespace quellard
