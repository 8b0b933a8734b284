// Reorganize All Contact's Windows: every window to a grid cell along the
// bottom of the screen, in list order.
#include "shell/SkyletDlg.h"

#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"

void CSkyletDlg::OnReorganize()
{
    constexpr int kCell = PlacementGrid::CELL_SIZE;
    const RECT work = PlacementGrid::WorkArea();
    // Hidden windows take their cell too.
    int nRowTop = PlacementGrid::FirstRowTop(work);
    int n = 0;
    ForEachContact([&](ContactRecord* pRecord) {
        const POINT cell = PlacementGrid::Cell(n, nRowTop, work);
        if (CContactWnd* pWnd = pRecord->m_pWnd) {
            pWnd->StorePlace(cell.x, cell.y, kCell, kCell);
            pWnd->Place(cell.x, cell.y, kCell, kCell, 0);
        }
        ++n;
    });
}
