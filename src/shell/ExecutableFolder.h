#pragma once

#include <string>

namespace quellard {

// The folder of the running executable, as the file system's own bytes: the game's pictures,
// sounds, help page and sound module lie beside it. Qt's own answer is text and loses a folder
// name that is not valid UTF-8, which would send the game to the working folder instead.
std::string executableFolder();

} // namespace quellard
