#include "settings/DeckBackSelection.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quellard::testing {

// What the window is asked to do, in a folder holding the pictures named and a settings file whose
// Deck/Default entry is `stored`.
struct DeckBacks : DeckBackView {
    DeckBacks(const std::string &stored, std::initializer_list<const char *> pictures = {})
    {
        for (const char *picture : pictures)
            folder.write(std::string("images/") + picture, "GIF89a");
        folder.write("Quellard.ini", "[Deck]\r\nDefault=" + stored + "\r\n");
    }
    using enum DeckBackProblem;
    void reportProblem(DeckBackProblem p) override { log(p == FileDoesNotExist ? "missing" : "absent"); }
    bool showCardBack(const std::string &p) override { return log("show " + p.substr(folder.str().size())), true; }
    void setTick(std::size_t item, bool ticked) override { log((ticked ? "tick " : "clear ") + std::to_string(item)); }
    void log(const std::string &event) { events += (events.empty() ? "" : ", ") + event; }

    TempFolder folder;
    SettingsStore store{folder.str()};
    DeckBackSelection selection{store, *this};
    std::string events;
};

// The ticks follow the stored name, in any letter case, when the menu opens; an unknown name ticks
// nothing, and no name ticks Default and leaves the others.
TEST(DeckBackSelection, TicksFollowTheStoredNameWhenTheMenuOpens)
{
    for (const auto &[stored, ticks] :
         {std::pair{"IMGLAKE.GIF", "tick 4, clear 0, clear 1, clear 2, clear 3, clear 5, clear 6"},
          {"mine.gif", ""},
          {"", "tick 0"}}) {
        DeckBacks d(stored);
        d.selection.optionsMenuOpened();
        EXPECT_EQ(d.events, ticks) << stored;
    }
}

// The stored name is used as it stands, found in any letter case; a hidden file does not count.
TEST(DeckBackSelection, PicturesAreFoundInAnyLetterCase)
{
    for (const auto &[stored, onDisk, shown] : {std::tuple{"IMGLAKE.GIF", "imglake.gif", "show /images/imglake.gif"},
                                                {"mine.gif", "Mine.GIF", "show /images/Mine.GIF"},
                                                {"imglake.gif", ".imglake.gif", "absent"}}) {
        DeckBacks d(stored, {onDisk});
        d.selection.applyStoredChoice();
        EXPECT_EQ(d.events, shown) << stored << " with " << onDisk << " on disk";
    }
    DeckBacks chosen("imgmarine.gif", {"ImgLake.GIF"});
    chosen.selection.menuItemClick(4); // Lake
    chosen.selection.menuItemClick(5); // Marine Life, missing: the stored choice stays
    EXPECT_EQ(chosen.events, "show /images/ImgLake.GIF, missing");
    EXPECT_EQ(chosen.store.readSetting("Deck", "Default"), "imglake.gif") << "the item's own name is stored";
}

} // namespace quellard::testing
