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

// The ASCII part of the rule for each of eight ASCII bytes (all below 0x80) packed in one
// word: A to Z become a to z, everything else stays.
constexpr std::uint64_t lowerAsciiBytes(std::uint64_t bytes)
{
    constexpr std::uint64_t ones = 0x0101010101010101;
    const std::uint64_t fromA = bytes + ones * (0x80 - 'A');      // high bit: the byte is 'A' or more
    const std::uint64_t afterZ = bytes + ones * (0x80 - 'Z' - 1); // high bit: the byte is past 'Z'
    const std::uint64_t upper = fromA & ~afterZ & (ones * 0x80);
    return bytes | (upper >> 2); // 0x80 >> 2 is the 0x20 between 'A' and 'a'
}

} // namespace TextCase
