#include "framework/Gdi.h"

#include <cstring>

HFONT CreatePointFont(int nPointSize, const char* pszFaceName, HDC hDC)
{
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(GetDeviceCaps(hDC, LOGPIXELSY), nPointSize, 720);
    font.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(font.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}
