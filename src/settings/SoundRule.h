#pragma once

#include <string>
#include <string_view>

namespace quellard {

// The folder of the sound effects, beside the executable.
inline constexpr std::string_view kSoundsFolder = "sounds";

// Whether a sound plays: only while the switch is on, except the insurance question's sound,
// which is heard whatever the switch says.
bool soundPlays(std::string_view fileName, bool switchOn);

// The folder's sounds/fileName.
std::string soundFilePath(std::string_view applicationFolder, std::string_view fileName);

} // namespace quellard
