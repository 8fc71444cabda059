#include "translation/dictionaryparser.h"

#include "translation/dictionaryformat.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace DictionaryParser {

namespace {

constexpr bool Little = std::endian::native == std::endian::little;
static_assert(Little || std::endian::native == std::endian::big);

// Of the four UTF-16 code units at `units`, the top bit of each that is TAB, LF, CR or another
// control below CR, and nothing else: exact, since no sum carries out of its unit.
std::uint64_t controls(const char16_t* units)
{
    constexpr std::uint64_t lanes = 0x0001000100010001;
    constexpr std::uint64_t topBits = lanes * 0x8000;
    std::uint64_t word = 0;
    std::memcpy(&word, units, sizeof word);
    return ~(((word & ~topBits) + lanes * (0x8000 - (u'\r' + 1))) | word) & topBits;
}

// How many units come before the first one that `controls` marks (at least one is).
qsizetype beforeFirst(std::uint64_t marks)
{
    return (Little ? std::countr_zero(marks) : std::countl_zero(marks)) / 16;
}

} // namespace

std::variant<std::vector<DictionaryEntry>, DictionaryFault> parse(QStringView text, const QString& path)
{
    std::vector<DictionaryEntry> entries;
    entries.reserve(DictionaryFormat::LineCount);
    const char16_t* const chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype pos = 0;
    while (int(entries.size()) < DictionaryFormat::LineCount && pos < size) {
        // One pass over the line finds its end, its first two TABs and how many there are.
        qsizetype firstTab = -1;
        qsizetype secondTab = -1;
        int tabs = 0;
        qsizetype end = pos;
        while (end < size) {
            if (end + 4 <= size) {
                const std::uint64_t marks = controls(chars + end);
                if (marks == 0) { // nearly always
                    end += 4;
                    continue;
                }
                end += beforeFirst(marks);
            }
            const char16_t c = chars[end];
            if (c == u'\r' || c == u'\n')
                break;
            if (c == u'\t') {
                if (tabs == 0)
                    firstTab = end;
                else if (tabs == 1)
                    secondTab = end;
                ++tabs;
            }
            ++end;
        }
        if (tabs == 0)
            return DictionaryFault::noTab(path, int(entries.size()) + 1, end == pos);
        const qsizetype expansionEnd = tabs == 1 ? end : secondTab;
        entries.push_back({text.sliced(pos, firstTab - pos), text.sliced(firstTab + 1, expansionEnd - firstTab - 1), tabs + 1});

        pos = end;
        if (pos < size)
            pos += chars[pos] == u'\r' && pos + 1 < size && chars[pos + 1] == u'\n' ? 2 : 1;
    }
    if (int(entries.size()) < DictionaryFormat::LineCount)
        return DictionaryFault::tooFewLines(path, int(entries.size()));
    return entries;
}

} // namespace DictionaryParser
