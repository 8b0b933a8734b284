// Reorganize All Contact's Windows: every window to a grid cell along the
// bottom of the screen, in list order.
#include "shell/SkyletDlg.h"

#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "settings/ProfileSection.h"

void CSkyletDlg::OnReorganize()
{
    constexpr int kCell = CONTACT_BASE_SIZE + CONTACT_WND_MARGIN;
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // Columns from the screen's left edge; rows upwards from the bottom of
    // the work area. Hidden windows take their cell too.
    int y = work.bottom - kCell;
    int n = 0;
    ForEachContact([&](ContactRecord* pRecord) {
        int x = kCell * n;
        if (x + kCell > work.right) {
            n = 0;
            x = 0;
            y -= kCell;
        }
        if (CContactWnd* pWnd = pRecord->m_pWnd) {
            const Settings::ProfileSection section = pWnd->Section();
            section.Write(Settings::Contact::Left, x);
            section.Write(Settings::Contact::Top, y);
            section.Write(Settings::Contact::SizeX, kCell);
            section.Write(Settings::Contact::SizeY, kCell);
            pWnd->Place(x, y, kCell, kCell, 0);
        }
        ++n;
    });
}
