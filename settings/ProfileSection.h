#pragma once

#include "settings/RegistryLayout.h"

#include <string>

namespace Settings {

// Reads and writes the values of one section through the application's
// profile calls. Booleans are stored as 1 or 0 and read as true only for 1.
class ProfileSection {
public:
    explicit ProfileSection(std::string strName) : m_strName(std::move(strName)) {}

    bool Read(const BoolValue& value) const;
    int Read(const IntValue& value) const;
    COLORREF Read(const ColorValue& value) const;
    std::string Read(const StringValue& value) const;
    int Read(const PlacedIntValue& value, int nDefault) const;

    void Write(const BoolValue& value, bool bValue) const;
    void Write(const IntValue& value, int nValue) const;
    void Write(const ColorValue& value, COLORREF crValue) const;
    void Write(const StringValue& value, const std::string& strValue) const;
    void Write(const PlacedIntValue& value, int nValue) const;

private:
    std::string m_strName;
};

// The "_Default" section.
inline ProfileSection DefaultSection()
{
    return ProfileSection(Default::kSection);
}

} // namespace Settings
