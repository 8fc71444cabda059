#include "translation/dictionaryindex.h"

#include "translation/textcase.h"

#include <QHashFunctions>

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

struct KeyHash final {
    std::size_t operator()(const QString& key) const noexcept { return qHash(key); }
};

std::vector<QString> lowerCasedAbbreviations(const std::vector<DictionaryEntry>& entries)
{
    std::vector<QString> keys;
    keys.reserve(entries.size());
    for (const DictionaryEntry& entry : entries)
        keys.push_back(TextCase::lower(entry.abbreviation));
    return keys;
}

// For every line, the first later line whose key is the line's expansion lower-cased; -1 when none.
std::vector<int> nextLines(const std::vector<DictionaryEntry>& entries, const std::vector<QString>& keys)
{
    std::unordered_map<QString, std::vector<int>, KeyHash> linesByKey;
    for (std::size_t line = 0; line < keys.size(); ++line)
        linesByKey[keys[line]].push_back(int(line)); // lines come in order, so each list is sorted

    std::vector<int> next(entries.size(), -1);
    for (std::size_t line = 0; line < entries.size(); ++line) {
        const auto found = linesByKey.find(TextCase::lower(entries[line].expansion));
        if (found == linesByKey.end())
            continue;
        const auto later = std::upper_bound(found->second.begin(), found->second.end(), int(line));
        if (later != found->second.end())
            next[line] = *later;
    }
    return next;
}

// Chains only run forward, so working from the last line back finds every end in one pass.
std::vector<DictionaryIndex::Chain> chainsOf(const std::vector<QString>& keys, const std::vector<int>& next)
{
    std::vector<int> end(next.size());
    for (int line = int(next.size()) - 1; line >= 0; --line) {
        const int following = next[std::size_t(line)];
        end[std::size_t(line)] = following < 0 ? line : end[std::size_t(following)];
    }

    std::vector<DictionaryIndex::Chain> chains;
    std::unordered_set<QString, KeyHash> seen;
    for (std::size_t line = 0; line < keys.size(); ++line) {
        if (seen.insert(keys[line]).second)
            chains.push_back({int(line), end[line]});
    }
    return chains;
}

DictionaryIndex::KeyTable translationTable(const std::vector<DictionaryEntry>& entries,
                                           const std::vector<QString>& keys,
                                           const std::vector<DictionaryIndex::Chain>& chains)
{
    std::vector<DictionaryIndex::KeyTable::View> expansions;
    expansions.reserve(entries.size());
    for (const DictionaryEntry& entry : entries)
        expansions.push_back(DictionaryIndex::view(entry.expansion));

    std::vector<std::pair<DictionaryIndex::KeyTable::View, int>> keyToLine;
    keyToLine.reserve(chains.size());
    for (const DictionaryIndex::Chain& chain : chains)
        keyToLine.emplace_back(DictionaryIndex::view(keys[std::size_t(chain.firstLine)]), chain.finalLine);
    return {expansions, keyToLine};
}

} // namespace

DictionaryIndex::DictionaryIndex(std::vector<DictionaryEntry> entries)
    : m_entries(std::move(entries))
    , m_keys(lowerCasedAbbreviations(m_entries))
    , m_nextLine(nextLines(m_entries, m_keys))
    , m_chains(chainsOf(m_keys, m_nextLine))
    , m_translations(translationTable(m_entries, m_keys, m_chains))
{
}
