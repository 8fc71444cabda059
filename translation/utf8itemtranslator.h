#pragma once

#include "translation/dictionary.h"
#include "translation/utf8keytable.h"

#include <string>
#include <string_view>
#include <unordered_map>

// Translates items given as UTF-8 bytes, with exactly the result of decoding the item with
// TextDecoding::fromUtf8, translating the text and encoding it again, but without that
// round trip for ASCII items, and only once for each other item (up to a bound on memory).
class Utf8ItemTranslator final {
public:
    explicit Utf8ItemTranslator(const Dictionary& dictionary);

    // The UTF-8 text `item` turns into. The view is valid until the next call.
    std::string_view translate(std::string_view item);

private:
    struct TextHash final {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>()(text); }
    };

    static constexpr std::size_t MaxRemembered = 1 << 16;
    static constexpr std::size_t MaxRememberedItemSize = 256;

    std::string_view translateAscii(std::string_view item);
    std::string_view translateOther(std::string_view item);
    std::string translateThroughText(std::string_view item) const;

    Utf8KeyTable m_table;
    std::string m_lowered;
    std::string m_unremembered;
    std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> m_remembered;
};
