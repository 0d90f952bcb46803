#pragma once

#include <string>
#include <string_view>

namespace quellard {

// Reading a small file whole, and replacing it whole without ever leaving it half written.

enum class FileReadStatus { Read, Missing, Unreadable };

struct FileText {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes; // the file's bytes when status is Read, empty otherwise
};

// Reads the whole file. A path that names nothing (or whose folder does not exist) is Missing;
// a folder, or a file that cannot be opened or read, is Unreadable.
FileText readFileText(const std::string &path);

// Replaces the file's content with the bytes, or creates the file. The bytes go to a temporary
// file beside it that is then renamed over it, so the old content stays whole when anything fails.
// An existing file keeps its permissions (and its owner, where that is allowed); a link is
// followed and its target replaced. Returns false when the file could not be written.
bool replaceFileText(const std::string &path, std::string_view bytes);

} // namespace quellard
