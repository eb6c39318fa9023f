// A copy of the shipped game folder in a scratch place, entered as the game would enter it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/text.hpp"

namespace quib {

class ScratchGameFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() /
            ("quib_game_" + std::to_string(getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root_);
    std::filesystem::copy(std::filesystem::path(QUIB_BIN_DIR) / "game", root_,
                          std::filesystem::copy_options::recursive);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(root_ / "bin");
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(root_);
  }
  void writeLevel(const std::string& text) {
    std::ofstream(root_ / "lab" / "firstwin.lab" / "level0.dat", std::ios::binary) << text;
  }
  std::string pictures() const { return (root_ / "x").string(); }

  std::filesystem::path root_;
  std::filesystem::path previous_;
  Font font_;
};

}  // namespace quib
