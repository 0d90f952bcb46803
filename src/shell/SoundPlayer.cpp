#include "shell/SoundPlayer.h"

#include "settings/AppPaths.h"
#include "settings/FileChecks.h"
#include "shell/SoundModule.h"
#include "shell/WavFile.h"

#include <QApplication>

#include <dlfcn.h>

namespace quellard {

namespace {

// The module's output. The module stays loaded for the rest of the run.
std::unique_ptr<SoundOutput> loadSoundOutput(const std::string &folder)
{
    void *module = ::dlopen(appFilePath(folder, QUELLARD_SOUND_MODULE).c_str(), RTLD_NOW | RTLD_LOCAL);
    auto create = module ? reinterpret_cast<SoundModuleFactory>(::dlsym(module, kSoundModuleFactory)) : nullptr;
    return std::unique_ptr<SoundOutput>(create ? create() : nullptr);
}

} // namespace

SoundPlayer::SoundPlayer(std::string moduleFolder, std::function<void()> alert)
    : m_moduleFolder(std::move(moduleFolder)),
      m_alert(alert ? std::move(alert) : [] { QApplication::beep(); })
{}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const std::string &path)
{
    const std::string found = findIgnoringCase(path);
    const std::optional<PcmSound> sound = fileExists(found) ? readWav(found) : std::nullopt;
    if (!sound) {
        m_alert();
        return;
    }
    if (!m_loadTried) {
        m_loadTried = true;
        m_output = loadSoundOutput(m_moduleFolder);
    }
    if (m_output)
        m_output->play(*sound);
}

} // namespace quellard
