#pragma once

#include "translation/dictionary.h"
#include "translation/paddedbytes.h"
#include "translation/spacejoiner.h"
#include "translation/utf8itemtranslator.h"

#include <string_view>

// Translates a stream of UTF-8 messages, one per line, as the bytes arrive. A line ends at
// LF, and a CR just before the LF is dropped; each line is translated exactly as Translate
// translates that text typed into the input box (its appended space included), and each
// translation is written as one line ending in LF. A byte order mark at the very start of
// the stream is skipped, and the end of the stream ends a last line as an LF would. Only the
// item being read is held, so input of any size runs in constant memory.
class Utf8StreamTranslator final {
public:
    explicit Utf8StreamTranslator(const Dictionary& dictionary);

    // Takes the next bytes of the stream and gives the translation of what they complete;
    // the view is valid until the next call.
    std::string_view feed(std::string_view input);

    // Ends the stream and gives the translation of a last line without its LF, if any.
    std::string_view finish();

private:
    void translateItems();
    void endItem(std::string_view item);
    void endLine(std::string_view item);

    Utf8ItemTranslator m_items;
    SpaceJoiner<char> m_joiner;
    PaddedBytes m_input;         // the bytes not yet translated: the start of an item, then new input
    PaddedBytes m_output;
    bool m_atStreamStart = true; // a byte order mark may still be ahead
    bool m_lineOpen = false;     // bytes of a line have been translated since the last LF
};
