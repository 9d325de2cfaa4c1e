#include <gtest/gtest.h>

#include <set>
#include <string>

#include "table/table_dictionary.h"

namespace velloran {
namespace {

TEST(TableDictionary, KeysIgnoreCaseAndNewTablesTakeTheLowestFreeIndex) {
    TableDictionary tables;
    MappingTable& blank = tables.registerTemplate("BLANK");
    blank.append(MappingRow{});
    MappingTable& first = tables.getOrCreate("file1");
    first.append(MappingRow{});
    first.append(MappingRow{});
    first.selected = 1;
    for (const char* key : {"File2", "file3"}) tables.getOrCreate(key);
    EXPECT_FALSE(tables.remove("BLANK"));
    EXPECT_EQ(&tables.registerTemplate("blank"), &blank);
    EXPECT_EQ(blank.rowCount(), 0);
    EXPECT_EQ(&tables.getOrCreate("FILE1"), &first);
    EXPECT_EQ(first.rowCount(), 0);
    EXPECT_EQ(first.selected, -1);
    EXPECT_GT(first.append(MappingRow{}).id, 2u) << "row identities are not handed out twice";
    EXPECT_TRUE(tables.remove("fILE2"));
    EXPECT_EQ(tables.tableAt(2), nullptr);
    tables.getOrCreate("file4");
    tables.getOrCreate("file5");

    std::set<std::pair<std::string, int>> seen;
    for (const auto& entry : tables) seen.emplace(entry.key, entry.index);
    EXPECT_EQ(seen, (std::set<std::pair<std::string, int>>{
                        {"blank", 0}, {"file1", 1}, {"file4", 2}, {"file3", 3}, {"file5", 4}}));
}

}  // namespace
}  // namespace velloran
