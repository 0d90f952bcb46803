// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/IniText.h"

#include "settings/AsciiCase.h"
#include <algorithm>
#include <cstddef>

namespace quellard {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kNewLine = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Names and values in the file lose the blanks and tabs around them.
std::string_view trimmed(std::string_view text, std::string_view blanks = kBlanks)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// The caller's section and key names lose only the spaces around them.
std::string_view callersName(std::string_view name) { return trimmed(name, " "); }

std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

enum class LineKind { Other, Section, Key };

// One line of the text: its content is [begin, end), its line break [end, next).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    LineKind kind = LineKind::Other;
    std::string_view name;       // the section or key name, trimmed
    std::string_view value;      // a key line's value, trimmed, quotes kept
    std::size_t afterEquals = 0; // just after the '='
    std::size_t valueBegin = 0;  // after the '=' and the blanks that follow it

    bool hasBreak() const { return next > end; }
};

Line classify(std::string_view text, std::size_t begin, std::size_t end, std::size_t next)
{
    Line line;
    line.begin = begin;
    line.end = end;
    line.next = next;
    const std::string_view content = text.substr(begin, end - begin);
    const std::string_view body = trimmed(content);
    if (body.empty() || body.front() == ';')
        return line;
    if (body.front() == '[') {
        // The name ends at the first ']', or with the line when there is none.
        const std::size_t close = body.find(']');
        line.kind = LineKind::Section;
        line.name = trimmed(body.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        return line;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return line;
    line.kind = LineKind::Key;
    line.name = trimmed(content.substr(0, equals));
    const std::string_view afterEquals = content.substr(equals + 1);
    line.value = trimmed(afterEquals);
    const std::size_t firstNonBlank = afterEquals.find_first_not_of(kBlanks);
    line.afterEquals = begin + equals + 1;
    line.valueBegin = line.afterEquals + (firstNonBlank == std::string_view::npos ? 0 : firstNonBlank);
    return line;
}

// Walks the text line by line; a lone CR, a lone LF and CR LF each end a line.
class LineReader {
public:
    // A byte-order mark before the first line is not part of it.
    explicit LineReader(std::string_view text)
        : m_text(text),
          m_pos(text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0)
    {}

    bool next(Line &line)
    {
        if (m_pos >= m_text.size())
            return false;
        const std::size_t begin = m_pos;
        std::size_t end = m_text.find_first_of(kNewLine, begin);
        if (end == std::string_view::npos)
            end = m_text.size();
        // The next line starts after the break: one character, or two for CR LF.
        std::size_t next = std::min(end + 1, m_text.size());
        if (end < m_text.size() && m_text[end] == '\r' && next < m_text.size() && m_text[next] == '\n')
            ++next;
        m_pos = next;
        line = classify(m_text, begin, end, next);
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos;
};

// Where a key stands, or would go, in the first section of the given name.
struct KeyPlace {
    bool sectionFound = false;
    std::optional<Line> keyLine; // the first key line of that name in the section
    Line lastLine;               // the header or the section's last key line: a new key goes after it
};

KeyPlace findKey(std::string_view text, std::string_view section, std::string_view key)
{
    KeyPlace place;
    LineReader reader(text);
    Line line;
    while (reader.next(line)) {
        if (line.kind == LineKind::Section) {
            if (place.sectionFound)
                break;
            if (equalIgnoringCase(line.name, section)) {
                place.sectionFound = true;
                place.lastLine = line;
            }
        } else if (place.sectionFound && line.kind == LineKind::Key) {
            place.lastLine = line;
            if (equalIgnoringCase(line.name, key)) {
                place.keyLine = line;
                break;
            }
        }
    }
    return place;
}

} // namespace

std::optional<std::string> iniValue(std::string_view text, std::string_view section, std::string_view key)
{
    const KeyPlace place = findKey(text, callersName(section), callersName(key));
    if (!place.keyLine)
        return std::nullopt;
    return std::string(unquoted(place.keyLine->value));
}

bool iniCanStore(std::string_view section, std::string_view key, std::string_view value)
{
    section = callersName(section);
    key = callersName(key);
    const auto hasBreak = [](std::string_view s) { return s.find_first_of(kNewLine) != std::string_view::npos; };
    // A name that the file's own trimming would change (a tab at either end) could not be read back.
    if (section.empty() || key.empty() || trimmed(section) != section || trimmed(key) != key || hasBreak(section) ||
        hasBreak(key) || hasBreak(value))
        return false;
    return section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
           key.front() != '[' && key.front() != ';';
}

std::optional<std::string> iniWithValue(std::string_view text, std::string_view section, std::string_view key,
                                        std::string_view value)
{
    if (!iniCanStore(section, key, value))
        return std::nullopt;
    section = callersName(section);
    key = callersName(key);
    const KeyPlace place = findKey(text, section, key);

    std::string result;
    result.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (place.keyLine) {
        // Only the value changes; the key's spelling, the blanks before the value and the line
        // break stay as the file had them. An empty value, or one that brings blanks of its own,
        // replaces the old blanks too, so that writing it again changes nothing.
        const bool fromEquals = value.empty() || value.front() == ' ' || value.front() == '\t';
        result.append(text.substr(0, fromEquals ? place.keyLine->afterEquals : place.keyLine->valueBegin));
        result.append(value);
        result.append(text.substr(place.keyLine->end));
        // The last line of a file gets its line break with its new value.
        if (!place.keyLine->hasBreak())
            result.append(kNewLine);
    } else if (place.sectionFound) {
        const std::size_t at = place.lastLine.next;
        result.append(text.substr(0, at));
        if (!place.lastLine.hasBreak())
            result.append(kNewLine);
        result.append(key).append("=").append(value).append(kNewLine);
        result.append(text.substr(at));
    } else {
        result.append(text);
        if (!text.empty() && text.back() != '\n' && text.back() != '\r')
            result.append(kNewLine);
        result.append("[").append(section).append("]").append(kNewLine);
        result.append(key).append("=").append(value).append(kNewLine);
    }
    return result;
}

} // namespace quellard
