#include "contactwnd/PlacementGrid.h"

namespace PlacementGrid {

RECT WorkArea()
{
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

int FirstRowTop(const RECT& work)
{
    return work.bottom - CELL_SIZE;
}

POINT Cell(int& nColumn, int& nRowTop, const RECT& work)
{
    int x = nColumn * CELL_SIZE;
    if (x + CELL_SIZE > work.right) {
        nColumn = 0;
        x = 0;
        nRowTop -= CELL_SIZE;
    }
    return {x, nRowTop};
}

} // namespace PlacementGrid
