#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// The one lower-casing rule under which typed items and abbreviations are compared.
// Both sides of every comparison go through it.
namespace TextCase {

// `text` lower-cased exactly as QString::toLower does it, with a short cut for ASCII.
QString lower(QStringView text);

// The same without a copy where none is needed: `text` itself when it is ASCII and has no A
// to Z, otherwise the lower-cased text, written to `scratch` (whose capacity is reused, so
// lower-casing many short texts in turn allocates next to nothing). The view lasts until
// `scratch` is changed; `text` must not view `scratch`.
QStringView lower(QStringView text, QString& scratch);

// Of characters packed side by side in one word, each below 0x80 (`ones` has a 1 in the
// lowest bit of each: bytes or UTF-16 code units), 0x80 in each that is A to Z. No sum
// carries out of its lane.
template <std::uint64_t ones>
constexpr std::uint64_t asciiCapitals(std::uint64_t lanes)
{
    const std::uint64_t fromA = lanes + ones * (0x80 - 'A');      // high bit: 'A' or more
    const std::uint64_t afterZ = lanes + ones * (0x80 - 'Z' - 1); // high bit: past 'Z'
    return fromA & ~afterZ & (ones * 0x80);
}

// The ASCII part of the rule for each of eight ASCII bytes (all below 0x80) packed in one
// word: A to Z become a to z, everything else stays.
constexpr std::uint64_t lowerAsciiBytes(std::uint64_t bytes)
{
    return bytes | asciiCapitals<0x0101010101010101>(bytes) >> 2; // 0x80 >> 2 is the 0x20 between 'A' and 'a'
}

} // namespace TextCase
