#pragma once
// The floating Description editor: what its keys do and how its text goes into the row. There is
// no cancel: leaving the editor always stores its text.
#include <string>

#include "editing/table_editing.h"

namespace velloran {

struct DescriptionKey {
    bool commit = false;     // Enter: store the text now
    char32_t character = 0;  // the character to type in place of the one pressed
};

// A double quote becomes an apostrophe, because the file format quotes its texts; Enter
// commits.
DescriptionKey filterDescriptionKey(char32_t typed);

// Stores `text` as the "Description" of the edited row, if it is still in the table, and marks
// the configuration modified. The editor then holds no row; the view hides it.
void commitDescription(TableEditing t, const std::string& text);

}  // namespace velloran
