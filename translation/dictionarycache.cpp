#include "translation/dictionarycache.h"

std::shared_ptr<const DictionaryIndex> DictionaryCache::find(const QByteArray& bytes) const
{
    for (const Slot& slot : m_slots) {
        if (slot.bytes == bytes)
            return slot.index;
    }
    return nullptr;
}

void DictionaryCache::insert(const QByteArray& bytes, std::shared_ptr<const DictionaryIndex> index)
{
    if (bytes.size() > MaxCachedBytes)
        return;
    m_slots.push_front({bytes, std::move(index)});
    if (m_slots.size() > Capacity)
        m_slots.pop_back();
}
