#pragma once

#include "translation/dictionaryentry.h"
#include "translation/flatkeytable.h"
#include "translation/keyhash.h"

#include <QString>
#include <QStringView>

#include <optional>
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
    // A distinct lower-cased abbreviation: the first line that has it, and the line whose
    // expansion an item matching it ends as.
    struct Chain final {
        int firstLine = 0;
        int finalLine = 0;
    };

    using KeyTable = FlatKeyTable<char16_t, Utf16KeyHash>;

    explicit DictionaryIndex(std::vector<DictionaryEntry> entries);

    const std::vector<DictionaryEntry>& entries() const { return m_entries; }

    // The abbreviation of `line` (0-based) as TextCase::lower gives it.
    const QString& key(int line) const { return m_keys[std::size_t(line)]; }

    // The first line after `line` whose abbreviation matches the expansion `line` writes, or -1.
    int nextLine(int line) const { return m_nextLine[std::size_t(line)]; }

    // One chain for each distinct key, in the order of the keys' first lines.
    const std::vector<Chain>& chains() const { return m_chains; }

    // The text an item ends as when all lines have been applied to it in order, given the
    // item lower-cased by TextCase::lower (and, if at hand, KeyTable::hash of that); nothing
    // when no line matches the item.
    std::optional<QStringView> translationOf(QStringView loweredItem) const
    {
        return translationOf(loweredItem, KeyTable::hash(view(loweredItem)));
    }
    std::optional<QStringView> translationOf(QStringView loweredItem, std::uint64_t hash) const
    {
        const auto found = m_translations.find(view(loweredItem), hash);
        return found ? std::optional<QStringView>(QStringView(found->data(), qsizetype(found->size()))) : std::nullopt;
    }

    static KeyTable::View view(QStringView text) { return {text.utf16(), std::size_t(text.size())}; }

private:
    std::vector<DictionaryEntry> m_entries;
    std::vector<QString> m_keys;
    std::vector<int> m_nextLine;
    std::vector<Chain> m_chains;
    KeyTable m_translations; // each key's first line's chain, to the expansion it ends with
};
