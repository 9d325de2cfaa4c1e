#include <gtest/gtest.h>

#include <set>
#include <string>

#include "table/table_dictionary.h"

namespace velloran {
namespace {

TEST(TableDictionary, NewTablesTakeTheLowestFreeIndexAndReuseClosedOnes) {
    TableDictionary tables;
    tables.registerTemplate("BLANK");
    for (const char* key : {"file1", "file2", "file3"}) tables.getOrCreate(key);
    EXPECT_EQ(tables.indexOf("file1"), 1);
    EXPECT_EQ(tables.indexOf("file2"), 2);
    EXPECT_EQ(tables.indexOf("file3"), 3);

    EXPECT_TRUE(tables.remove("file2"));
    EXPECT_EQ(tables.tableAt(2), nullptr);
    MappingTable& fourth = tables.getOrCreate("file4");
    EXPECT_EQ(tables.indexOf("file4"), 2);
    EXPECT_EQ(tables.tableAt(2), &fourth);
    tables.getOrCreate("file5");
    EXPECT_EQ(tables.indexOf("file5"), 4) << "1 to 3 are all taken again";
}

TEST(TableDictionary, KeysIgnoreCase) {
    TableDictionary tables;
    MappingTable& blank = tables.registerTemplate("BLANK");
    MappingTable& file = tables.getOrCreate("File1");
    EXPECT_EQ(tables.find("blank"), &blank);
    EXPECT_EQ(tables.indexOf("FILE1"), 1);
    EXPECT_FALSE(tables.contains("file10"));
    EXPECT_EQ(&tables.getOrCreate("fILE1"), &file) << "no second table for another spelling";
    EXPECT_TRUE(tables.remove("fIlE1"));
    EXPECT_FALSE(tables.contains("File1"));
}

TEST(TableDictionary, GetOrCreateEmptiesAnExistingTable) {
    TableDictionary tables;
    MappingTable& table = tables.getOrCreate("file1");
    table.append(MappingRow{});
    table.append(MappingRow{});
    table.selected = 1;

    MappingTable& again = tables.getOrCreate("file1");
    EXPECT_EQ(&again, &table);
    EXPECT_EQ(again.rowCount(), 0);
    EXPECT_EQ(again.selected, -1);
    EXPECT_GT(again.append(MappingRow{}).id, 2u) << "row identities are not handed out twice";
}

TEST(TableDictionary, TemplateStaysAtIndexZeroAndIsNeverDropped) {
    TableDictionary tables;
    MappingTable& blank = tables.registerTemplate("BLANK");
    blank.append(MappingRow{});
    EXPECT_FALSE(tables.remove("BLANK"));
    EXPECT_EQ(tables.tableAt(0), &blank);

    EXPECT_EQ(&tables.registerTemplate("BLANK"), &blank);
    EXPECT_EQ(blank.rowCount(), 0);
    EXPECT_EQ(tables.size(), 1);
    EXPECT_FALSE(tables.remove("file9"));
}

TEST(TableDictionary, IterationVisitsEveryTableWithItsKeyAndIndex) {
    TableDictionary tables;
    tables.registerTemplate("BLANK");
    tables.getOrCreate("file1");
    tables.getOrCreate("file2");
    tables.remove("file1");
    tables.getOrCreate("file3");

    std::set<std::pair<std::string, int>> seen;
    for (const auto& entry : tables) {
        EXPECT_EQ(entry.table.get(), tables.tableAt(entry.index));
        seen.emplace(entry.key, entry.index);
    }
    EXPECT_EQ(seen,
              (std::set<std::pair<std::string, int>>{{"BLANK", 0}, {"file2", 2}, {"file3", 1}}));
}

}  // namespace
}  // namespace velloran
