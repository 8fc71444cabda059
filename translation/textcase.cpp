#include "translation/textcase.h"

#include <cstring>

namespace TextCase {

namespace {

// Four UTF-16 code units side by side in one word, worked on at once.
constexpr std::uint64_t Units = 0x0001000100010001; // 1 in each unit
constexpr std::uint64_t NonAscii = Units * 0xFF80;   // the bits of each unit from 0x80 up

std::uint64_t fourUnits(const char16_t* units)
{
    std::uint64_t word = 0;
    std::memcpy(&word, units, sizeof word);
    return word;
}

constexpr char16_t lowerAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

} // namespace

QString lower(QStringView text)
{
    QString scratch;
    const QStringView lowered = lower(text, scratch);
    return lowered.data() == text.data() ? text.toString() : scratch;
}

QStringView lower(QStringView text, QString& scratch)
{
    const char16_t* const chars = text.utf16();
    const qsizetype size = text.size();
    std::uint64_t found = 0; // non-zero once a capital is seen
    qsizetype i = 0;
    for (; i + 4 <= size; i += 4) {
        const std::uint64_t units = fourUnits(chars + i);
        if ((units & NonAscii) != 0)
            break;
        found |= asciiCapitals<Units>(units);
    }
    for (; i < size; ++i) {
        if (chars[i] >= 0x80) {
            scratch = text.toString().toLower();
            return scratch;
        }
        found |= std::uint64_t(lowerAscii(chars[i]) != chars[i]);
    }
    if (found == 0)
        return text;

    scratch.resize(size);
    char16_t* const out = reinterpret_cast<char16_t*>(scratch.data());
    for (i = 0; i + 4 <= size; i += 4) {
        const std::uint64_t units = fourUnits(chars + i);
        const std::uint64_t lowered = units | asciiCapitals<Units>(units) >> 2; // 0x80 >> 2 is the 0x20 between 'A' and 'a'
        std::memcpy(out + i, &lowered, sizeof lowered);
    }
    for (; i < size; ++i)
        out[i] = lowerAscii(chars[i]);
    return scratch;
}

} // namespace TextCase
