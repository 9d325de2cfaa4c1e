#include <gtest/gtest.h>

#include <set>
#include <string>

#include "table/table_dictionary.h"

namespace velloran {
namespace {

TEST(TableDictionary, NewTablesTakeTheLowestFreeIndexAndKeysIgnoreCase) {
    TableDictionary tables;
    MappingTable& blank = tables.registerTemplate("BLANK");
    blank.append(MappingRow{});
    for (const char* key : {"file1", "File2", "file3"}) tables.getOrCreate(key);
    EXPECT_FALSE(tables.remove("BLANK"));
    EXPECT_EQ(&tables.registerTemplate("blank"), &blank);
    EXPECT_EQ(blank.rowCount(), 0);
    EXPECT_TRUE(tables.remove("fILE2"));
    EXPECT_EQ(tables.tableAt(2), nullptr);
    tables.getOrCreate("file4");
    tables.getOrCreate("file5");

    std::set<std::pair<std::string, int>> seen;
    for (const auto& entry : tables) seen.emplace(entry.key, entry.index);
    EXPECT_EQ(seen, (std::set<std::pair<std::string, int>>{
                        {"blank", 0}, {"file1", 1}, {"file4", 2}, {"file3", 3}, {"file5", 4}}));
}

TEST(TableDictionary, GetOrCreateEmptiesAnExistingTable) {
    TableDictionary tables;
    MappingTable& table = tables.getOrCreate("file1");
    table.append(MappingRow{});
    table.append(MappingRow{});
    table.selected = 1;
    MappingTable& again = tables.getOrCreate("FILE1");
    EXPECT_EQ(&again, &table);
    EXPECT_EQ(again.rowCount(), 0);
    EXPECT_EQ(again.selected, -1);
    EXPECT_GT(again.append(MappingRow{}).id, 2u) << "row identities are not handed out twice";
    EXPECT_EQ(tables.indexOf("file1"), 1);
}

}  // namespace
}  // namespace velloran
