#pragma once
// Behaviour every settings store back end must share. A back end's test instantiates the suite
// with a type whose make() returns a fresh, empty store:
//     INSTANTIATE_TYPED_TEST_SUITE_P(Memory, SettingsStoreCases, MemoryBackend);
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_names.h"
#include "settings/settings_store.h"
#include "settings/subkey_names.h"

namespace velloran {

using StoreSubkeys = std::vector<std::string>;

template <class Backend>
class SettingsStoreCases : public ::testing::Test {
protected:
    using S = const std::string&;
    StoreSubkeys subkeys(S path, Root r = Root::CurrentUser) { return subkeyNames(store, r, path); }
    void set(S path, S name, S value) { store.SaveString(Root::CurrentUser, path, name, value); }
    std::string get(S path, S name) { return store.GetString(Root::CurrentUser, path, name); }
    void del(S path) { store.DelKey(Root::CurrentUser, path); }
    void addEntry(S key) { set(settings::userEntryPath(key), "path", key); }

    Backend backend;
    std::unique_ptr<SettingsStore> owned = backend.make();
    SettingsStore& store = *owned;
};

TYPED_TEST_SUITE_P(SettingsStoreCases);

// Every name stays one value of its key and every text reads back as written.
TYPED_TEST_P(SettingsStoreCases, ValuesReadBackAsWrittenAndMissingOnesEmpty) {
    EXPECT_EQ(this->get(kConfigKey, settings::kRepeatRate), "");
    const std::vector<std::pair<std::string, std::string>> values = {
        {"", "C:\\Configs\\New Config.vlz"}, {"icon path", "  blanks around  "},
        {"a/b", "/home/ann/My Configs/a,b;c=d #e.vlz"}, {"c\\d", "\"quoted\" and 'single'"},
        {"50%", "@Variant(looks special)"}, {"%2F", "tab\there, line\r\nbreak"},
        {"%", "Gr\xc3\xbc\xc3\x9f\x65 \xe2\x82\xac"}, {"KeyHold", ""}, {"RepeatRate", "500"}};
    for (const auto& [name, text] : values) this->set(kConfigKey, name, text);
    for (const auto& [name, text] : values) EXPECT_EQ(this->get(kConfigKey, name), text) << name;
    EXPECT_EQ(this->get("Software\\Velloran", "KeyHold"), "");
    EXPECT_EQ(this->subkeys(kConfigKey), StoreSubkeys{});
    this->set("Software\\a/b%", "v", "1");
    EXPECT_EQ(this->subkeys("Software"), (StoreSubkeys{"a/b%", "Velloran"}));
}

TYPED_TEST_P(SettingsStoreCases, KeyPathsAndValueNamesIgnoreCaseAndRootsAreApart) {
    this->set("software\\VELLORAN\\Config\\", "repeatrate", "100");
    EXPECT_EQ(this->get(kConfigKey, settings::kRepeatRate), "100");
    this->set(kConfigKey, "REPEATRATE", "200");
    EXPECT_EQ(this->get("SOFTWARE\\\\velloran\\config", "RepeatRate"), "200");
    // One key, spelled as first written.
    EXPECT_EQ(this->subkeys("Software\\Velloran"), StoreSubkeys{"Config"});

    this->store.SaveString(Root::ClassesRoot, ".vlz", "", "vlz_file");
    EXPECT_EQ(this->subkeys("", Root::ClassesRoot), StoreSubkeys{".vlz"});
    EXPECT_EQ(this->subkeys(""), StoreSubkeys{"software"});
    this->del(".vlz");
    EXPECT_EQ(this->store.GetString(Root::ClassesRoot, ".vlz", ""), "vlz_file");
}

TYPED_TEST_P(SettingsStoreCases, EnumKeyListsDirectSubkeysSortedThen259) {
    for (const char* key : {"file3", "File1", "file2"}) this->addEntry(key);
    this->set(settings::userEntryPath("file2") + "\\deeper", "x", "y");
    this->set(kUserKey, "not a subkey", "z");
    EXPECT_EQ(this->subkeys(kUserKey), (StoreSubkeys{"File1", "file2", "file3"}));
    const auto at = [&](const std::string& path, int index) {
        std::string name = "stale";
        return this->store.EnumKey(Root::CurrentUser, path, name, index) + name;
    };
    EXPECT_EQ(at(kUserKey, 1), "0file2");
    // Past either end, or a key path that does not exist yet (first run).
    for (const auto& [path, index] : {std::pair{kUserKey, 3}, {kUserKey, -1}, {"Software\\x", 0}}) {
        EXPECT_EQ(at(path, index), "259") << path << index;
    }
}

TYPED_TEST_P(SettingsStoreCases, DelKeyRemovesOneEntryAndTheKeysItLeavesEmpty) {
    this->del(settings::userEntryPath("file9"));
    EXPECT_EQ(this->subkeys(""), StoreSubkeys{});
    this->set(kConfigKey, "KeyHold", "5");
    this->addEntry("file1");
    this->del(settings::userEntryPath("file1"));
    EXPECT_EQ(this->subkeys("Software\\Velloran"), StoreSubkeys{"config"});

    // Keys with subkeys stay; a value of the parent named as the entry is not part of it.
    for (const char* key : {"file1", "file2"}) this->addEntry(key);
    this->set(settings::userEntryPath("file1"), "icon path", "/icons/a.png");
    this->set(kUserKey, "file1", "kept");
    this->del(kUserKey);
    this->del("");
    this->del(settings::userEntryPath("FILE1"));
    EXPECT_EQ(this->subkeys(kUserKey), StoreSubkeys{"file2"});
    EXPECT_EQ(this->get(settings::userEntryPath("file1"), "icon path"), "");
    EXPECT_EQ(this->get(settings::userEntryPath("file2"), "path"), "file2");
    // A key with values of its own stays when its last subkey goes.
    this->del(settings::userEntryPath("file2"));
    EXPECT_EQ(this->get(kUserKey, "file1"), "kept");
}

REGISTER_TYPED_TEST_SUITE_P(SettingsStoreCases, ValuesReadBackAsWrittenAndMissingOnesEmpty,
                            KeyPathsAndValueNamesIgnoreCaseAndRootsAreApart,
                            EnumKeyListsDirectSubkeysSortedThen259,
                            DelKeyRemovesOneEntryAndTheKeysItLeavesEmpty);

}  // namespace velloran
