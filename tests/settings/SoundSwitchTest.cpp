#include "settings/SoundRule.h"
#include "settings/SoundSwitch.h"

#include "settings/SoundFiles.h"
#include "settings/TempFolder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quellard {
namespace {

TEST(SoundSwitch, StartUpTickFromStoredValue)
{
    struct Case {
        std::optional<std::string> stored; // nothing: no settings file
        bool ticked;
    };
    for (const Case &c : {Case{std::nullopt, true}, Case{"", true}, Case{"1", true}, Case{"0", false},
                          Case{"yes", false}}) {
        SCOPED_TRACE(c.stored.value_or("(no file)"));
        testing::TempFolder folder;
        if (c.stored)
            folder.write("Quellard.ini", "[Settings]\r\nSounds=" + *c.stored + "\r\n");
        const SettingsStore store(folder.str());
        EXPECT_EQ(SoundSwitch(store).startUpTick(), c.ticked);
        EXPECT_EQ(folder.names().size(), c.stored ? 1u : 0u); // start-up writes nothing
    }
}

TEST(SoundSwitch, ClickFlipsAndStoresAtOnce)
{
    testing::TempFolder folder;
    folder.write("Quellard.ini", "[Deck]\r\nDefault=imglake.gif\r\n");
    const SettingsStore store(folder.str());
    const SoundSwitch sound(store);

    EXPECT_FALSE(sound.soundClick(true));
    EXPECT_EQ(folder.read("Quellard.ini"), "[Deck]\r\nDefault=imglake.gif\r\n[Settings]\r\nSounds=0\r\n");
    EXPECT_FALSE(sound.startUpTick());

    EXPECT_TRUE(sound.soundClick(false));
    EXPECT_EQ(store.readSetting("Settings", "Sounds"), "1");
    EXPECT_TRUE(sound.startUpTick());
}

TEST(SoundRule, OnlyTheInsuranceSoundIgnoresTheSwitch)
{
    EXPECT_TRUE(soundPlays(sounds::kInsurance, false));
    EXPECT_TRUE(soundPlays(sounds::kInsurance, true));
    EXPECT_FALSE(soundPlays(sounds::kCard, false));
    EXPECT_TRUE(soundPlays(sounds::kCard, true));
    EXPECT_FALSE(soundPlays("Insurance.wav", false));
    EXPECT_EQ(soundFilePath("/opt/q", sounds::kDealerBust), "/opt/q/sounds/Explode.wav");
}

} // namespace
} // namespace quellard
