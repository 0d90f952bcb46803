// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random settings files and random reads and writes against the INI text functions. Besides not
// crashing: a read never returns a line break, a write succeeds exactly when the names can be
// stored, reads back as the value written (as a profile reader sees it) and, done again, changes
// nothing more.
#include "settings/IniText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace quellard;

// Stops the run at a broken rule, naming it, so that libFuzzer keeps the input.
#define check(condition)                                                                                               \
    ((condition) ? void() : (std::fprintf(stderr, "ini_fuzzer: %s (line %d)\n", #condition, __LINE__), std::abort()))

// The value as a reader gets it back: without the blanks around it and one pair of quotes.
std::string readForm(std::string_view value)
{
    const std::size_t first = value.find_first_not_of(" \t");
    value = first == std::string_view::npos ? value.substr(0, 0)
                                            : value.substr(first, value.find_last_not_of(" \t") - first + 1);
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

constexpr std::string_view kNames[] = {"Deck", "deck", " DECK ", "Settings", "Default", "Sounds", "S", "k", "", "[x]"};

std::string name(FuzzedDataProvider &data)
{
    const auto pick = data.ConsumeIntegral<std::uint8_t>();
    return pick < 2 * std::size(kNames) ? std::string(kNames[pick % std::size(kNames)])
                                        : data.ConsumeRandomLengthString(12);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // The first part is the file; what follows is a sequence of reads and writes on it.
    std::string text = data.ConsumeRandomLengthString(2048);
    for (int step = 0; step < 16 && data.remaining_bytes() > 0; ++step) {
        const std::string section = name(data), key = name(data);
        if (!data.ConsumeBool()) {
            check(iniValue(text, section, key).value_or("").find_first_of("\r\n") == std::string::npos);
            continue;
        }
        const std::string value = data.ConsumeRandomLengthString(40);
        const auto after = iniWithValue(text, section, key, value);
        check(after.has_value() == iniCanStore(section, key, value));
        if (!after)
            continue;
        check(iniValue(*after, section, key) == readForm(value));
        check(iniWithValue(*after, section, key, value) == after);
        text = *after;
    }
    return 0;
}
