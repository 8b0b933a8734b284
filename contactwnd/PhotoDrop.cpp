// A photo file dropped on a contact window becomes the contact's photo.
#include "contactwnd/ContactWnd.h"

#include "core/ContactRecord.h"
#include "res/resource.h"
#include "settings/ProfileSection.h"

#include <shlwapi.h>

#include <vector>

namespace {

// Ends the drop operation, which holds memory until then.
class CDropFinish {
public:
    explicit CDropFinish(HDROP hDrop) : m_hDrop(hDrop) {}
    ~CDropFinish() { DragFinish(m_hDrop); }

    CDropFinish(const CDropFinish&) = delete;
    CDropFinish& operator=(const CDropFinish&) = delete;

private:
    HDROP m_hDrop;
};

// The full path of the first dropped file, however long.
std::string FirstDroppedFile(HDROP hDrop)
{
    const UINT length = DragQueryFileA(hDrop, 0, nullptr, 0);
    std::vector<char> path(length + 1, '\0');
    DragQueryFileA(hDrop, 0, path.data(), length + 1);
    return path.data();
}

bool IsPhotoFile(const std::string& strPath)
{
    std::string extension = PathFindExtensionA(strPath.c_str());
    if (!extension.empty())
        CharLowerBuffA(&extension[0], static_cast<DWORD>(extension.size()));
    return extension == ".jpg" || extension == ".jpeg" || extension == ".bmp"
           || extension == ".gif";
}

} // namespace

void CContactWnd::OnDropFiles(HDROP hDrop)
{
    CDropFinish finish(hDrop);
    const std::string path = FirstDroppedFile(hDrop);
    if (!IsPhotoFile(path)) {
        MessageBox("The photo must be \xE0 jpeg, gif or bmp file", "Error", MB_ICONERROR | MB_OK);
        return;
    }

    m_pContact->m_strPicFileName = path;
    const bool bLoaded = m_photo.LoadFromFile(path);
    if (!bLoaded)
        m_photo.LoadFromResource(IDR_DEFAULT_PHOTO);
    RedrawNow();
    // A photo that cannot be opened stays for this run only.
    if (bLoaded)
        Section().Write(Settings::Contact::PicFileName, path);
    Default();
}
