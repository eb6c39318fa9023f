// The editor's save: the level read back as written, the file it replaced kept, and a save
// that fails changing nothing.
#include "edit/level_save.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "world/labmap_printer.hpp"
#include "world/level_file.hpp"

namespace quib {
namespace {

namespace fs = std::filesystem;

class LevelSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("quib_save_" + std::to_string(getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
    path_ = (root_ / "room.dat").string();
    level_ = std::make_unique<Labmap>();
    (*level_)(3, 4, 1) = 7;
  }
  void TearDown() override { fs::remove_all(root_); }

  static std::string contents(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
  }
  static void put(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  std::size_t filesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(root_), {}));
  }

  fs::path root_;
  std::string path_;
  std::unique_ptr<Labmap> level_;
};

TEST_F(LevelSaveTest, TheLevelReadsBackAndTheFileItReplacedIsKept) {
  ASSERT_EQ(saveLevel(path_, *level_, 5), "");
  EXPECT_FALSE(fs::exists(backupPath(path_))) << "nothing was replaced";
  auto read = std::make_unique<Labmap>();
  const LevelRead back = readLevel(path_, *read);
  ASSERT_TRUE(back.ok()) << back.error;
  EXPECT_EQ(back.n, 5);
  EXPECT_EQ(*read, *level_);

  const std::string first = contents(path_);
  (*level_)(0, 0, 0) = 1;
  ASSERT_EQ(saveLevel(path_, *level_, 5), "");
  EXPECT_EQ(contents(backupPath(path_)), first);
  EXPECT_EQ(backupPath(path_), path_ + "~");
  EXPECT_EQ(filesInFolder(), 2u) << "no temporary file left";
}

TEST_F(LevelSaveTest, ASaveThatFailsLeavesTheFileAndTheKeptOneAsTheyWere) {
  put(path_, "1\n0,0,0,0,0,0,0,0\n");  // a short level, far below the limit below
  put(backupPath(path_), "an older one");
  rlimit was{};
  ::getrlimit(RLIMIT_FSIZE, &was);
  const rlimit small{64, was.rlim_max};  // a full disk: a level of extent 10 takes ~500 bytes
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);  // so that write() says EFBIG
  ::setrlimit(RLIMIT_FSIZE, &small);
  const std::string error = saveLevel(path_, *level_, 10);
  ::setrlimit(RLIMIT_FSIZE, &was);
  std::signal(SIGXFSZ, handler);
  EXPECT_EQ(error, "File too large");
  EXPECT_EQ(contents(path_), "1\n0,0,0,0,0,0,0,0\n");
  EXPECT_EQ(contents(backupPath(path_)), "an older one");
  EXPECT_EQ(filesInFolder(), 2u) << "no temporary file left";

  // A path that names a folder is refused before anything is written.
  fs::create_directories(root_ / "folder.dat");
  EXPECT_NE(saveLevel((root_ / "folder.dat").string(), *level_, 10), "");
  EXPECT_FALSE(fs::exists(root_ / "folder.dat~"));
}

}  // namespace
}  // namespace quib
