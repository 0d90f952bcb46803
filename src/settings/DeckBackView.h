#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quellard {

// What the card-back choice needs from the table window.
class DeckBackView {
public:
    virtual ~DeckBackView() = default;

    // A modal message box with an OK button and the exclamation icon, titled with the game's title.
    virtual void showExclamation(std::string_view text) = 0;

    // Loads the picture and shows it in the deck pile and the three face-down card slots (the
    // dealer's first and the player's first two). Returns false, leaving the pictures as they were,
    // when the file cannot be decoded; the window tells the player itself.
    virtual bool showCardBack(const std::string &path) = 0;

    // Ticks or clears the deck menu item at this index of kDeckBacks.
    virtual void setTick(std::size_t item, bool ticked) = 0;
};

} // namespace quellard
