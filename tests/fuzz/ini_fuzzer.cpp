// Random settings files and random reads and writes against the INI text functions. Besides not
// crashing, every write must read back as the value written, keep every line outside the one
// section it touches, and change at most one line of that section (or add one).

#include "settings/IniText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quellard;

// Stops the run at a broken rule, naming it, so that libFuzzer keeps the input.
#define check(condition)                                                                                               \
    ((condition) ? void() : (std::fprintf(stderr, "ini_fuzzer: %s (line %d)\n", #condition, __LINE__), std::abort()))

std::string_view trimmed(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    return first == std::string_view::npos ? s.substr(0, 0) : s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string folded(std::string_view s)
{
    std::string out(trimmed(s));
    for (char &c : out)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return out;
}

// The text cut into sections, each its folded name (empty before the first header) followed by
// its lines without their breaks, so that ending a last unended line counts as no change.
std::vector<std::vector<std::string>> sections(std::string_view text)
{
    std::vector<std::vector<std::string>> result{{""}};
    for (std::size_t pos = 0, end = 0; pos < text.size(); pos = end + (text.substr(end, 2) == "\r\n" ? 2 : 1)) {
        end = std::min(text.find_first_of("\r\n", pos), text.size());
        const std::string_view line = text.substr(pos, end - pos), body = trimmed(line);
        if (body.starts_with('[') && body.find(']') != std::string_view::npos)
            result.push_back({folded(body.substr(1, body.find(']') - 1))});
        result.back().emplace_back(line);
    }
    return result;
}

std::optional<std::string> checkedWrite(std::string_view before, const std::string &section, const std::string &key,
                                        std::string_view value)
{
    const std::optional<std::string> after = iniWithValue(before, section, key, value);
    check(after.has_value() == iniCanStore(section, key, value));
    if (!after)
        return after;
    std::string_view readForm = trimmed(value);
    if (readForm.size() >= 2 && (readForm[0] == '"' || readForm[0] == '\'') && readForm.back() == readForm[0])
        readForm = readForm.substr(1, readForm.size() - 2);
    check(iniValue(*after, section, key) == readForm);
    check(iniWithValue(*after, section, key, value) == after);

    auto old = sections(before), now = sections(*after);
    std::size_t target = 1;
    while (target < old.size() && old[target][0] != folded(section))
        ++target;
    if (target == old.size()) { // a new section at the end: its header and the key line
        check(now.size() == old.size() + 1 && now.back().size() == 3 && now.back()[0] == folded(section));
        now.pop_back();
    }
    check(now.size() == old.size());
    for (std::size_t i = 0; i < old.size(); ++i)
        check(i == target || now[i] == old[i]);
    if (target < old.size()) {
        // In the section written the header stays, and so does every line but one (or one is added).
        const auto &was = old[target], &is = now[target];
        const std::size_t shorter = std::min(was.size(), is.size());
        std::size_t head = 0, tail = 0;
        while (head < shorter && was[head] == is[head])
            ++head;
        while (tail < shorter - head && was[was.size() - 1 - tail] == is[is.size() - 1 - tail])
            ++tail;
        check(head >= 2 && is.size() - was.size() <= 1 && head + tail + 1 >= is.size());
    }
    return after;
}

constexpr std::array<std::string_view, 10> kNames{"Deck",   "deck", " DECK\t", "Settings", "Default",
                                                  "Sounds", "S",    "k",       "",         "[x]"};

std::string name(FuzzedDataProvider &data)
{
    const std::uint8_t pick = data.ConsumeIntegral<std::uint8_t>();
    return pick < 2 * kNames.size() ? std::string(kNames[pick % kNames.size()]) : data.ConsumeRandomLengthString(12);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // The first part is the file; what follows is a sequence of reads and writes on it.
    std::string text = data.ConsumeRandomLengthString(2048);
    for (int step = 0; step < 16 && data.remaining_bytes() > 0; ++step) {
        const bool write = data.ConsumeBool();
        const std::string section = name(data), key = name(data);
        if (!write)
            check(iniValue(text, section, key).value_or("").find_first_of("\r\n") == std::string::npos);
        else if (auto after = checkedWrite(text, section, key, data.ConsumeRandomLengthString(40)))
            text = std::move(*after);
    }
    return 0;
}
