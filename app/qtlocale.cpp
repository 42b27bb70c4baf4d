// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qtlocale.h"

numtext::NumberLocale numberLocaleOf(const QLocale& locale) {
    QString decimal = locale.decimalPoint();
    QString group = locale.groupSeparator();
    if (decimal.isEmpty())
        decimal = QStringLiteral(".");
    // A locale that groups with its decimal sign would make every text ambiguous.
    if (group == decimal)
        group.clear();
    return {decimal.toStdString(), group.toStdString()};
}
