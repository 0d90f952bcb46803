// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

namespace quellard {

// Why a card back could not be shown. Each has its message box; the window words it.
enum class DeckBackProblem {
    FileDoesNotExist,          // the chosen item's picture is not in the images folder
    SelectedImageDoesNotExist, // the picture to load (the stored one at start-up) is not there
};

// What the card-back choice needs from the table window.
class DeckBackView {
public:
    virtual ~DeckBackView() = default;

    // A modal message box with an OK button.
    virtual void reportProblem(DeckBackProblem problem) = 0;

    // Loads the picture and shows it in the deck pile and the three face-down card slots (the
    // dealer's first and the player's first two). Returns false, leaving the pictures as they were,
    // when the file cannot be decoded; the window tells the player itself.
    virtual bool showCardBack(const std::string &path) = 0;

    // Ticks or clears the deck menu item at this index of kDeckBacks.
    virtual void setTick(std::size_t item, bool ticked) = 0;
};

} // namespace quellard
