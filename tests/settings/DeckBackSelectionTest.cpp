#include "settings/DeckBackSelection.h"

#include "settings/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quellard {
namespace {

using Events = std::vector<std::string>;

// Records what the window was asked to do, one line per request, with paths below the folder.
class RecordingView : public DeckBackView {
public:
    explicit RecordingView(std::string folder) : m_folder(std::move(folder)) {}
    void showExclamation(std::string_view text) override { events.push_back("message " + std::string(text)); }
    bool showCardBack(const std::string &path) override
    {
        events.push_back("show " + path.substr(path.find(m_folder) == 0 ? m_folder.size() + 1 : 0));
        return true;
    }
    void setTick(std::size_t item, bool ticked) override
    {
        events.push_back((ticked ? "tick " : "clear ") + std::to_string(item));
    }
    Events events;

private:
    std::string m_folder;
};

const std::string kMissingImage = "message Error: Selected deck image does not exist.";
const std::string kMissingFile = "message Error: File does not exist";
const Events kLakeTicked{"tick 4", "clear 0", "clear 1", "clear 2", "clear 3", "clear 5", "clear 6"};

struct DeckFixture {
    // stored: the Deck/Default entry, or nothing for a folder without a settings file.
    DeckFixture(std::optional<std::string> stored, std::vector<std::string> pictures)
        : store(folder.str()), view(folder.str()), selection(store, view)
    {
        for (const std::string &picture : pictures)
            folder.write("images/" + picture, "GIF89a");
        if (stored)
            folder.write("Quellard.ini", "[Deck]\r\nDefault=" + *stored + "\r\n");
    }
    testing::TempFolder folder;
    SettingsStore store;
    RecordingView view;
    DeckBackSelection selection;
};

TEST(DeckBackStartUp, ShowsTheStoredBackOrTheDefault)
{
    struct Case {
        const char *name;
        std::optional<std::string> stored; // nothing: no settings file
        std::vector<std::string> pictures;
        Events expected;
    };
    for (const Case &c : {
             Case{"first run", std::nullopt, {"imgdefault.gif"}, {"show images/imgdefault.gif", "tick 0"}},
             Case{"no images at all", std::nullopt, {}, {kMissingImage, "tick 0"}},
             Case{"lake", "imglake.gif", {"imglake.gif"}, {"show images/imglake.gif"}},
             Case{"lake missing", "imglake.gif", {"imgdefault.gif"}, {kMissingImage}},
             Case{"name used as written", "IMGLAKE.GIF", {"IMGLAKE.GIF"}, {"show images/IMGLAKE.GIF"}},
             Case{"unknown but present", "mine.gif", {"mine.gif"}, {"show images/mine.gif"}},
         }) {
        SCOPED_TRACE(c.name);
        DeckFixture f(c.stored, c.pictures);
        f.selection.applyStoredChoice();
        EXPECT_EQ(f.view.events, c.expected);
        EXPECT_EQ(std::filesystem::exists(f.store.settingsFilePath()), c.stored.has_value());
    }
}

TEST(DeckBackOptionsMenu, TicksFollowTheStoredName)
{
    struct Case {
        std::optional<std::string> stored;
        Events expected;
    };
    for (const Case &c : {
             Case{std::nullopt, {"tick 0"}},
             Case{"imglake.gif", kLakeTicked},
             Case{"IMGLAKE.GIF", kLakeTicked},
             Case{"mine.gif", {}},
         }) {
        SCOPED_TRACE(c.stored.value_or("(no file)"));
        DeckFixture f(c.stored, {});
        f.selection.optionsMenuOpened();
        EXPECT_EQ(f.view.events, c.expected);
    }
}

TEST(DeckBackMenuItem, ShowsAndRemembersAPresentPicture)
{
    DeckFixture f(std::nullopt, {"imglake.gif"});
    f.selection.menuItemClick(4);
    EXPECT_EQ(f.view.events, Events{"show images/imglake.gif"});
    EXPECT_EQ(f.store.readSetting("Deck", "Default"), "imglake.gif");

    f.view.events.clear();
    f.selection.optionsMenuOpened();
    EXPECT_EQ(f.view.events, kLakeTicked);
}

TEST(DeckBackMenuItem, MissingPictureChangesNothing)
{
    DeckFixture f("imgmarine.gif", {"imgmarine.gif"});
    f.selection.menuItemClick(4);
    f.selection.menuItemClick(7); // there is no eighth item
    EXPECT_EQ(f.view.events, Events{kMissingFile});
    EXPECT_EQ(f.store.readSetting("Deck", "Default"), "imgmarine.gif");
}

} // namespace
} // namespace quellard
