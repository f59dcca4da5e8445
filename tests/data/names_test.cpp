// Every place the sample data of the three Editions name (Shinkansen and
// Keiyo stations, hotel regions and districts) has an English name in
// data/names_en.tsv.
#include "text/names.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The named column of a tab-separated source, every row after the header
// ("#" lines are comments); "name*" takes every column from that one on.
std::vector<std::string> column(const std::string& path, const std::string& name) {
  std::ifstream in(path);
  std::vector<std::string> out;
  std::string line;
  int col = -1;
  bool from_on = name.ends_with('*');
  std::string const want = from_on ? name.substr(0, name.size() - 1) : name;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream row(line);
    for (std::string f; std::getline(row, f, '\t');) fields.push_back(f);
    if (col < 0) {
      for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i] == want || (from_on && fields[i].starts_with(want))) {
          col = static_cast<int>(i);
          break;
        }
      continue;
    }
    for (std::size_t i = static_cast<std::size_t>(col); i < fields.size(); ++i) {
      if (!fields[i].empty()) out.push_back(fields[i]);
      if (!from_on) break;
    }
  }
  return out;
}

TEST(Names, EverySampleDataNameHasEnglish) {
  std::set<std::string> missing;
  int names = 0;
  for (int edition = 1; edition <= 3; ++edition) {
    std::string const dir =
        std::string(VORLASH_SOURCE_DIR) + "/data/edition" + std::to_string(edition) + "/";
    for (auto [file, col] :
         {std::pair{"shinkansen_stations.tsv", "name"}, std::pair{"keiyo_stations.tsv", "name*"},
          std::pair{"regions.tsv", "name"}, std::pair{"districts.tsv", "name"},
          std::pair{"hotels.tsv", "region"}, std::pair{"hotels.tsv", "district"}}) {
      auto const found = column(dir + file, col);
      EXPECT_FALSE(found.empty()) << dir << file;
      for (auto const& n : found) {
        ++names;
        if (vorlash::english_name(n).empty()) missing.insert(n);
      }
    }
  }
  std::string list;
  for (auto const& n : missing) list += n + " ";
  EXPECT_TRUE(missing.empty()) << "no English in data/names_en.tsv: " << list;
  EXPECT_GT(names, 500);
}

}  // namespace
