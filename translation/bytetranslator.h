#pragma once

#include "translation/dictionary.h"
#include "translation/keytable.h"
#include "translation/paddedbytes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The functions of the translator's inner loop are inlined into it, for its state to stay in
// registers; an ordinary `inline` is not enough, they are too large for the compiler's taste.
// VERBOLET_HOT_LAMBDA does the same for a lambda, after its parameters.
#if defined(__GNUC__) || defined(__clang__)
#define VERBOLET_HOT inline __attribute__((always_inline))
#define VERBOLET_HOT_LAMBDA __attribute__((always_inline))
#elif defined(_MSC_VER)
#define VERBOLET_HOT __forceinline
#define VERBOLET_HOT_LAMBDA
#else
#define VERBOLET_HOT inline
#define VERBOLET_HOT_LAMBDA
#endif

// The dense pass is compiled twice where the loader can choose between the two: for any x86-64
// processor, and for those with AVX2 and BMI2 (most made since 2015), on which it takes 7 % fewer
// instructions and time. (The sparse pass gains nothing by it.)
#if defined(__x86_64__) && defined(__ELF__) && (defined(__GNUC__) || defined(__clang__)) && !defined(VERBOLET_NO_CPU_CLONES)
#define VERBOLET_CLONED __attribute__((target_clones("default", "arch=x86-64-v3")))
#else
#define VERBOLET_CLONED
#endif

// The one translation core: UTF-8 bytes in, UTF-8 bytes out, as the bytes arrive.
//
// The text is split at every single space into items; each item is matched, lower-cased, with
// the dictionary's keys (through the chains worked out in advance) and replaced by the text
// it ends as; the output joins the pieces as Translate joins them (see KeyTable::Piece). An
// item that matches nothing is written exactly as it came, invalid UTF-8 included: matching
// reads it as TextDecoding::fromUtf8 decodes it, but its bytes are never changed.
//
// In Lines mode the input is a stream of messages: an LF ends a line, a CR just before it (or
// at the very end) belongs to the line end, each line is translated as the input box's text
// would be with Translate's appended space, and each line end is written out as it came (a
// last line without one gets none). A byte order mark at the very start of the stream is
// written out and is no part of the first item. In OneText mode the input is the box's text
// itself: only spaces separate, and CR and LF are ordinary characters.
//
// Only the unfinished item is held between blocks, and an item longer than any key can match
// (KeyTable::longestMatchable) is passed through as it arrives, so any input runs in linear
// time and constant memory.
class ByteTranslator final {
public:
    enum class Mode { Lines, OneText };

    // Takes the output whenever it reaches OutputLimit; without it the output just grows.
    using OutputHandler = std::function<void(std::string_view)>;

    static constexpr std::size_t BlockSize = 128 * 1024;
    // How much of a block a dense pass counts matches in (see translateDensely).
    static constexpr std::size_t CountedBytes = 16 * 1024;
    static constexpr std::size_t OutputLimit = 256 * 1024;

    ByteTranslator(const Dictionary& dictionary, Mode mode, OutputHandler takeOutput = {});

    // Room for up to BlockSize new bytes, to be read straight into it...
    char* space();
    // ...and those bytes translated as far as they go, into output().
    void commit(std::size_t count);
    // The same for bytes at hand.
    void append(std::string_view bytes);
    // The end of the input: the last item, or line, is complete.
    void end();

    std::string_view output() const { return m_output.view(); }
    void clearOutput() { m_output.clear(); }

    // append() and end() giving only what the call produced; valid until the next call.
    std::string_view feed(std::string_view bytes);
    std::string_view finish();

private:
    struct Writer;

    void translateFrom(std::size_t scanFrom);
    VERBOLET_CLONED std::size_t translateDensely(std::size_t scanFrom);
    template <bool PlainKeys>
    std::size_t translateSparsely(std::size_t scanFrom);
    std::size_t finishChunks(Writer out, std::size_t itemStart);
    VERBOLET_HOT void passEndOfLongItem(Writer& out, std::size_t chunk, std::uint64_t& separators, std::size_t& itemStart);
    VERBOLET_HOT void passItems(Writer& out, const char* from, const char* to);
    template <bool Sparse>
    VERBOLET_HOT bool endItem(Writer& out, const KeyTable::ShortKeys& keys, std::string_view item);
    template <bool Sparse>
    VERBOLET_HOT bool endLine(Writer& out, const KeyTable::ShortKeys& keys, std::string_view item, bool atEnd);
    VERBOLET_HOT void endLineAfterItems(Writer& out, bool crBefore, bool atEnd);
    VERBOLET_HOT void flushRun(Writer& out);
    void keepFrom(std::size_t from, std::size_t itemStart);
    std::size_t passLongItem(std::size_t itemStart);
    Writer passRest(Writer out, std::string_view rest, bool lineEnd, bool atEnd);
    VERBOLET_HOT const KeyTable::Piece* lookUp(const KeyTable::ShortKeys& keys, std::string_view item);
    const KeyTable::Piece* lookUpLong(std::string_view item);
    const KeyTable::Piece* lookUpOther(std::string_view item);
    bool skipByteOrderMark();
    Writer writer();
    void keep(Writer out);
    VERBOLET_HOT void ensureRoom(Writer& out, std::size_t length);
    Writer makeRoom(Writer out, std::size_t length);

    const KeyTable::Piece* matchThroughText(std::string_view item) const;

    // An item that is not plain ASCII, matched once through QString and remembered in a
    // direct-mapped cache: a word seen again (and words repeat) costs one comparison.
    struct Remembered final {
        std::size_t length = SIZE_MAX;
        const KeyTable::Piece* piece = nullptr;
        std::uint64_t words[5] = {}; // the item's bytes, zero bytes after them
    };
    static constexpr int RememberedBits = 10;

    const KeyTable& m_table;
    const Mode m_mode;
    const OutputHandler m_takeOutput;
    const KeyTable::Piece* const m_emptyItem; // what every empty item becomes, or noMatch()
    PaddedBytes m_input;                    // the unfinished item (after its separator), then the new bytes
    std::size_t m_itemStart = 0;            // where in m_input the unfinished item starts
    PaddedBytes m_output;
    std::string m_lowered;                  // an item of more than eight bytes, lower-cased
    std::vector<Remembered> m_remembered;
    std::size_t m_matches = 0;   // items of the block being translated that matched a key (see translateFrom)
    bool m_sparse = true;        // few items matched in the last block (see translateFrom)
    bool m_lineHasText = false;  // the output line so far is not empty
    bool m_lineStarted = false;  // bytes of a line have arrived since the last line end
    bool m_passingItem = false;  // the unfinished item is too long to match and partly written
    bool m_atStreamStart = true; // a byte order mark may still be ahead
};
