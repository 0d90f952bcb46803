#pragma once

#include <string_view>

namespace quellard::messages {

// The game's refusals and its one question, word for word.
inline constexpr std::string_view kNotEnoughMoney = "You do not have enough money!!";
inline constexpr std::string_view kPleaseBetFirst = "Please bet first!!";
inline constexpr std::string_view kOutOfMoney =
    "Sorry. You seem to have run out of money.\n\nWould you like to start a new game?";

} // namespace quellard::messages
