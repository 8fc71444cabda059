#pragma once

#include "translation/dictionaryentry.h"
#include "translation/keytable.h"
#include "translation/textdecoding.h"

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

    // `entries`: views into `decoding.text`, which the index takes over and keeps for them
    // (decoding() then has no text).
    DictionaryIndex(std::vector<DictionaryEntry> entries, TextDecoding::DictionaryText decoding);
    DictionaryIndex(const DictionaryIndex&) = delete; // entries and keys view the index's own text
    DictionaryIndex& operator=(const DictionaryIndex&) = delete;

    const std::vector<DictionaryEntry>& entries() const { return m_entries; }

    // The abbreviation of `line` (0-based) as TextCase::lower gives it.
    QStringView key(int line) const { return m_keys[std::size_t(line)]; }

    // The first line after `line` whose abbreviation matches the expansion `line` writes, or -1.
    int nextLine(int line) const { return m_nextLine[std::size_t(line)]; }

    // One chain for each distinct key, in the order of the keys' first lines.
    const std::vector<Chain>& chains() const { return m_chains; }

    // Each key in UTF-8, to the expansion an item matching it ends as.
    const KeyTable& table() const { return *m_table; }

    const TextDecoding::DictionaryText& decoding() const { return m_decoding; }

private:
    QString m_text;        // what the entries view
    QString m_loweredKeys; // the keys that lower-casing changes; the others view m_text
    std::vector<DictionaryEntry> m_entries;
    std::vector<QStringView> m_keys;
    std::vector<int> m_nextLine;
    std::vector<Chain> m_chains;
    std::optional<KeyTable> m_table; // always there once constructed: built last, from the chains
    TextDecoding::DictionaryText m_decoding;
};
