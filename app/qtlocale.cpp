#include "app/qtlocale.h"

numtext::NumberLocale numberLocaleOf(const QLocale& locale) {
    numtext::NumberLocale result{locale.decimalPoint().toStdString(),
                                 locale.groupSeparator().toStdString()};
    // A locale that groups with its decimal sign would make every text ambiguous.
    if (result.decimal.empty())
        result.decimal = ".";
    if (result.group == result.decimal)
        result.group.clear();
    return result;
}
