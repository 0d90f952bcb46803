#include "settings/AppPaths.h"

namespace quellard {

std::string appFilePath(std::string_view folder, std::string_view fileName)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += fileName;
    return path;
}

std::string appFilePath(std::string_view folder, std::string_view subfolder, std::string_view fileName)
{
    return appFilePath(appFilePath(folder, subfolder), fileName);
}

} // namespace quellard
