#include "Collation.h"

#include <QCollator>
#include <QLocale>

namespace gb {

int CompareForDisplay(const std::string& a, const std::string& b) {
    static QCollator collator = [] {
        QCollator c(QLocale::system());
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    int order = collator.compare(QString::fromStdString(a), QString::fromStdString(b));
    // Names the locale holds equal still get one order, so that sorting is stable.
    return order != 0 ? order : a.compare(b);
}

} // namespace gb
