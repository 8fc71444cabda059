#pragma once

#include "translation/dictionaryentry.h"

#include <QString>
#include <QHashFunctions>
#include <QStringView>

#include <unordered_map>
#include <vector>

// The dictionary's entries with every chain worked out in advance.
//
// Applying lines 1 to 1622 in order to one item means: the first line whose abbreviation
// matches the item replaces it by its expansion E; from there only the lines after it
// count, and the first of them whose abbreviation matches E replaces it again, and so on.
// Where an item ends up therefore depends only on the first line that matches it, so the
// index keeps, for each lower-cased abbreviation, the line whose expansion the item ends as.
class DictionaryIndex final {
public:
    explicit DictionaryIndex(std::vector<DictionaryEntry> entries);

    const std::vector<DictionaryEntry>& entries() const { return m_entries; }

    // The abbreviation of `line` (0-based) as TextCase::lower gives it.
    const QString& key(int line) const { return m_keys[std::size_t(line)]; }

    // The first line after `line` whose abbreviation matches the expansion `line` writes, or -1.
    int nextLine(int line) const { return m_nextLine[std::size_t(line)]; }

    // The line whose expansion an item ends as when all lines have been applied to it in
    // order, given the item lower-cased by TextCase::lower; -1 when no line matches it.
    int finalLine(QStringView loweredItem) const;

    // Every lower-cased abbreviation with its final line.
    template <typename Visit>
    void forEachKey(Visit&& visit) const
    {
        for (const auto& [key, line] : m_finalLineByKey)
            visit(QStringView(key), line);
    }

private:
    struct KeyHash final {
        using is_transparent = void;
        std::size_t operator()(QStringView key) const noexcept { return qHash(key); }
    };
    struct KeyEqual final {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
    };

    std::vector<DictionaryEntry> m_entries;
    std::vector<QString> m_keys;
    std::vector<int> m_nextLine;
    std::unordered_map<QString, int, KeyHash, KeyEqual> m_finalLineByKey;
};
