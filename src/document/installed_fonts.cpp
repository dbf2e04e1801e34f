#include "document/installed_fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <algorithm>
#include <array>

namespace quindor {

namespace {

struct MetricSubstitute {
    const char* windowsFace;
    std::array<const char*, 2> substitutes;
};

constexpr std::array<MetricSubstitute, 3> kSubstitutes = {{
    {"Arial", {"Liberation Sans", "Arimo"}},
    {"Times New Roman", {"Liberation Serif", "Tinos"}},
    {"Courier New", {"Liberation Mono", "Cousine"}},
}};

bool HasFamily(const QStringList& families, const QString& family) {
    return std::any_of(families.begin(), families.end(), [&](const QString& installed) {
        return installed.compare(family, Qt::CaseInsensitive) == 0;
    });
}

} // namespace

QString InstalledFamily(const QString& family) {
    const QStringList families = QFontDatabase::families();
    if (HasFamily(families, family))
        return family;
    for (const MetricSubstitute& entry : kSubstitutes) {
        if (family.compare(QLatin1String(entry.windowsFace), Qt::CaseInsensitive) != 0)
            continue;
        for (const char* face : entry.substitutes) {
            if (HasFamily(families, QLatin1String(face)))
                return QLatin1String(face);
        }
    }
    return {};
}

QFont InstalledFont(const QString& family) {
    const QString installed = InstalledFamily(family);
    return QFont(installed.isEmpty() ? family : installed);
}

bool IsFontInstalled(const QString& family) {
    return !InstalledFamily(family).isEmpty();
}

QString DrawnFontFamily(const QString& family) {
    return QFontInfo(QFont(family)).family();
}

} // namespace quindor
