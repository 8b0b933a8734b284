#pragma once

#include <string>

// A file in the temporary folder, named after its purpose and this process,
// removed with the files the simulator makes beside it (its conversation
// log, the front end's temporary copy) when the test ends.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& strPurpose);
    ~TemporaryFile();

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return m_strPath; }
    // The bytes as given; no line-end conversion.
    void Write(const std::string& strBytes) const;
    // The whole file; empty when it does not exist.
    std::string Read() const;
    void Remove() const;

private:
    std::string m_strPath;
};
