#pragma once

#include "framework/ComPtr.h"

#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string>

// A contact's photo: a picture decoded by the system's OLE picture service,
// drawn stretched and measured in screen pixels. Empty until a load decodes.
class CPhotoImage {
public:
    CPhotoImage() = default;
    ~CPhotoImage() { Free(); }

    CPhotoImage(const CPhotoImage&) = delete;
    CPhotoImage& operator=(const CPhotoImage&) = delete;

    // False, leaving the holder as it was, when the file cannot be opened.
    // A file that opens but does not decode leaves the holder empty.
    bool LoadFromFile(const std::string& strPath);
    // A resource of type "IMAGE" of the program; false when there is none.
    bool LoadFromResource(UINT nId);
    // Replaces the picture with the one the stream holds, if it decodes.
    bool LoadFromArchive(IStream* pArchive);
    void Free();

    bool IsEmpty() const { return !m_pPicture; }

    // Draws the whole picture stretched into the rectangle; an all-zero
    // rectangle means the picture's natural size at the origin.
    bool Render(HDC hDC, RECT rect) const;
    // The natural size in pixels of the device context, or of the screen for
    // none; (0, 0) for an empty holder.
    SIZE GetImageSize(HDC hDC = nullptr) const;

private:
    CComPtr<IPicture> m_pPicture;
    // The program's own picture it shows with other holders, if it does.
    std::shared_ptr<const CPhotoImage> m_pShared;
};
