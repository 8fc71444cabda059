#pragma once

#include "translation/dictionaryindex.h"

#include <QByteArray>

#include <deque>
#include <memory>

// Indexes of recently read dictionaries, found again by the exact bytes they were built
// from. The file is still read at every translation; an unchanged file then costs one
// comparison of its bytes instead of a parse, and any change to them, whatever the file's
// time stamps say, gives a fresh parse.
class DictionaryCache final {
public:
    std::shared_ptr<const DictionaryIndex> find(const QByteArray& bytes) const;
    void insert(const QByteArray& bytes, std::shared_ptr<const DictionaryIndex> index);

private:
    static constexpr std::size_t Capacity = 4;
    static constexpr qsizetype MaxCachedBytes = 16 * 1024 * 1024;

    struct Slot final {
        QByteArray bytes;
        std::shared_ptr<const DictionaryIndex> index;
    };

    std::deque<Slot> m_slots; // the most recently inserted first
};
