#pragma once

#include "framework/RegKey.h"
#include "settings/RegistryLayout.h"

#include <string>
#include <type_traits>

namespace Settings {

// Reads and writes the values of one section of the application's profile.
// Booleans are stored as 1 or 0 and read as true only for 1. The section's
// key is opened at the first read or write and kept while the object lives,
// so that a window loading or storing its settings opens it once rather than
// at every value.
class ProfileSection {
public:
    explicit ProfileSection(std::string strName) : m_strName(std::move(strName)) {}

    template <typename T>
    T Read(const Value<T>& value) const
    {
        const int nStored = ReadInt(value.pszName, static_cast<int>(value.defaultValue));
        if constexpr (std::is_same_v<T, bool>)
            return nStored == 1;
        else
            return static_cast<T>(nStored);
    }
    std::string Read(const StringValue& value) const;
    int Read(const PlacedIntValue& value, int nDefault) const;

    template <typename T>
    void Write(const Value<T>& value, typename Value<T>::Type tValue) const
    {
        WriteInt(value.pszName, static_cast<int>(tValue));
    }
    void Write(const StringValue& value, const std::string& strValue) const;
    void Write(const PlacedIntValue& value, int nValue) const;

private:
    // The section's key; none without an application object, or for a name
    // that cannot be one key. Failures read as absent values, and writes
    // that fail are ignored, as the profile calls do.
    const CRegKey& Key() const;
    int ReadInt(const char* pszName, int nDefault) const;
    void WriteInt(const char* pszName, int nValue) const;

    std::string m_strName;
    mutable CRegKey m_key;
};

// The "_Default" section.
inline ProfileSection DefaultSection()
{
    return ProfileSection(Default::kSection);
}

// Runs visit(value) on the value paired with pField in a list that
// forEach walks as visit(field, value): how a field finds its value.
template <typename ForEach, typename Field, typename Visit>
void VisitValueOf(ForEach forEach, Field pField, Visit visit)
{
    forEach([&](auto pEach, const auto& value) {
        if constexpr (std::is_same_v<decltype(pEach), Field>)
            if (pEach == pField)
                visit(value);
    });
}

} // namespace Settings
