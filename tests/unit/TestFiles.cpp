#include "tests/unit/TestFiles.h"

#include "res/resource.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

namespace {

template <typename T>
void Append(std::string& bytes, const T& value)
{
    bytes.append(reinterpret_cast<const char*>(&value), sizeof(value));
}

std::string BitmapHeaders(int nWidth, int nHeight, WORD wBits, DWORD dwCompression,
                          DWORD dwPaletteSize, DWORD dwImageSize)
{
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info) + dwPaletteSize * 4;
    file.bfSize = file.bfOffBits + dwImageSize;
    info.biSize = sizeof(info);
    info.biWidth = nWidth;
    info.biHeight = nHeight;
    info.biPlanes = 1;
    info.biBitCount = wBits;
    info.biCompression = dwCompression;
    info.biSizeImage = dwImageSize;
    info.biClrUsed = dwPaletteSize;
    std::string bytes;
    Append(bytes, file);
    Append(bytes, info);
    return bytes;
}

} // namespace

TestFolder::TestFolder()
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const testing::TestInfo* pInfo = testing::UnitTest::GetInstance()->current_test_info();
    m_strPath = std::string(temp) + "skylet-" + pInfo->test_suite_name() + "-" + pInfo->name();
    SHCreateDirectoryExA(nullptr, m_strPath.c_str(), nullptr);
}

TestFolder::~TestFolder()
{
    std::string from = m_strPath;
    from.push_back('\0'); // a double-zero-terminated list of one
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&operation);
}

std::string TestFolder::Write(const std::string& strName, const std::string& strBytes) const
{
    const std::string path = m_strPath + "\\" + strName;
    HANDLE hFile = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, hFile) << path;
    DWORD written = 0;
    WriteFile(hFile, strBytes.data(), static_cast<DWORD>(strBytes.size()), &written, nullptr);
    CloseHandle(hFile);
    return path;
}

std::string BitmapFile(int nWidth, int nHeight, COLORREF crColor)
{
    const int stride = (nWidth * 3 + 3) & ~3;
    std::string bytes = BitmapHeaders(nWidth, nHeight, 24, BI_RGB, 0, stride * nHeight);
    std::string row(stride, '\0');
    for (int x = 0; x < nWidth; ++x) {
        row[x * 3] = static_cast<char>(GetBValue(crColor));
        row[x * 3 + 1] = static_cast<char>(GetGValue(crColor));
        row[x * 3 + 2] = static_cast<char>(GetRValue(crColor));
    }
    for (int y = 0; y < nHeight; ++y)
        bytes += row;
    return bytes;
}

std::string RunLengthBitmapFile(int nWidth, int nHeight)
{
    std::string pixels;
    for (int y = 0; y < nHeight; ++y) {
        for (int left = nWidth; left > 0; left -= 255) {
            pixels.push_back(static_cast<char>(left > 255 ? 255 : left));
            pixels.push_back(static_cast<char>(y % 2)); // palette entry
        }
        pixels.append("\0\0", 2); // end of line
    }
    pixels.append("\0\1", 2); // end of bitmap
    std::string bytes =
        BitmapHeaders(nWidth, nHeight, 8, BI_RLE8, 2, static_cast<DWORD>(pixels.size()));
    const RGBQUAD palette[2] = {{200, 120, 40, 0}, {40, 120, 200, 0}};
    Append(bytes, palette);
    return bytes + pixels;
}

std::string DefaultPhotoFile()
{
    HMODULE hModule = GetModuleHandleA(nullptr);
    HRSRC hResource = FindResourceA(hModule, MAKEINTRESOURCEA(IDR_DEFAULT_PHOTO), "IMAGE");
    if (!hResource)
        return std::string();
    const char* pBytes = static_cast<const char*>(LockResource(LoadResource(hModule, hResource)));
    return std::string(pBytes, SizeofResource(hModule, hResource));
}
