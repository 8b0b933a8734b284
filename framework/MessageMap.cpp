#include "framework/MessageMap.h"

const MessageMapEntry* MessageMap::FindMessage(UINT nMessage) const
{
    for (const MessageMap* pMap = this; pMap; pMap = pMap->m_pBase)
        for (const MessageMapEntry& entry : pMap->m_entries)
            if (entry.nMessage == nMessage && nMessage != WM_COMMAND)
                return &entry;
    return nullptr;
}

const MessageMapEntry* MessageMap::FindCommand(UINT nId) const
{
    for (const MessageMap* pMap = this; pMap; pMap = pMap->m_pBase)
        for (const MessageMapEntry& entry : pMap->m_entries)
            if (entry.nMessage == WM_COMMAND && nId >= entry.nIdFirst && nId <= entry.nIdLast)
                return &entry;
    return nullptr;
}
