// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace quellard {

// Plays a sound file and returns at once. A new sound replaces one that is still playing. The path
// is the file system's own bytes.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void play(const std::string &path) = 0;
};

} // namespace quellard
