// The program's own pictures, drawn in code so that they stay crisp at 1x and 2x.
#pragma once

#include <QIcon>

namespace icons {

// Two overlapping pages, for the copy buttons (16 and 32 px).
QIcon copyIcon();
// A clipboard holding a page, for the paste buttons (16 and 32 px).
QIcon pasteIcon();
// A crescent moon and a star on a night sky, for the windows (16 and 32 px).
QIcon windowIcon();

} // namespace icons
