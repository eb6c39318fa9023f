// Whole files read to their end, whatever size they give, and refused past the caller's limit.
#include "formats/input_file.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quib {
namespace {

TEST(ReadWholeFile, ARegularFileUpToTheLimit) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("quib_input_" + std::to_string(getpid())))
          .string();
  std::ofstream(path, std::ios::binary) << std::string(100'000, 'k');
  const struct {
    std::int64_t limit;
    std::string error;
  } cases[] = {{100'000, ""}, {1'000'000, ""}, {99'999, "larger than 99999 bytes"}};
  for (const auto& c : cases) {
    const FileBytes file = readWholeFile(path, c.limit);
    EXPECT_EQ(file.error, c.error) << "limit " << c.limit;
    EXPECT_EQ(file.bytes.size(), file.ok() ? 100'000u : 0u) << "limit " << c.limit;
  }
  std::filesystem::remove(path);
}

TEST(ReadWholeFile, AFileThatSaysItIsEmptyIsReadToItsEnd) {
  const FileBytes status = readWholeFile("/proc/self/status", 1 << 20);
  ASSERT_TRUE(status.ok()) << status.error;
  EXPECT_EQ(std::string(status.bytes.begin(), status.bytes.end()).substr(0, 5), "Name:")
      << "its size says 0";
  EXPECT_EQ(readWholeFile("/proc/self/status", 64).error, "larger than 64 bytes")
      << "the limit holds for what is read, not only for the size given";
}

}  // namespace
}  // namespace quib
