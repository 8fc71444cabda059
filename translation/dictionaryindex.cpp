#include "translation/dictionaryindex.h"

#include "translation/keyhash.h"
#include "translation/textcase.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <tuple>

namespace {

// A hash of UTF-16 text for the table below, mixed four characters at a time.
std::uint64_t hashOf(QStringView text)
{
    const char* bytes = reinterpret_cast<const char*>(text.utf16());
    std::size_t size = std::size_t(text.size()) * sizeof(char16_t);
    std::uint64_t hash = KeyHash::mix(KeyHash::Start, size);
    for (; size >= 8; size -= 8, bytes += 8)
        hash = KeyHash::mix(hash, KeyHash::word(bytes));
    if (size > 0)
        hash = KeyHash::mix(hash, KeyHash::chunk(bytes, size));
    return hash;
}

bool equal(QStringView a, QStringView b)
{
    return a.size() == b.size() && (a.isEmpty() || std::memcmp(a.utf16(), b.utf16(), std::size_t(a.size()) * sizeof(char16_t)) == 0);
}

// The distinct keys, numbered in the order of their first lines, and the lines of each key.
// Open addressing over the keys' hashes, the table at most half full: one hash and, nearly
// always, one comparison for each line, and nothing allocated for each key.
class KeyNumbers final {
public:
    explicit KeyNumbers(const std::vector<QStringView>& keys)
        : m_keys(keys)
    {
        int bits = 4;
        while ((std::size_t(1) << bits) < 2 * keys.size())
            ++bits;
        m_slots.assign(std::size_t(1) << bits, -1);
        m_mask = m_slots.size() - 1;
        m_shift = 64 - bits;

        std::vector<int> numberOfLine(keys.size());
        m_firstLines.reserve(keys.size());
        for (std::size_t line = 0; line < keys.size(); ++line) {
            int& number = m_slots[slotOf(keys[line])];
            if (number < 0) {
                number = int(m_firstLines.size());
                m_firstLines.push_back(int(line));
            }
            numberOfLine[line] = number;
        }

        // The lines grouped by key, each group in line order: a counting sort.
        m_starts.assign(m_firstLines.size() + 1, 0);
        for (const int number : numberOfLine)
            ++m_starts[std::size_t(number) + 1];
        std::partial_sum(m_starts.begin(), m_starts.end(), m_starts.begin());
        std::vector<int> next(m_starts.begin(), m_starts.end() - 1);
        m_lines.resize(keys.size());
        for (std::size_t line = 0; line < keys.size(); ++line)
            m_lines[std::size_t(next[std::size_t(numberOfLine[line])]++)] = int(line);
    }

    int count() const { return int(m_firstLines.size()); }
    int firstLine(int number) const { return m_firstLines[std::size_t(number)]; }

    // The number of the key equal to `text`, or -1 when no key is.
    int find(QStringView text) const { return m_slots[slotOf(text)]; }

    // The first line after `line` whose key has `number`, or -1.
    int lineAfter(int number, int line) const
    {
        const auto begin = m_lines.begin() + m_starts[std::size_t(number)];
        const auto end = m_lines.begin() + m_starts[std::size_t(number) + 1];
        const auto later = std::upper_bound(begin, end, line);
        return later == end ? -1 : *later;
    }

private:
    // The slot that holds the number of the key equal to `text`, or the free slot where it goes.
    std::size_t slotOf(QStringView text) const
    {
        for (std::size_t slot = std::size_t(hashOf(text) >> m_shift);; slot = (slot + 1) & m_mask) {
            const int number = m_slots[slot];
            if (number < 0 || equal(m_keys[std::size_t(m_firstLines[std::size_t(number)])], text))
                return slot;
        }
    }

    const std::vector<QStringView>& m_keys;
    std::vector<int> m_slots; // key numbers, -1 where free
    std::size_t m_mask = 0;
    int m_shift = 0;
    std::vector<int> m_firstLines; // by number
    std::vector<int> m_starts;     // by number, where its lines begin in m_lines; then their end
    std::vector<int> m_lines;
};

// The abbreviations lower-cased: views of the abbreviations themselves where that changes
// nothing (nearly always), otherwise of the lower-cased text appended to `lowered`.
std::vector<QStringView> lowerCasedAbbreviations(const std::vector<DictionaryEntry>& entries, QString& lowered)
{
    std::vector<QStringView> keys(entries.size());
    std::vector<std::tuple<std::size_t, qsizetype, qsizetype>> changed; // line, offset, length
    QString scratch;
    for (std::size_t line = 0; line < entries.size(); ++line) {
        const QStringView abbreviation = entries[line].abbreviation;
        const QStringView key = TextCase::lower(abbreviation, scratch);
        if (key.data() == abbreviation.data()) {
            keys[line] = key;
        } else {
            changed.emplace_back(line, lowered.size(), key.size());
            lowered += key;
        }
    }
    for (const auto& [line, offset, length] : changed) // `lowered` no longer moves
        keys[line] = QStringView(lowered).sliced(offset, length);
    return keys;
}

// For every line, the first later line whose key is the line's expansion lower-cased; -1 when none.
std::vector<int> nextLines(const std::vector<DictionaryEntry>& entries, const KeyNumbers& numbers)
{
    std::vector<int> next(entries.size(), -1);
    QString scratch;
    for (std::size_t line = 0; line < entries.size(); ++line) {
        const int number = numbers.find(TextCase::lower(entries[line].expansion, scratch));
        if (number >= 0)
            next[line] = numbers.lineAfter(number, int(line));
    }
    return next;
}

// Chains only run forward, so working from the last line back finds every end in one pass.
std::vector<DictionaryIndex::Chain> chainsOf(const KeyNumbers& numbers, const std::vector<int>& next)
{
    std::vector<int> end(next.size());
    for (int line = int(next.size()) - 1; line >= 0; --line) {
        const int following = next[std::size_t(line)];
        end[std::size_t(line)] = following < 0 ? line : end[std::size_t(following)];
    }

    std::vector<DictionaryIndex::Chain> chains;
    chains.reserve(std::size_t(numbers.count()));
    for (int number = 0; number < numbers.count(); ++number) {
        const int first = numbers.firstLine(number);
        chains.push_back({first, end[std::size_t(first)]});
    }
    return chains;
}

// `text` in UTF-8. ASCII, nearly all of it, is narrowed directly, checked four characters at
// a time; anything else takes the trip through QByteArray.
std::string utf8Of(QStringView text)
{
    std::string bytes(std::size_t(text.size()), '\0');
    const char16_t* const chars = text.utf16();
    const auto nonAscii = [&] {
        const QByteArray utf8 = text.toUtf8();
        return std::string(utf8.constData(), std::size_t(utf8.size()));
    };
    std::size_t i = 0;
    for (; i + 4 <= bytes.size(); i += 4) {
        std::uint64_t units = 0;
        std::memcpy(&units, chars + i, sizeof units);
        if ((units & 0xFF80FF80FF80FF80ull) != 0)
            return nonAscii();
        bytes[i] = char(chars[i]);
        bytes[i + 1] = char(chars[i + 1]);
        bytes[i + 2] = char(chars[i + 2]);
        bytes[i + 3] = char(chars[i + 3]);
    }
    for (; i < bytes.size(); ++i) {
        if (chars[i] >= 0x80)
            return nonAscii();
        bytes[i] = char(chars[i]);
    }
    return bytes;
}

std::vector<std::pair<std::string, std::string>> keysAndTexts(const std::vector<DictionaryEntry>& entries,
                                                              const std::vector<QStringView>& keys,
                                                              const std::vector<DictionaryIndex::Chain>& chains)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    pairs.reserve(chains.size());
    for (const DictionaryIndex::Chain& chain : chains)
        pairs.emplace_back(utf8Of(keys[std::size_t(chain.firstLine)]), utf8Of(entries[std::size_t(chain.finalLine)].expansion));
    return pairs;
}

} // namespace

DictionaryIndex::DictionaryIndex(std::vector<DictionaryEntry> entries, TextDecoding::DictionaryText decoding)
    : m_text(std::move(decoding.text)) // a move keeps the characters where the entries view them
    , m_entries(std::move(entries))
    , m_decoding(std::move(decoding))
{
    m_keys = lowerCasedAbbreviations(m_entries, m_loweredKeys);
    const KeyNumbers numbers(m_keys);
    m_nextLine = nextLines(m_entries, numbers);
    m_chains = chainsOf(numbers, m_nextLine);
    m_table.emplace(keysAndTexts(m_entries, m_keys, m_chains));
}
