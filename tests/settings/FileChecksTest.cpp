#include "settings/FileChecks.h"

#include "settings/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>

namespace quellard {
namespace {

TEST(IsBlank, OnlyTheBlankCounts)
{
    EXPECT_TRUE(isBlank(""));
    EXPECT_TRUE(isBlank("   "));
    EXPECT_FALSE(isBlank("\t"));
    EXPECT_FALSE(isBlank(" \t "));
    EXPECT_FALSE(isBlank(" a "));
}

TEST(FileExists, OnlyExistingNormalFiles)
{
    testing::TempFolder folder;
    const std::string plain = folder.write("images/imglake.gif", "GIF89a");
    const std::string readOnly = folder.write("images/readonly.gif", "GIF89a");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    const std::string hidden = folder.write("images/.hidden.gif", "GIF89a");
    const std::string inHiddenFolder = folder.write(".local/images/imglake.gif", "GIF89a");
    std::filesystem::create_symlink(plain, folder.path() / "link.gif");
    std::filesystem::create_symlink(folder.file("gone.gif"), folder.path() / "dangling.gif");
    ASSERT_EQ(mkfifo(folder.file("pipe.gif").c_str(), 0600), 0);

    struct Case {
        std::string path;
        bool exists;
    };
    for (const Case &c : {Case{"", false}, Case{"   ", false}, Case{folder.file("images"), false},
                          Case{folder.file("images/"), false}, Case{hidden, false},
                          Case{folder.file("images/missing.gif"), false}, Case{folder.file("images/*.gif"), false},
                          Case{folder.file("dangling.gif"), false}, Case{folder.file("pipe.gif"), false},
                          Case{plain, true}, Case{readOnly, true}, Case{inHiddenFolder, true},
                          Case{folder.file("link.gif"), true}, Case{folder.file("images//imglake.gif"), true}}) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fileExists(c.path), c.exists);
    }
}

} // namespace
} // namespace quellard
