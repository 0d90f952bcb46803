// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quellard {

// One picture for the back of the cards, as offered in Options > Deck.
struct DeckBack {
    std::string_view menuName; // the menu item's object name
    std::string_view caption;  // the menu item's text
    std::string_view fileName; // the picture in the images folder, also the value stored
};

// The card backs in menu order; the Default item comes first, then a separator, then the rest. The
// menu, its ticks and the stored choice all follow this list: a new back is a row here and its picture.
inline constexpr auto kDeckBacks = std::to_array<DeckBack>({
    {"mnuDefault", "Default", "imgdefault.gif"},
    {"mnuRomanWall", "Roman Wall", "imgroman_wall.gif"},
    {"mnuTyneBridge", "Tyne Bridge", "imgtyne_bridge.gif"},
    {"mnuBigCat", "Big Cat", "imgbig_cat.gif"},
    {"mnuLake", "Lake", "imglake.gif"},
    {"mnuMarine", "Marine Life", "imgmarine.gif"},
    {"mnuBruce_Almighty", "Bruce Almighty", "imgbruce_almighty.gif"},
});

inline constexpr std::size_t kDefaultDeckBack = 0;

// Where the choice is stored in the settings file.
inline constexpr std::string_view kDeckSection = "Deck";
inline constexpr std::string_view kDeckKey = "Default";

// The folder of the pictures, beside the executable.
inline constexpr std::string_view kImagesFolder = "images";

} // namespace quellard
