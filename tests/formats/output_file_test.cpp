// Writing files: nothing is replaced until the new file is complete, and a failure leaves it all.
#include "formats/output_file.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace quib {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(root_); }
  void TearDown() override { fs::remove_all(root_); }

  std::string path(const std::string& name) const { return (root_ / name).string(); }
  static std::string contents(const std::string& file) {
    std::ostringstream out;
    out << std::ifstream(file, std::ios::binary).rdbuf();
    return out.str();
  }
  // What the folder holds, names in order: a temporary file left behind shows here.
  std::string listing() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(root_)) {
      names.insert(entry.path().filename().string());
    }
    std::string out;
    for (const std::string& name : names) {
      out += name + " ";
    }
    return out;
  }

  fs::path root_ = fs::temp_directory_path() / ("quib_output_" + std::to_string(getpid()));
};

TEST_F(OutputFileTest, ReplacesTheFileOnlyWhenComplete) {
  std::ofstream(path("level.dat")) << "old";
  fs::permissions(path("level.dat"), fs::perms(0640));
  OutputFile file(path("level.dat"));
  ASSERT_TRUE(file.write("new ") && file.write("level")) << file.error();
  EXPECT_EQ(contents(path("level.dat")), "old") << "the old file stands while the new is written";
  ASSERT_TRUE(file.commit()) << file.error();
  EXPECT_EQ(contents(path("level.dat")), "new level");
  EXPECT_EQ(fs::status(path("level.dat")).permissions(), fs::perms(0640)) << "permissions kept";
  EXPECT_EQ(listing(), "level.dat ") << "no temporary file left";
}

TEST_F(OutputFileTest, ANewFileTakesTheUmask) {
  const mode_t was = ::umask(027);
  EXPECT_EQ(writeWholeFile(path("new.png"), "png"), "");
  ::umask(was);
  EXPECT_EQ(fs::status(path("new.png")).permissions(), fs::perms(0640));
}

TEST_F(OutputFileTest, AFileNotCommittedLeavesThePlaceAsItWas) {
  std::ofstream(path("shot.png")) << "old";
  { OutputFile(path("shot.png")).write("half a picture"); }
  EXPECT_EQ(contents(path("shot.png")), "old");
  EXPECT_EQ(listing(), "shot.png ");
}

TEST_F(OutputFileTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  std::ofstream(path("shot.png")) << "old";
  rlimit was{};
  ::getrlimit(RLIMIT_FSIZE, &was);
  const rlimit small{1024, was.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &small);
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);  // so that write() says EFBIG
  const std::string error = writeWholeFile(path("shot.png"), std::string(4096, 'x'));
  std::signal(SIGXFSZ, handler);
  ::setrlimit(RLIMIT_FSIZE, &was);
  EXPECT_EQ(error, "File too large");
  EXPECT_EQ(contents(path("shot.png")), "old") << "the old file byte for byte";
  EXPECT_EQ(listing(), "shot.png ") << "the temporary file is gone";
}

TEST_F(OutputFileTest, RefusesWhatIsNoRegularFileBeforeWriting) {
  fs::create_directory(path("folder"));
  ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
  const struct {
    std::string target;
    std::string error;
  } cases[] = {
      {"/dev/null", "a character device, not a regular file"},
      {path("fifo"), "a FIFO, not a regular file"},
      {path("folder"), "Is a directory"},
      {path("none/shot.png"), "No such file or directory"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(writeWholeFile(c.target, "x"), c.error) << c.target;
  }
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_TRUE(fs::is_fifo(path("fifo")));
  EXPECT_EQ(listing(), "fifo folder ") << "nothing written beside them";
}

TEST_F(OutputFileTest, ThroughALinkTheFileIsReplacedAndTheLinkKept) {
  std::ofstream(path("real.dat")) << "old";
  fs::create_symlink("real.dat", path("link.dat"));
  EXPECT_EQ(writeWholeFile(path("link.dat"), "new"), "");
  EXPECT_TRUE(fs::is_symlink(path("link.dat")));
  EXPECT_EQ(contents(path("real.dat")), "new");
}

TEST_F(OutputFileTest, ARelativePathStaysWhereItWasWhenTheWorkingFolderChanges) {
  const fs::path was = fs::current_path();
  fs::current_path(root_);
  OutputFile file("record.txt");
  fs::current_path(fs::temp_directory_path());
  const bool written = file.write("38\n") && file.commit();
  fs::current_path(was);
  ASSERT_TRUE(written) << file.error();
  EXPECT_EQ(contents(path("record.txt")), "38\n");
}

}  // namespace
}  // namespace quib
