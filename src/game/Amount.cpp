#include "game/Amount.h"

#include <charconv>
#include <system_error>

namespace quellard {

std::string formatAmount(double amount)
{
    if (amount == 0.0)
        amount = 0.0; // never show "-0"
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, amount);
    if (error != std::errc{})
        return "0";
    return std::string(buffer, end);
}

std::optional<double> parseAmount(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace quellard
