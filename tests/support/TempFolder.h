// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <stdlib.h>

namespace quellard::testing {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quellard-settings-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(m_path, m_ignored); }

    std::string str() const { return m_path.string(); }
    std::string file(std::string_view relative) const { return (m_path / relative).string(); }
    // Writes the bytes to a file below the folder, creating the folders on the way.
    std::string write(std::string_view relative, std::string_view bytes) const
    {
        std::filesystem::create_directories((m_path / relative).parent_path());
        std::ofstream(m_path / relative, std::ios::binary) << bytes;
        return file(relative);
    }
    std::string read(std::string_view relative) const
    {
        std::ifstream in(m_path / relative, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // How many entries lie directly in the folder, to see that nothing was created or left behind.
    long entries() const { return std::distance(std::filesystem::directory_iterator(m_path), {}); }

private:
    std::filesystem::path m_path;
    std::error_code m_ignored;
};

} // namespace quellard::testing
