#include <gtest/gtest.h>

#include <set>
#include <string>

#include "table/table_dictionary.h"

namespace velloran {
namespace {

TEST(TableDictionary, NewTablesTakeTheLowestFreeIndexAndKeysIgnoreCase) {
    TableDictionary tables;
    MappingTable& blank = tables.registerTemplate("BLANK");
    for (const char* key : {"file1", "File2", "file3"}) tables.getOrCreate(key);
    EXPECT_EQ(tables.indexOf("FILE2"), 2);
    EXPECT_EQ(tables.find("blank"), &blank);
    EXPECT_FALSE(tables.contains("file10"));
    EXPECT_TRUE(tables.remove("fILE2"));
    EXPECT_EQ(tables.tableAt(2), nullptr);
    MappingTable& fourth = tables.getOrCreate("file4");
    EXPECT_EQ(tables.tableAt(2), &fourth) << "a closed table's index is reused";
    tables.getOrCreate("file5");
    EXPECT_EQ(tables.indexOf("file5"), 4);

    std::set<std::pair<std::string, int>> seen;
    for (const auto& entry : tables) seen.emplace(entry.key, entry.index);
    EXPECT_EQ(seen, (std::set<std::pair<std::string, int>>{
                        {"BLANK", 0}, {"file1", 1}, {"file4", 2}, {"file3", 3}, {"file5", 4}}));
}

TEST(TableDictionary, GetOrCreateEmptiesAnExistingTableAndTheTemplateStays) {
    TableDictionary tables;
    MappingTable& blank = tables.registerTemplate("BLANK");
    blank.append(MappingRow{});
    EXPECT_FALSE(tables.remove("BLANK"));
    EXPECT_EQ(&tables.registerTemplate("BLANK"), &blank);
    EXPECT_EQ(blank.rowCount(), 0);

    MappingTable& table = tables.getOrCreate("file1");
    table.append(MappingRow{});
    table.append(MappingRow{});
    table.selected = 1;
    MappingTable& again = tables.getOrCreate("FILE1");
    EXPECT_EQ(&again, &table) << "no second table for another spelling";
    EXPECT_EQ(again.rowCount(), 0);
    EXPECT_EQ(again.selected, -1);
    EXPECT_GT(again.append(MappingRow{}).id, 2u) << "row identities are not handed out twice";
}

}  // namespace
}  // namespace velloran
