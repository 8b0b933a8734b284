#pragma once

#include <windows.h>

#include <string>

// A folder of its own for the files a test makes, removed with the object.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();

    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return m_strPath; }
    // Writes a file in the folder and returns its full path.
    std::string Write(const std::string& strName, const std::string& strBytes) const;

private:
    std::string m_strPath;
};

// A 24-bit bitmap file of the given size, every pixel in one colour.
std::string BitmapFile(int nWidth, int nHeight, COLORREF crColor);
// An 8-bit run-length-encoded bitmap file: large pictures in few bytes.
std::string RunLengthBitmapFile(int nWidth, int nHeight);
// The bytes of the program's built-in photo, a 64 x 64 JPEG.
std::string DefaultPhotoFile();
