#include "translation/dictionaryindex.h"

#include "translation/textcase.h"

#include <algorithm>

DictionaryIndex::DictionaryIndex(std::vector<DictionaryEntry> entries)
    : m_entries(std::move(entries))
{
    const int count = int(m_entries.size());
    std::unordered_map<QString, std::vector<int>, KeyHash, KeyEqual> linesByKey;
    m_keys.reserve(std::size_t(count));
    for (int line = 0; line < count; ++line) {
        m_keys.push_back(TextCase::lower(m_entries[std::size_t(line)].abbreviation));
        linesByKey[m_keys.back()].push_back(line); // lines come in order, so each list is sorted
    }

    m_nextLine.assign(std::size_t(count), -1);
    for (int line = 0; line < count; ++line) {
        const auto found = linesByKey.find(TextCase::lower(m_entries[std::size_t(line)].expansion));
        if (found == linesByKey.end())
            continue;
        const auto later = std::upper_bound(found->second.begin(), found->second.end(), line);
        if (later != found->second.end())
            m_nextLine[std::size_t(line)] = *later;
    }

    // Chains only run forward, so working from the last line back finds every end in one pass.
    std::vector<int> chainEnd(m_entries.size());
    for (int line = count - 1; line >= 0; --line) {
        const int next = m_nextLine[std::size_t(line)];
        chainEnd[std::size_t(line)] = next < 0 ? line : chainEnd[std::size_t(next)];
    }

    m_finalLineByKey.reserve(linesByKey.size());
    for (const auto& [key, lines] : linesByKey)
        m_finalLineByKey.emplace(key, chainEnd[std::size_t(lines.front())]);
}

int DictionaryIndex::finalLine(QStringView loweredItem) const
{
    const auto found = m_finalLineByKey.find(loweredItem);
    return found == m_finalLineByKey.end() ? -1 : found->second;
}
