#include "editing/table_editing_description.h"

namespace velloran {

DescriptionKey filterDescriptionKey(char32_t typed) {
    if (typed == U'\r') return DescriptionKey{true, typed};
    if (typed == U'"') return DescriptionKey{false, U'\''};
    return DescriptionKey{false, typed};
}

void commitDescription(TableEditing t, const std::string& text) {
    if (!t.state.editedRow) return;
    const int index = t.table.indexOfId(*t.state.editedRow);
    t.state.editedRow.reset();
    if (index < 0) return;
    t.table.row(index).cell(col::Description).text = text;
    t.host.markModified();
}

}  // namespace velloran
