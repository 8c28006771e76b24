#pragma once

#include <QtGlobal>

// A twip is 1/1440 inch; the window's layout is given in twips at the screen's logical dpi.
inline int TwipsToPixels(int twips, int logicalDpi) { return qRound(twips * logicalDpi / 1440.0); }
