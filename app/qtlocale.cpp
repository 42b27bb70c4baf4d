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
    numtext::NumberLocale number{decimal.toStdString(), group.toStdString()};
    // A locale with digits of its own writes them, and its minus sign with them; one with 0-9
    // keeps "-" whatever sign it prefers, as it always has.
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    if (zero.size() == 1 && zero[0] != '0' && QChar::digitValue(char32_t(zero[0])) == 0 &&
        QChar::digitValue(char32_t(zero[0] + 9)) == 9) {
        number.zero = locale.zeroDigit().toStdString();
        if (const QString minus = locale.negativeSign(); !minus.isEmpty())
            number.minus = minus.toStdString();
    }
    return number;
}
