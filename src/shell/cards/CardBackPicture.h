// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <string>
#include <string_view>

namespace quellard {

// A card-back picture from its file, or a null image when the file cannot be read or decodes only
// in part: a GIF cut short would otherwise show with its lower part black, and be remembered.
QImage readCardBackPicture(const std::string &path);

// True when the bytes hold a GIF whose every block is there, up to its trailer, which may be
// missing.
bool gifIsComplete(std::string_view bytes);

} // namespace quellard
