#include "contactwnd/PhotoImage.h"

#include "framework/Gdi.h"
#include "framework/WinApp.h"

#include <shlwapi.h>

#include <cstring>
#include <map>

namespace {

// HIMETRIC units are hundredths of a millimetre: 2540 to the inch.
constexpr int kHimetricPerInch = 2540;

// A read-only copy in memory of a resource of type "IMAGE" of the program;
// none when there is no such resource.
CComPtr<IStream> ImageResourceStream(UINT nId)
{
    CComPtr<IStream> pMemory;
    HMODULE hModule = AfxGetResourceHandle();
    HRSRC hResource = FindResourceA(hModule, MAKEINTRESOURCEA(nId), "IMAGE");
    const DWORD size = hResource ? SizeofResource(hModule, hResource) : 0;
    HGLOBAL hLoaded = size ? LoadResource(hModule, hResource) : nullptr;
    const void* pBytes = hLoaded ? LockResource(hLoaded) : nullptr;
    if (!pBytes)
        return pMemory;
    // Freed with the stream.
    HGLOBAL hCopy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!hCopy)
        return pMemory;
    std::memcpy(GlobalLock(hCopy), pBytes, size);
    GlobalUnlock(hCopy);
    if (FAILED(CreateStreamOnHGlobal(hCopy, TRUE, pMemory.Put())))
        GlobalFree(hCopy);
    return pMemory;
}

// The program's own pictures never change: each is decoded once, and every
// holder that shows it shares the same picture. It goes with the last of
// them, so that no picture outlives the OLE of the program's end. Drawing
// does not change a picture.
std::map<UINT, std::weak_ptr<const CPhotoImage>> g_sharedPictures;

} // namespace

bool CPhotoImage::LoadFromFile(const std::string& strPath)
{
    // Open for reading, letting others read but not write while it loads.
    CComPtr<IStream> pFile;
    if (FAILED(
            SHCreateStreamOnFileA(strPath.c_str(), STGM_READ | STGM_SHARE_DENY_WRITE, pFile.Put())))
        return false;
    return LoadFromArchive(pFile.Get());
}

bool CPhotoImage::LoadFromResource(UINT nId)
{
    std::weak_ptr<const CPhotoImage>& decoded = g_sharedPictures[nId];
    std::shared_ptr<const CPhotoImage> pShared = decoded.lock();
    if (!pShared) {
        const CComPtr<IStream> pMemory = ImageResourceStream(nId);
        if (!pMemory)
            return false;
        auto pDecoded = std::make_shared<CPhotoImage>();
        pDecoded->LoadFromArchive(pMemory.Get());
        decoded = pShared = std::move(pDecoded);
    }
    Free();
    m_pPicture.Share(pShared->m_pPicture.Get());
    m_pShared = std::move(pShared);
    return true;
}

void CPhotoImage::Free()
{
    m_pPicture.Release();
    m_pShared.reset();
}

bool CPhotoImage::LoadFromArchive(IStream* pArchive)
{
    Free();
    OleLoadPicture(pArchive, 0, FALSE, IID_IPicture, m_pPicture.PutVoid());
    return true;
}

bool CPhotoImage::Render(HDC hDC, RECT rect) const
{
    if (!m_pPicture)
        return true;
    if (rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0) {
        const SIZE size = GetImageSize(hDC);
        rect.right = size.cx;
        rect.bottom = size.cy;
    }
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(m_pPicture->get_Width(&width)) || FAILED(m_pPicture->get_Height(&height)))
        return true;
    // The whole picture, in HIMETRIC's bottom-up orientation.
    m_pPicture->Render(hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0,
                       height, width, -height, nullptr);
    return true;
}

SIZE CPhotoImage::GetImageSize(HDC hDC) const
{
    SIZE size = {0, 0};
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (!m_pPicture || FAILED(m_pPicture->get_Width(&width))
        || FAILED(m_pPicture->get_Height(&height)))
        return size;
    CWindowDC screen(nullptr);
    HDC hMeasure = hDC ? hDC : screen.Get();
    size.cx = MulDiv(width, GetDeviceCaps(hMeasure, LOGPIXELSX), kHimetricPerInch);
    size.cy = MulDiv(height, GetDeviceCaps(hMeasure, LOGPIXELSY), kHimetricPerInch);
    return size;
}
