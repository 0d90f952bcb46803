#pragma once

#include <string>
#include <string_view>

namespace quellard {

// True for empty text and text of blanks only; other white space, such as a tab, is not blank.
bool isBlank(std::string_view text);

// True when the path is not blank and names an existing normal file (a link to one counts), one
// that may be read-only. False for a folder, a device or pipe, a missing name and a hidden file,
// that is one whose own name begins with a dot; a hidden folder on the way does not matter.
// Wildcard characters are ordinary characters in a name here.
bool fileExists(const std::string &path);

// True when this process may write the file: it exists and is writable, or it is missing and its
// folder takes new files.
bool playerCanWrite(const std::string &path);

} // namespace quellard
