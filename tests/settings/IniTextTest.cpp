#include "settings/IniText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quellard {
namespace {

struct ReadCase {
    const char *name;
    std::string text;
    const char *section;
    const char *key;
    std::optional<std::string> expected;
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsTheValueAsAProfileReaderWould)
{
    const ReadCase &c = GetParam();
    EXPECT_EQ(iniValue(c.text, c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRead,
    ::testing::Values(
        ReadCase{"Plain", "[Deck]\r\nDefault=imglake.gif\r\n", "Deck", "Default", "imglake.gif"},
        ReadCase{"NamesIgnoreCase", "[dECK]\nDEFAULT=x\n", "Deck", "default", "x"},
        ReadCase{"BlanksAndTabsTrimmed", " \t[ Deck\t] \n \tDefault \t=  a b \t\n", " Deck", "Default ", "a b"},
        ReadCase{"DoubleQuotesRemoved", "[S]\nk=\"  x \"\n", "S", "k", "  x "},
        ReadCase{"SingleQuotesRemoved", "[S]\nk='x'\n", "S", "k", "x"},
        ReadCase{"OnlyOnePairRemoved", "[S]\nk=\"\"x\"\"\n", "S", "k", "\"x\""},
        ReadCase{"MismatchedQuotesKept", "[S]\nk=\"x'\n", "S", "k", "\"x'"},
        ReadCase{"EmptyValueIsPresent", "[S]\nk=\n", "S", "k", ""},
        ReadCase{"ValueMayHoldEquals", "[S]\nk = a=b\n", "S", "k", "a=b"},
        ReadCase{"SemicolonLineIsComment", "[S]\n  ;k=a\nk=b\n", "S", "k", "b"},
        ReadCase{"HashLineIsAKey", "[S]\n#k=a\n", "S", "#k", "a"},
        ReadCase{"NoInlineComments", "[S]\nk=1 ; on\n", "S", "k", "1 ; on"},
        ReadCase{"SectionEndsAtFirstBracket", "[De]ck]\nk=a\n", "De", "k", "a"},
        ReadCase{"FirstKeyWins", "[S]\nk=a\nK=b\n", "S", "k", "a"},
        ReadCase{"FirstSectionWins", "[S]\nother=1\n[s]\nk=b\n", "S", "k", std::nullopt},
        ReadCase{"KeyOfAnotherSection", "[T]\nk=a\n[S]\n", "S", "k", std::nullopt},
        ReadCase{"KeyBeforeAnySection", "k=a\n[S]\n", "S", "k", std::nullopt},
        ReadCase{"UnclosedHeaderIsNoSection", "[S\nk=a\n", "S", "k", std::nullopt},
        ReadCase{"LineWithoutEqualsIgnored", "[S]\nk\nk=x\n", "S", "k", "x"},
        ReadCase{"LoneCrEndsLines", "[Deck]\rDefault=a\r[Settings]\rSounds=0", "Settings", "Sounds", "0"},
        ReadCase{"Garbage", std::string("\x00\xff[\x01=]\x89PNG\r\n\x1a", 13), "S", "k", std::nullopt}),
    [](const ::testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

struct WriteCase {
    const char *name;
    std::string before;
    const char *section;
    const char *key;
    const char *value;
    std::string after;
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, ChangesOnlyWhatItMust)
{
    const WriteCase &c = GetParam();
    const std::optional<std::string> after = iniWithValue(c.before, c.section, c.key, c.value);
    ASSERT_TRUE(after);
    EXPECT_EQ(*after, c.after);
    EXPECT_EQ(iniValue(*after, c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWrite,
    ::testing::Values(
        WriteCase{"EmptyFile", "", "Deck", "Default", "imglake.gif", "[Deck]\r\nDefault=imglake.gif\r\n"},
        WriteCase{"NewSectionAfterLast", "[Deck]\r\nDefault=imglake.gif\r\n", "Settings", "Sounds", "0",
                  "[Deck]\r\nDefault=imglake.gif\r\n[Settings]\r\nSounds=0\r\n"},
        WriteCase{"NewSectionAfterUnendedLine", "[Deck]\nDefault=a", "Settings", "Sounds", "0",
                  "[Deck]\nDefault=a\r\n[Settings]\r\nSounds=0\r\n"},
        WriteCase{"ReplaceKeepsSpellingAndLayout",
                  ";mine\n[DECK]\n  default = \"imgroman_wall.gif\"  \n[Settings]\nSounds=1\n", "Deck", "Default",
                  "imglake.gif", ";mine\n[DECK]\n  default = imglake.gif\n[Settings]\nSounds=1\n"},
        WriteCase{"ReplaceKeepsLoneCr", "[Deck]\rDefault=a\r[X]\r", "Deck", "Default", "b", "[Deck]\rDefault=b\r[X]\r"},
        WriteCase{"ReplaceFirstOfDuplicates", "[S]\nk=a\nk=b\n", "s", "K", "x", "[S]\nk=x\nk=b\n"},
        WriteCase{"NewKeyAfterLastKeyLine", "[Deck]\r\nA=1\r\n; note\r\n\r\n[Settings]\r\n", "Deck", "Default", "x",
                  "[Deck]\r\nA=1\r\nDefault=x\r\n; note\r\n\r\n[Settings]\r\n"},
        WriteCase{"NewKeyInEmptySection", "[Settings]\n;Sounds=1\n", "Settings", "Sounds", "0",
                  "[Settings]\nSounds=0\r\n;Sounds=1\n"},
        WriteCase{"NewKeyAfterUnendedLine", "[S]\rk=a", "S", "j", "b", "[S]\rk=a\r\nj=b\r\n"},
        WriteCase{"NewKeyGoesToFirstOfDuplicateSections", "[S]\nA=1\n[s]\nk=b\n", "S", "k", "x",
                  "[S]\nA=1\nk=x\r\n[s]\nk=b\n"},
        WriteCase{"CommentedKeyIsNotReplaced", "[S]\n;k=a\n", "S", "k", "b", "[S]\nk=b\r\n;k=a\n"},
        WriteCase{"GarbageKept", std::string("\x01\xfe;\x00", 4), "S", "k", "v",
                  std::string("\x01\xfe;\x00\r\n[S]\r\nk=v\r\n", 16)}),
    [](const ::testing::TestParamInfo<WriteCase> &info) { return std::string(info.param.name); });

TEST(IniWrite, RefusesWhatWouldChangeTheFileStructure)
{
    struct Refused {
        const char *section;
        const char *key;
        const char *value;
    };
    for (const Refused &r : {Refused{"  ", "k", "v"}, Refused{"S]", "k", "v"}, Refused{"S", "k=", "v"},
                             Refused{"S", ";k", "v"}, Refused{"S", "[k", "v"}, Refused{"S", "k", "a\r[T]"}}) {
        SCOPED_TRACE(std::string(r.section) + "|" + r.key + "|" + r.value);
        EXPECT_FALSE(iniWithValue("[S]\nk=1\n", r.section, r.key, r.value));
    }
}

} // namespace
} // namespace quellard
