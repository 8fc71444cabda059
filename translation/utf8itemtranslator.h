#pragma once

#include "translation/dictionary.h"
#include "translation/flatkeytable.h"
#include "translation/keyhash.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

// Translates items given as UTF-8 bytes, with exactly the result of decoding the item with
// TextDecoding::fromUtf8, translating the text and encoding it again. ASCII items skip that
// round trip: they are lower-cased, hashed and looked up eight bytes at a time. Any other
// item takes the round trip once and is then remembered (up to a bound on memory).
class Utf8ItemTranslator final {
public:
    using KeyTable = FlatKeyTable<char, ByteKeyHash>;

    explicit Utf8ItemTranslator(const Dictionary& dictionary);

    // Readable bytes that must follow each item handed in, and that follow each result.
    static constexpr std::size_t Padding = 16;

    // The UTF-8 text `item` turns into; the view is valid until the next call. Both the item
    // and the result are followed by Padding readable bytes (the item's are not changed).
    std::string_view translate(std::string_view item);

private:
    struct TextHash final {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>()(text); }
    };

    // What an item that is not plain ASCII turns into: an expansion in the table, or else the
    // item decoded and encoded again (invalid bytes become U+FFFD), kept with its padding.
    struct OtherResult final {
        std::optional<std::string_view> expansion;
        std::string recoded;

        std::string_view text() const
        {
            return expansion ? *expansion : std::string_view(recoded).substr(0, recoded.size() - Padding);
        }
    };

    // Remembered results are small: expansions stay in the table, and only short items are kept.
    static constexpr std::size_t MaxRemembered = 4096;
    static constexpr std::size_t MaxRememberedItemSize = 256;

    std::string_view translateOther(std::string_view item);
    OtherResult translateThroughText(std::string_view item) const;

    KeyTable m_table;      // lower-cased key to the expansion an item with that key ends as
    std::string m_lowered; // room for the longest key and one more chunk
    OtherResult m_unremembered;
    std::unordered_map<std::string, OtherResult, TextHash, std::equal_to<>> m_remembered;
};
