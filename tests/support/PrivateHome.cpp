// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every test program runs in a home of its own: before main, HOME and the XDG folders point into a
// fresh temporary folder, removed at the end, so that no test touches the files of the person
// running it.
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct PrivateHome {
    std::filesystem::path home = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "quellard-test-home-XXXXXX").string();
        return std::filesystem::path(::mkdtemp(pattern.data()) ? pattern : "");
    }();
    PrivateHome()
    {
        for (const auto &[variable, below] : {std::pair{"HOME", ""},
                                              {"XDG_CONFIG_HOME", ".config"},
                                              {"XDG_CACHE_HOME", ".cache"},
                                              {"XDG_RUNTIME_DIR", "runtime"}}) {
            std::filesystem::create_directories(home / below);
            std::filesystem::permissions(home / below, std::filesystem::perms::owner_all);
            ::setenv(variable, (home / below).c_str(), 1);
        }
    }
    ~PrivateHome() { std::filesystem::remove_all(home); }
} const privateHome;

} // namespace
