#include "data/lazy_table.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlash {
namespace {

TEST(LazyTable, ReadsLikeAZeroedArrayAndTakesMemoryOnlyOnceUsed) {
  LazyTable<std::array<int, 300>, 4> times;
  LazyTable<std::string, 10> names;
  EXPECT_FALSE(times.allocated());
  EXPECT_EQ(times[3][299], 0);
  EXPECT_TRUE(times.allocated());
  for (auto const& row : times)
    for (int v : row) ASSERT_EQ(v, 0);
  EXPECT_EQ(names[9], "");
  times = {};
  EXPECT_FALSE(times.allocated());
}

TEST(LazyTable, CopiesAreDeepAndCompareByContents) {
  LazyTable<std::string, 5> a;
  LazyTable<std::string, 5> const untouched;
  LazyTable<std::string, 5> b = a;  // copying an unused table allocates neither
  EXPECT_FALSE(a.allocated() || b.allocated());
  a[2] = "東京";
  b = a;
  b[2] = "新大阪";
  EXPECT_EQ(a[2], "東京");
  EXPECT_FALSE(a == b);
  b = untouched;
  EXPECT_FALSE(b.allocated());
  a.fill("");
  EXPECT_TRUE(a == b);
}

}  // namespace
}  // namespace vorlash
