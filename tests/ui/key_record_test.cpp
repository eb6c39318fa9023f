// The key record: an old record stays whole until the game ends, and the keys are on the disk
// from the moment they are handled.
#include "ui/key_record.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/failure.hpp"

namespace quib {
namespace {

namespace fs = std::filesystem;

class KeyRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_);
    std::ofstream(path_) << "an old record\n";
  }
  void TearDown() override { fs::remove_all(root_); }

  static std::string contents(const fs::path& file) {
    std::ostringstream out;
    out << std::ifstream(file, std::ios::binary).rdbuf();
    return out.str();
  }
  std::vector<fs::path> files() const {
    return {fs::directory_iterator(root_), fs::directory_iterator()};
  }

  fs::path root_ = fs::temp_directory_path() / ("quib_record_" + std::to_string(getpid()));
  std::string path_ = (root_ / "keys.txt").string();
};

TEST_F(KeyRecordTest, KeysGoBesideTheOldRecordUntilTheGameEnds) {
  {
    KeyRecord record(path_);
    record.add(38);
    record.add(100);
    EXPECT_EQ(contents(path_), "an old record\n") << "the old record stands while the game runs";
    std::string beside;
    for (const fs::path& file : files()) {
      if (file.filename() != "keys.txt") {
        beside += contents(file);
      }
    }
    EXPECT_EQ(beside, "38\n100\n") << "a crash now would leave the keys beside the record";
  }  // an error that ends the game ends the record too
  EXPECT_EQ(contents(path_), "38\n100\n");
  EXPECT_EQ(files().size(), 1u) << "nothing left beside the record";
}

TEST_F(KeyRecordTest, AGameThatEndsBeforeItsFirstKeyKeepsTheOldRecord) {
  { const KeyRecord record(path_); }  // a start that fails: no display, a missing picture
  EXPECT_EQ(contents(path_), "an old record\n");
  EXPECT_EQ(files().size(), 1u) << "nothing left beside the record";
}

TEST_F(KeyRecordTest, AFIFOIsRefusedAtStart) {
  const std::string fifo = (root_ / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  try {
    KeyRecord record(fifo);
    ADD_FAILURE() << "a record was started on a FIFO";
  } catch (const Failure& failure) {
    EXPECT_EQ(std::string(failure.what()),
              "cannot write the record " + fifo + ": a FIFO, not a regular file");
  }
}

TEST_F(KeyRecordTest, AKeyNotWrittenKeepsTheOldRecord) {
  rlimit was{};
  ::getrlimit(RLIMIT_FSIZE, &was);
  const rlimit small{1024, was.rlim_max};
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);  // so that write() says EFBIG
  std::string error;
  {
    KeyRecord record(path_);
    ::setrlimit(RLIMIT_FSIZE, &small);
    for (int k = 0; k < 400; ++k) {  // 1,600 bytes
      record.add(100);
    }
    ::setrlimit(RLIMIT_FSIZE, &was);
    try {
      record.finish();
    } catch (const Failure& failure) {
      error = failure.what();
    }
  }
  std::signal(SIGXFSZ, handler);
  EXPECT_EQ(error, "cannot write the record " + path_ + ": File too large");
  EXPECT_EQ(contents(path_), "an old record\n");
  EXPECT_EQ(files().size(), 1u) << "nothing left beside the record";
}

}  // namespace
}  // namespace quib
