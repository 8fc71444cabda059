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

std::vector<std::pair<std::string, std::string>> keysAndTexts(const std::vector<DictionaryEntry>& entries,
                                                              const std::vector<QString>& keys,
                                                              const std::vector<DictionaryIndex::Chain>& chains)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    pairs.reserve(chains.size());
    for (const DictionaryIndex::Chain& chain : chains) {
        pairs.emplace_back(keys[std::size_t(chain.firstLine)].toUtf8().toStdString(),
                           entries[std::size_t(chain.finalLine)].expansion.toUtf8().toStdString());
    }
    return pairs;
}

} // namespace

DictionaryIndex::DictionaryIndex(std::vector<DictionaryEntry> entries, TextDecoding::DictionaryText decoding)
    : m_entries(std::move(entries))
    , m_keys(lowerCasedAbbreviations(m_entries))
    , m_nextLine(nextLines(m_entries, m_keys))
    , m_chains(chainsOf(m_keys, m_nextLine))
    , m_table(keysAndTexts(m_entries, m_keys, m_chains))
    , m_decoding(std::move(decoding))
{
    m_decoding.text.clear();
}
