#pragma once

// The fixed shape of the dictionary file.
namespace DictionaryFormat {

// Lines 1 to 1622 are the dictionary; the translation never reads a line after them.
inline constexpr int LineCount = 1622;

} // namespace DictionaryFormat
