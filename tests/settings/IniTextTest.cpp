#include "settings/IniText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quellard::testing {

TEST(IniText, ReadsAsAProfileReaderWould)
{
    struct Case {
        const char *text, *section, *key;
        std::optional<std::string> expected;
    };
    for (const Case &c : {
             Case{" \t[ dECK\t] \r\n \tDEFAULT \t=  a b \t\r\n", " Deck", "default ", "a b"},
             Case{"[S]\nk=\"\"x\"\"\n", "S", "k", "\"x\""},   // one pair of quotes removed
             Case{"[S]\nk='  x '\n", "S", "k", "  x "},       // blanks inside quotes kept
             Case{"[S]\nk=\"x'\n", "S", "k", "\"x'"},         // mismatched quotes kept
             Case{"[S]\nk = a=b ; c\n", "S", "k", "a=b ; c"}, // no comment after a value
             Case{"[S]\n  ;k=a\nk=b\n", "S", "k", "b"},
             Case{"[S]\n#k=a\n", "S", "#k", "a"},
             Case{"[S]\nk=\n", "S", "k", ""},
             Case{"[De]ck]\nk=a\n", "De", "k", "a"},
             Case{"[S]\nk=a\nK=b\n", "S", "k", "a"},
             Case{"[S]\nother=1\n[s]\nk=b\n", "S", "k", std::nullopt}, // only the first section counts
             Case{"k=a\n[T]\nk=a\n[S]\n", "S", "k", std::nullopt},
             Case{"[S\nk=a\n", "S", "k", "a"}, // an unclosed bracket still names the section
             Case{"[Settings   \r\nSounds=0", "Settings", "Sounds", "0"},
             Case{"[Settings]\r\nSounds=0", " Settings ", " Sounds", "0"},              // the caller's spaces go
             Case{"[Settings]\r\nSounds=0", "\tSettings", "Sounds", std::nullopt},      // but not tabs
             Case{"\xEF\xBB\xBF[Settings]\r\nSounds=0\r\n", "Settings", "Sounds", "0"}, // a BOM
             Case{"[Deck]\rDefault=a\r[Settings]\rSounds=0", "Settings", "Sounds", "0"},
         }) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(iniValue(c.text, c.section, c.key), c.expected);
    }
}

TEST(IniText, WriteChangesOnlyWhatItMust)
{
    struct Case {
        const char *before, *section, *key, *value, *after;
    };
    for (const Case &c : {
             Case{"", "Deck", "Default", "imglake.gif", "[Deck]\r\nDefault=imglake.gif\r\n"},
             Case{"[Deck]\nDefault=a", "Settings", "Sounds", "0", "[Deck]\nDefault=a\r\n[Settings]\r\nSounds=0\r\n"},
             Case{";mine\n[DECK]\n  default = \"x\"  \n[Settings]\nSounds=1\n", "Deck", "Default", "y",
                  ";mine\n[DECK]\n  default = y\n[Settings]\nSounds=1\n"},
             Case{"[Deck]\rDefault=a\r[X]\r", "Deck", "Default", "b", "[Deck]\rDefault=b\r[X]\r"},
             Case{"[S]\nk=a\nk=b\n", "s", "K", "x", "[S]\nk=x\nk=b\n"},
             Case{"[D]\r\nA=1\r\n; note\r\n\r\n[E]\r\n", "D", "k", "x", "[D]\r\nA=1\r\nk=x\r\n; note\r\n\r\n[E]\r\n"},
             Case{"[S]\n;k=1\n", "S", "k", "0", "[S]\nk=0\r\n;k=1\n"},
             Case{"[S]\rk=a", "S", "j", "b", "[S]\rk=a\r\nj=b\r\n"},
             Case{"[S]\nA=1\n[s]\nk=b\n", "S", "k", "x", "[S]\nA=1\nk=x\r\n[s]\nk=b\n"},
             Case{"[Settings]\r\nSounds=0", "Settings", "Sounds", "1", "[Settings]\r\nSounds=1\r\n"},
             Case{"\xEF\xBB\xBF[Settings]\r\nSounds=0\r\n", "Settings", "Sounds", "1",
                  "\xEF\xBB\xBF[Settings]\r\nSounds=1\r\n"},
         }) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(iniWithValue(c.before, c.section, c.key, c.value), c.after);
    }
}

TEST(IniText, RefusesWhatWouldChangeTheFileStructure)
{
    const char *const refused[][3] = {{"  ", "k", "v"}, {"S]", "k", "v"},     {"S", "k=", "v"}, {"S", ";k", "v"},
                                      {"S", "[k", "v"}, {"S", "k", "a\r[T]"}, {"S", "\t", "v"}, {"S", "k\t", "v"}};
    for (const auto &[section, key, value] : refused) {
        SCOPED_TRACE(std::string(section) + "|" + key + "|" + value);
        EXPECT_FALSE(iniWithValue("[S]\nk=1\n", section, key, value));
    }
}

} // namespace quellard::testing
