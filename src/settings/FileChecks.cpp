#include "settings/FileChecks.h"

#include <filesystem>
#include <system_error>

namespace quellard {

bool isBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

bool fileExists(const std::string &path)
{
    if (isBlank(path))
        return false;
    const std::filesystem::path p(path);
    const std::string name = p.filename().string();
    if (name.empty() || name.front() == '.')
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(p, error);
}

} // namespace quellard
