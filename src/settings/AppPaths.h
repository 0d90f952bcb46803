#pragma once

#include <string>
#include <string_view>

namespace quellard {

// Paths of the files that lie in the application's folder, the folder of the executable. The
// folder may end in a separator (the root, "/") or not; either way one separator joins the parts.

// folder/fileName, for example the help page.
std::string appFilePath(std::string_view folder, std::string_view fileName);

// folder/subfolder/fileName, for example appFilePath(folder, "images", "imglake.gif").
std::string appFilePath(std::string_view folder, std::string_view subfolder, std::string_view fileName);

} // namespace quellard
