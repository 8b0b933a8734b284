#pragma once

#include "contactwnd/ContactWnd.h"

// The grid of default places: square cells of 74 pixels on the primary
// work area, in rows from the screen's left edge (whatever the work area's
// left), the first row along the work area's bottom and each next one
// above the last. New windows and Reorganize both fill it.
namespace PlacementGrid {

inline constexpr int CELL_SIZE = CONTACT_BASE_SIZE + CONTACT_WND_MARGIN;

RECT WorkArea();
int FirstRowTop(const RECT& work);
// The cell of column nColumn in the row whose top is nRowTop. One that
// would pass the work area's right edge is the first of the row above
// instead, and nColumn and nRowTop are changed to say so.
POINT Cell(int& nColumn, int& nRowTop, const RECT& work);

} // namespace PlacementGrid
