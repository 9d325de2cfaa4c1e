#include "base/file_filter.h"

namespace velloran {
namespace {

QString labelWithoutPatterns(QString label) {
    label = label.trimmed();
    if (label.endsWith(QLatin1Char(')'))) {
        const qsizetype open = label.lastIndexOf(QLatin1Char('('));
        if (open >= 0) label = label.left(open).trimmed();
    }
    return label;
}

QString qtPatterns(const QString& patterns) {
    QStringList out;
    for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = p.trimmed();
        if (pattern.isEmpty()) continue;
        out << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    return out.isEmpty() ? QStringLiteral("*") : out.join(QLatin1Char(' '));
}

}  // namespace

QtFileFilter toQtFilter(std::string_view filter, int filterIndex) {
    QtFileFilter result;
    const QStringList fields =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()))
            .split(QLatin1Char('|'));
    if (filter.empty()) return result;
    for (qsizetype i = 0; i < fields.size(); i += 2) {
        const QString patterns = i + 1 < fields.size() ? fields[i + 1] : QString();
        result.nameFilters << QStringLiteral("%1 (%2)").arg(labelWithoutPatterns(fields[i]),
                                                            qtPatterns(patterns));
    }
    if (filterIndex >= 1 && filterIndex <= result.nameFilters.size()) {
        result.selected = result.nameFilters[filterIndex - 1];
    }
    return result;
}

}  // namespace velloran
