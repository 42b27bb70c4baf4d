// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge from Qt's view of the user's regional settings to the core's: its separators, and
// the digits and minus sign of a locale that writes numbers in digits of its own.
#pragma once

#include "numtext/numtext.h"

#include <QLocale>

numtext::NumberLocale numberLocaleOf(const QLocale& locale);
