// Random settings files and random reads and writes against the INI text functions. Besides not
// crashing, every write must keep every line outside the one section it touches, change at most
// one line of that section (or add one), and read back as the value written.

#include "settings/IniText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using quellard::iniCanStore;
using quellard::iniValue;
using quellard::iniWithValue;

// Stops the run at a broken rule, naming it, so that libFuzzer keeps the input.
#define check(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "ini_fuzzer: %s (line %d)\n", #condition, __LINE__);              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

std::string_view trimmed(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string folded(std::string_view s)
{
    std::string out(trimmed(s));
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

// What a read gives back for a value written as it stands.
std::string readForm(std::string_view value)
{
    value = trimmed(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// The text cut into sections: the lines before the first header, then each header with its
// lines. Line breaks are left out, so that terminating a last unended line counts as no change.
struct Section {
    std::string name; // folded; empty for the lines before the first header
    std::vector<std::string> lines;
};

std::vector<Section> sections(std::string_view text)
{
    std::vector<Section> result(1);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size())
            pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;

        const std::string_view body = trimmed(line);
        if (!body.empty() && body.front() == '[' && body.find(']') != std::string_view::npos)
            result.push_back({folded(body.substr(1, body.find(']') - 1)), {}});
        result.back().lines.emplace_back(line);
    }
    return result;
}

// True when `after` is `before` with one line changed or one line added.
bool oneLineApart(const std::vector<std::string> &before, const std::vector<std::string> &after)
{
    std::size_t i = 0;
    while (i < before.size() && i < after.size() && before[i] == after[i])
        ++i;
    if (after.size() == before.size())
        return i == before.size() || std::equal(before.begin() + long(i) + 1, before.end(), after.begin() + long(i) + 1);
    if (after.size() == before.size() + 1)
        return std::equal(before.begin() + long(i), before.end(), after.begin() + long(i) + 1);
    return false;
}

void checkWrite(std::string_view before, std::string_view section, std::string_view key, std::string_view value)
{
    const std::optional<std::string> after = iniWithValue(before, section, key, value);
    check(after.has_value() == iniCanStore(section, key, value));
    if (!after)
        return;
    check(iniValue(*after, section, key) == readForm(value));
    check(iniWithValue(*after, section, key, value) == after);

    const std::vector<Section> old = sections(before);
    const std::vector<Section> now = sections(*after);
    const std::string target = folded(section);
    std::size_t firstTarget = old.size();
    for (std::size_t i = 1; i < old.size() && firstTarget == old.size(); ++i)
        if (old[i].name == target)
            firstTarget = i;

    if (firstTarget == old.size()) {
        // A new section at the end; everything before it as it was.
        check(now.size() == old.size() + 1);
        for (std::size_t i = 0; i < old.size(); ++i)
            check(now[i].lines == old[i].lines);
        check(now.back().name == target && now.back().lines.size() == 2);
        return;
    }
    check(now.size() == old.size());
    for (std::size_t i = 0; i < old.size(); ++i) {
        check(now[i].name == old[i].name);
        if (i != firstTarget)
            check(now[i].lines == old[i].lines);
    }
    check(now[firstTarget].lines.front() == old[firstTarget].lines.front());
    check(oneLineApart(old[firstTarget].lines, now[firstTarget].lines));
}

constexpr std::array<std::string_view, 10> kNames{
    "Deck", "deck", " DECK\t", "Settings", "Default", "Sounds", "S", "k", "", "[x]"};

std::string name(FuzzedDataProvider &data)
{
    const std::uint8_t pick = data.ConsumeIntegral<std::uint8_t>();
    if (pick < 2 * kNames.size())
        return std::string(kNames[pick % kNames.size()]);
    return data.ConsumeRandomLengthString(12);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // The first part is the file; what follows is a sequence of reads and writes on it.
    std::string text = data.ConsumeRandomLengthString(2048);
    for (int step = 0; step < 16 && data.remaining_bytes() > 0; ++step) {
        const bool write = data.ConsumeBool();
        const std::string section = name(data);
        const std::string key = name(data);
        if (!write) {
            const std::optional<std::string> value = iniValue(text, section, key);
            check(!value || value->find_first_of("\r\n") == std::string::npos);
            continue;
        }
        const std::string value = data.ConsumeRandomLengthString(40);
        checkWrite(text, section, key, value);
        if (std::optional<std::string> after = iniWithValue(text, section, key, value))
            text = std::move(*after);
    }
    return 0;
}
