#pragma once
// File dialog filters from the core's "label|patterns|label|patterns" form to Qt's name filters.
#include <QString>
#include <QStringList>
#include <string_view>

namespace velloran {

struct QtFileFilter {
    QStringList nameFilters;  // "Velloran Files (*.vlz)", one per label and patterns pair
    QString selected;         // the entry at the 1-based filter index; empty when out of range
};

// "All Files (*.*)|*.*|Icon Files (*.exe, *.ico)|*.exe;*.ico" with index 2 gives the name
// filters "All Files (*)" and "Icon Files (*.exe *.ico)", the second selected. Qt reads the
// patterns from the parentheses, so the label's own parenthesised list is replaced by the
// pattern field; "*.*" becomes "*", which also matches names without an extension.
QtFileFilter toQtFilter(std::string_view filter, int filterIndex);

}  // namespace velloran
