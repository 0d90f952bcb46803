#include "settings/DeckBackSelection.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quellard {
namespace {

using Events = std::vector<std::string>;

// Records what the window was asked to do, one line per request.
struct RecordingView : DeckBackView {
    void reportProblem(DeckBackProblem problem) override
    {
        events.push_back(problem == DeckBackProblem::FileDoesNotExist ? "file does not exist"
                                                                      : "selected image does not exist");
    }
    bool showCardBack(const std::string &path) override
    {
        events.push_back("show " + path.substr(path.rfind("/images/") + 1));
        return true;
    }
    void setTick(std::size_t item, bool ticked) override
    {
        events.push_back((ticked ? "tick " : "clear ") + std::to_string(item));
    }
    Events events;
};

// A folder holding the pictures and a settings file whose Deck/Default entry is `stored`.
struct DeckFixture {
    DeckFixture(const std::string &stored, const std::vector<std::string> &pictures = {})
    {
        for (const std::string &picture : pictures)
            folder.write("images/" + picture, "GIF89a");
        folder.write("Quellard.ini", "[Deck]\r\nDefault=" + stored + "\r\n");
    }
    testing::TempFolder folder;
    SettingsStore store{folder.str()};
    RecordingView view;
    DeckBackSelection selection{store, view};
};

TEST(DeckBackSelection, TicksFollowTheStoredNameWhenTheMenuOpens)
{
    const Events lake{"tick 4", "clear 0", "clear 1", "clear 2", "clear 3", "clear 5", "clear 6"};
    for (const auto &[stored, expected] : {std::pair<std::string, Events>{"IMGLAKE.GIF", lake},
                                           {"mine.gif", {}},
                                           {"", {"tick 0"}}}) { // other ticks stay as they are
        SCOPED_TRACE(stored);
        DeckFixture f(stored);
        f.selection.optionsMenuOpened();
        EXPECT_EQ(f.view.events, expected);
    }
}

TEST(DeckBackSelection, StartUpUsesTheStoredNameAndFindsItInAnyLetterCase)
{
    struct Case {
        const char *stored, *onDisk, *shown;
    };
    for (const Case &c : {Case{"IMGLAKE.GIF", "IMGLAKE.GIF", "show images/IMGLAKE.GIF"},
                          Case{"IMGLAKE.GIF", "imglake.gif", "show images/imglake.gif"},
                          Case{"mine.gif", "Mine.GIF", "show images/Mine.GIF"},
                          Case{"imglake.gif", ".imglake.gif", "selected image does not exist"}}) {
        DeckFixture f(c.stored, {c.onDisk});
        f.selection.applyStoredChoice();
        EXPECT_EQ(f.view.events, Events{c.shown}) << c.stored << " with " << c.onDisk << " on disk";
    }
}

TEST(DeckBackSelection, ChoosingAPictureFindsItInAnyLetterCase)
{
    DeckFixture f("", {"ImgLake.GIF"});
    f.selection.menuItemClick(4);
    EXPECT_EQ(f.view.events, Events{"show images/ImgLake.GIF"});
    EXPECT_EQ(f.store.readSetting("Deck", "Default"), "imglake.gif") << "the item's own name is stored";
}

TEST(DeckBackSelection, ChoosingAMissingPictureKeepsTheStoredOne)
{
    DeckFixture f("imgmarine.gif", {"imgmarine.gif"});
    f.selection.menuItemClick(4);
    f.selection.menuItemClick(7); // there is no eighth item
    EXPECT_EQ(f.view.events, Events{"file does not exist"});
    EXPECT_EQ(f.store.readSetting("Deck", "Default"), "imgmarine.gif");
}

} // namespace
} // namespace quellard
