// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own pictures, drawn in code at whatever size is asked, so that they stay crisp at
// every scale; 16 and 32 px are the sizes the windows were designed for.
#pragma once

#include <QIcon>

namespace icons {

// Two overlapping pages, for the copy buttons.
QIcon copyIcon();
// A clipboard holding a page, for the paste buttons.
QIcon pasteIcon();
// A crescent moon and a star on a night sky, for the windows and the desktop's icon theme.
QIcon windowIcon();

} // namespace icons
