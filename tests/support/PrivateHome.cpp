// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every test program runs in a home of its own: before main, HOME and the XDG folders point into a
// fresh temporary folder, removed again at the end. A fault in where the game keeps its settings
// then writes there, never into the settings of the person running the tests, and the programs
// pass with that person's home read-only.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

class PrivateHome {
public:
    PrivateHome()
    {
        const std::filesystem::path temporary = std::filesystem::temp_directory_path();
        std::string pattern = (temporary / "quellard-test-home-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            return;
        m_home = pattern;
        const std::pair<const char *, const char *> folders[] = {{"HOME", ""},
                                                                 {"XDG_CONFIG_HOME", ".config"},
                                                                 {"XDG_CACHE_HOME", ".cache"},
                                                                 {"XDG_DATA_HOME", ".local/share"},
                                                                 {"XDG_RUNTIME_DIR", "runtime"}};
        for (const auto &[variable, below] : folders) {
            const std::filesystem::path folder = m_home / below;
            std::error_code error;
            std::filesystem::create_directories(folder, error);
            std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
            ::setenv(variable, folder.c_str(), 1);
        }
    }
    ~PrivateHome()
    {
        std::error_code error;
        if (!m_home.empty())
            std::filesystem::remove_all(m_home, error);
    }
    PrivateHome(const PrivateHome &) = delete;
    PrivateHome &operator=(const PrivateHome &) = delete;

private:
    std::filesystem::path m_home;
};

const PrivateHome privateHome;

} // namespace
