#include "settings/SoundSwitch.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quellard::testing {

TEST(SoundSwitch, OnlyAnEmptyEntryOrOneMeansOn)
{
    for (const auto &[stored, ticked] : {std::pair{"", true}, {"1", true}, {"0", false}, {"yes", false}}) {
        SCOPED_TRACE(stored);
        testing::TempFolder folder;
        folder.write("Quellard.ini", std::string("[Settings]\r\nSounds=") + stored + "\r\n");
        const SettingsStore store(folder.str());
        EXPECT_EQ(SoundSwitch(store).startUpTick(), ticked);
    }
}

} // namespace quellard::testing
