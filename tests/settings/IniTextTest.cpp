// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/IniText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace quellard::testing {

TEST(IniText, ReadsAsAProfileReaderWould)
{
    // clang-format off
    const std::tuple<const char *, const char *, const char *, std::optional<std::string>> cases[] = {
        {" \t[ dECK\t] \r\n \tDEFAULT \t=  a b \t\r\n", " Deck", "default ", "a b"},
        {"[S]\nk=\"\"x\"\"\n", "S", "k", "\"x\""}, {"[S]\nk='  x '\n", "S", "k", "  x "}, // one pair of quotes goes
        {"[S]\nk=\"x'\n", "S", "k", "\"x'"},       {"[S]\nk = a=b ; c\n", "S", "k", "a=b ; c"}, // no comment there
        {"[S]\n  ;k=a\nk=b\n", "S", "k", "b"},     {"[S]\n#k=a\n", "S", "#k", "a"},
        {"[S]\nk=\n", "S", "k", ""},               {"[De]ck]\nk=a\n", "De", "k", "a"},
        {"[S]\nk=\"\"\n", "S", "k", ""},           {"[AZ]\nk=a\n", "az", "k", "a"}, // A to Z in any case
        {"[S]\nk=a\nK=b\n", "S", "k", "a"},        {"k=a\n[T]\nk=a\n[S]\n", "S", "k", std::nullopt},
        {"[S]\nother=1\n[s]\nk=b\n", "S", "k", std::nullopt}, // only the first section counts
        {"[S\nk=a\n", "S", "k", "a"},              {"[Settings   \r\nSounds=0", "Settings", "Sounds", "0"}, // unclosed
        {"[Settings]\r\nSounds=0", " Settings ", " Sounds", "0"},            // the caller's spaces go
        {"[Settings]\r\nSounds=0", "\tSettings", "Sounds", std::nullopt},    // but not tabs
        {"\xEF\xBB\xBF[Settings]\r\nSounds=0\r\n", "Settings", "Sounds", "0"}, // a byte-order mark
        {"[Deck]\rDefault=a\r[Settings]\rSounds=0", "Settings", "Sounds", "0"},
        {"[Deck]\r\nDefault=a\r\n\r\n[Settings]\r\n\r\nSounds=0\r\n", "Settings", "Sounds", "0"}, // as a person spaces it
        {"[Deck]\r\n\r\nDefault=a\r\n\r\n[Settings]\r\n", "Deck", "Default", "a"}};
    // clang-format on
    for (const auto &[text, section, key, expected] : cases)
        EXPECT_EQ(iniValue(text, section, key), expected) << text;
}

TEST(IniText, WriteChangesOnlyWhatItMust)
{
    // clang-format off
    const std::tuple<const char *, const char *, const char *, const char *, const char *> cases[] = {
        {"", "Deck", "Default", "imglake.gif", "[Deck]\r\nDefault=imglake.gif\r\n"},
        {"[Deck]\nDefault=a", "Settings", "Sounds", "0", "[Deck]\nDefault=a\r\n[Settings]\r\nSounds=0\r\n"},
        {";mine\n[DECK]\n  default = \"x\"  \n[Settings]\nSounds=1\n", "Deck", "Default", "y",
         ";mine\n[DECK]\n  default = y\n[Settings]\nSounds=1\n"},
        {"[Deck]\rDefault=a\r[X]\r", "Deck", "Default", "b", "[Deck]\rDefault=b\r[X]\r"},
        {"[S]\nk=a\nk=b\n", "s", "K", "x", "[S]\nk=x\nk=b\n"},
        {"[D]\r\nA=1\r\n; note\r\n\r\n[E]\r\n", "D", "k", "x", "[D]\r\nA=1\r\nk=x\r\n; note\r\n\r\n[E]\r\n"},
        {"[S]\n;k=1\n", "S", "k", "0", "[S]\nk=0\r\n;k=1\n"}, {"[S]\rk=a", "S", "j", "b", "[S]\rk=a\r\nj=b\r\n"},
        {"[S]\nA=1\n[s]\nk=b\n", "S", "k", "x", "[S]\nA=1\nk=x\r\n[s]\nk=b\n"},
        {"[Settings]\r\nSounds=0", "Settings", "Sounds", "1", "[Settings]\r\nSounds=1\r\n"},
        {"[Deck]\r\nDefault=a\r\n\r\n[Settings]\r\n\r\nSounds=0\r\n", "Settings", "Sounds", "1",
         "[Deck]\r\nDefault=a\r\n\r\n[Settings]\r\n\r\nSounds=1\r\n"},
        {"\xEF\xBB\xBF[Settings]\r\nSounds=0\r\n", "Settings", "Sounds", "1",
         "\xEF\xBB\xBF[Settings]\r\nSounds=1\r\n"},
        {"\xEF\xBB\xBF[Settings]\r\n", "Deck", "Default", "a", "\xEF\xBB\xBF[Settings]\r\n[Deck]\r\nDefault=a\r\n"},
        {"\xEF\xBB\xBF[Deck]\r\n", "Deck", "Default", "a", "\xEF\xBB\xBF[Deck]\r\nDefault=a\r\n"}};
    // clang-format on
    for (const auto &[before, section, key, value, after] : cases)
        EXPECT_EQ(iniWithValue(before, section, key, value), after) << before;
    // Names and values that would change the file's structure are refused.
    const char *const refused[][3] = {{"  ", "k", "v"}, {"S]", "k", "v"},     {"S", "k=", "v"}, {"S", ";k", "v"},
                                      {"S", "[k", "v"}, {"S", "k", "a\r[T]"}, {"S", "\t", "v"}, {"S", "k\t", "v"}};
    for (const auto &[section, key, value] : refused)
        EXPECT_FALSE(iniWithValue("[S]\nk=1\n", section, key, value)) << section << "|" << key << "|" << value;
}

} // namespace quellard::testing
