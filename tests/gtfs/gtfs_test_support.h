// Test support for the transit feed tests: a temporary folder per test and
// the files of a feed written into a folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "gtfs/gtfs.h"

namespace vorlash::testing {

class GtfsTempDir {
 public:
  GtfsTempDir() {
    path_ = std::filesystem::temp_directory_path() /
            (std::string("vorlash_gtfs_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~GtfsTempDir() { std::filesystem::remove_all(path_); }
  std::string path(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline void write_files(const std::string& dir, const FeedTexts& files) {
  std::filesystem::create_directories(dir);
  for (auto const& [name, text] : files) {
    std::ofstream out(dir + "/" + name, std::ios::binary);
    out << text;
  }
}

}  // namespace vorlash::testing
