#include "host/sound/clip_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kanvo::sound {
namespace {

namespace fs = std::filesystem;

// Two folders with a clip folder each, removed at the end of the test: "installed" holds both
// clips, "working" only the first. The test runs in "working", as a program started there.
class ClipFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/kanvo-clip-folders-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    root_ = name;
    fs::create_directories(root_ / "working" / "音乐");
    fs::create_directories(root_ / "installed" / "音乐");
    touch(root_ / "working" / "音乐" / "first.wav");
    touch(root_ / "installed" / "音乐" / "first.wav");
    touch(root_ / "installed" / "音乐" / "second.wav");
    previous_ = fs::current_path();
    fs::current_path(root_ / "working");
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(root_);
  }
  static void touch(const fs::path& path) { std::ofstream(path) << "RIFF"; }

  fs::path root_;
  fs::path previous_;
};

TEST_F(ClipFolders, TheFirstFolderThatHoldsTheClipWins) {
  const std::vector<fs::path> folders{{}, root_ / "installed"};
  // The working directory's clip is found by its relative path.
  EXPECT_EQ(find_clip_file("音乐/first.wav", folders), "音乐/first.wav");
  // A clip the working directory lacks comes from the next folder.
  EXPECT_EQ(find_clip_file("音乐/second.wav", folders), root_ / "installed" / "音乐/second.wav");
  // In the other order the installed clip wins.
  const std::vector<fs::path> installed_first{root_ / "installed", {}};
  EXPECT_EQ(find_clip_file("音乐/first.wav", installed_first),
            root_ / "installed" / "音乐/first.wav");
}

TEST_F(ClipFolders, AClipNoFolderHoldsKeepsItsRelativePath) {
  const std::vector<fs::path> folders{{}, root_ / "installed", root_ / "missing"};
  EXPECT_EQ(find_clip_file("音乐/third.wav", folders), "音乐/third.wav");
  EXPECT_EQ(find_clip_file("音乐/third.wav", {}), "音乐/third.wav");
  // A folder of that name is no clip.
  fs::create_directories(root_ / "installed" / "音乐" / "folder.wav");
  EXPECT_EQ(find_clip_file("音乐/folder.wav", folders), "音乐/folder.wav");
}

}  // namespace
}  // namespace kanvo::sound
