// Japanese file and folder names reach the file system intact: UTF-8 inside
// the program, the platform's own form at its API (wide strings on Windows).
#include "platform/native_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "data/file_io.h"

namespace vorlash {
namespace {

TEST(NativePath, JapaneseNamesAreWrittenReadAndReplaced) {
  namespace fs = std::filesystem;
  fs::path const base =
      fs::temp_directory_path() / ("vorlash_native_path_" + std::to_string(std::random_device{}()));
  std::string const folder = utf8_path(base) + "/東海道・山陽 ＝ 時刻表";
  ASSERT_TRUE(fs::create_directories(native_path(folder)));
  std::string const file = program_path(folder, "ホテル情報.csv");
  EXPECT_EQ(file.substr(file.size() - std::string("ホテル情報.csv").size()), "ホテル情報.csv");

  std::string bytes;
  EXPECT_FALSE(file_exists(file));
  ASSERT_TRUE(write_file_atomically(file, "one").ok());
  ASSERT_TRUE(write_file_atomically(file, "two").ok());  // replaces the old file
  EXPECT_TRUE(file_exists(file));
  ASSERT_TRUE(read_file_bytes(file, bytes).ok());
  EXPECT_EQ(bytes, "two");

  // The name on disk is the name given, not its bytes in another code page.
  int entries = 0;
  for (auto const& entry : fs::directory_iterator(native_path(folder))) {
    EXPECT_EQ(utf8_path(entry.path().filename()), "ホテル情報.csv");
    ++entries;
  }
  EXPECT_EQ(entries, 1);  // no temporary file left
  fs::remove_all(base);
}

}  // namespace
}  // namespace vorlash
