#include "settings/SoundRule.h"

#include "settings/AppPaths.h"
#include "settings/SoundFiles.h"

namespace quellard {

bool soundPlays(std::string_view fileName, bool switchOn) { return switchOn || fileName == sounds::kInsurance; }

std::string soundFilePath(std::string_view applicationFolder, std::string_view fileName)
{
    return appFilePath(applicationFolder, kSoundsFolder, fileName);
}

} // namespace quellard
