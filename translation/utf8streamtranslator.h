#pragma once

#include "translation/dictionary.h"
#include "translation/spacejoiner.h"
#include "translation/utf8itemtranslator.h"

#include <string>
#include <string_view>

// Translates a stream of UTF-8 messages, one per line, as the bytes arrive. A line ends at
// LF, and a CR just before the LF is dropped; each line is translated exactly as Translate
// translates that text typed into the input box (its appended space included), and each
// translation is written as one line ending in LF. A byte order mark at the very start of
// the stream is skipped. Only the item being read is held, so input of any size runs in
// constant memory.
class Utf8StreamTranslator final {
public:
    explicit Utf8StreamTranslator(const Dictionary& dictionary);

    // Translates what `input` completes and appends it to `output`.
    void feed(std::string_view input, std::string& output);

    // Ends the stream: a last line without its LF is translated as well.
    void finish(std::string& output);

private:
    void consume(std::string_view input, std::string& output);
    void endItem(std::string_view item, std::string& output);
    void endLine(std::string_view lastItem, std::string& output);

    Utf8ItemTranslator m_items;
    SpaceJoiner<char> m_joiner;
    std::string m_pendingItem;     // the start of an item that the next input completes
    std::string m_streamStart;     // the first bytes, held until a byte order mark is ruled out
    bool m_atStreamStart = true;
    bool m_lineOpen = false;       // bytes of a line have arrived since the last LF
};
