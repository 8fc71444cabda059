#include "translation/bytetranslator.h"

#include "translation/itemfilter.h"
#include "translation/select.h"
#include "translation/separators.h"
#include "translation/textcase.h"
#include "translation/textdecoding.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::uint64_t HighBits = 0x8080808080808080ull;

// A piece is copied as one 32-byte block where it is short: items and texts both have
// padding behind them.
constexpr std::size_t BlockCopy = 32;
static_assert(PaddedBytes::Padding >= BlockCopy && KeyTable::Padding >= BlockCopy);

// The bits of a chunk's mask that stand for its first `count` bytes (all of them from 64 on).
VERBOLET_HOT std::uint64_t bytesBefore(std::size_t count)
{
    return count < 64 ? (std::uint64_t(1) << count) - 1 : ~std::uint64_t(0);
}

} // namespace

// The output line being written, kept in locals while a block is translated: stores of
// output bytes could otherwise alias the translator's own members.
struct ByteTranslator::Writer final {
    char* at = nullptr;
    char* limit = nullptr;
    bool lineHasText = false;
    // Input that goes out as it came and is not copied yet: items that matched nothing, the
    // single spaces between them and the line ends after them, copied in one piece when
    // anything else is written (in text with few matches, whole lines and blocks).
    const char* runStart = nullptr;
    const char* runEnd = nullptr;
    std::size_t matches = 0; // items matched in this block

    bool hasRoomFor(std::size_t length) const { return std::size_t(limit - at) > length + BlockCopy; }
    std::size_t runLength() const { return std::size_t(runEnd - runStart); }

    // A piece of `length` bytes whose first `leadingSpaces` are spaces, as Translate joins it:
    // after one space unless the line is still empty, where its leading spaces go too.
    void put(const char* text, std::size_t length, std::size_t leadingSpaces)
    {
        *at = ' ';
        at += lineHasText;
        const std::size_t skipped = lineHasText ? 0 : leadingSpaces;
        copy(text + skipped, length - skipped);
        lineHasText = true;
    }

    void copy(const char* bytes, std::size_t length)
    {
        if (length <= BlockCopy)
            std::memcpy(at, bytes, BlockCopy); // a fixed size: one pair of moves, not a call
        else
            std::memcpy(at, bytes, length);
        at += length;
    }
};

ByteTranslator::ByteTranslator(const Dictionary& dictionary, Mode mode, OutputHandler takeOutput)
    : m_table(dictionary.index().table())
    , m_mode(mode)
    , m_takeOutput(std::move(takeOutput))
    , m_emptyItem(m_table.emptyItemPiece())
    , m_lowered(m_table.longestMatchable() + 16, '\0')
    , m_remembered(std::size_t(1) << RememberedBits)
{
    m_input.reserve(BlockSize + m_table.longestMatchable() + 2);
    m_output.reserve(OutputLimit);
}

char* ByteTranslator::space()
{
    m_input.reserve(m_input.size() + BlockSize);
    return m_input.data() + m_input.size();
}

void ByteTranslator::commit(std::size_t count)
{
    // At the stream's start nothing has been scanned yet: only a byte order mark was awaited.
    const std::size_t scanFrom = m_atStreamStart ? 0 : m_input.size();
    m_input.resize(m_input.size() + count);
    if (m_atStreamStart && !skipByteOrderMark())
        return;
    translateFrom(scanFrom);
}

void ByteTranslator::append(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t count = std::min(bytes.size(), BlockSize);
        std::memcpy(space(), bytes.data(), count);
        commit(count);
        bytes.remove_prefix(count);
    }
}

std::string_view ByteTranslator::feed(std::string_view bytes)
{
    clearOutput();
    append(bytes);
    return output();
}

std::string_view ByteTranslator::finish()
{
    clearOutput();
    end();
    return output();
}

void ByteTranslator::end()
{
    m_atStreamStart = false;
    Writer out = writer();
    const std::string_view rest = m_input.view().substr(m_itemStart);
    const bool lines = m_mode == Mode::Lines;
    if (m_passingItem)
        out = passRest(out, rest, lines, true);
    else if (!lines)
        endItem<false>(out, m_table.shortKeys(), rest);
    else if (m_lineStarted || !rest.empty())
        endLine<false>(out, m_table.shortKeys(), rest, true);
    flushRun(out);
    keep(out);
    m_input.clear();
    m_itemStart = 0;
    m_lineStarted = false;
}

// Passes a byte order mark at the start of a stream of lines straight to the output; false
// while the bytes so far may still become one.
bool ByteTranslator::skipByteOrderMark()
{
    if (m_mode == Mode::Lines && m_input.size() < ByteOrderMark.size() && ByteOrderMark.starts_with(m_input.view()))
        return false;
    m_atStreamStart = false;
    if (m_mode == Mode::Lines && m_input.view().starts_with(ByteOrderMark)) {
        m_output.append(ByteOrderMark);
        m_input.eraseFront(ByteOrderMark.size());
    }
    return true;
}

// Every item the bytes from `scanFrom` on complete. Text where items seldom match (most
// plain text) is translated sparsely, where matches are frequent (chat) densely; each block
// takes the way the one before it called for.
void ByteTranslator::translateFrom(std::size_t scanFrom)
{
    // Where the empty item has a text, every line end writes it: nothing goes out as it came.
    const bool sparse = m_sparse && m_emptyItem->length == 0;
    const std::size_t blockSize = m_input.size() - scanFrom;
    const std::size_t countedBytes = sparse ? blockSize : std::min(blockSize, CountedBytes); // see translateDensely
    const std::size_t itemStart = !sparse               ? translateDensely(scanFrom)
                                  : m_table.keysArePlain() ? translateSparsely<true>(scanFrom)
                                                           : translateSparsely<false>(scanFrom);
    keepFrom(passLongItem(itemStart), itemStart);
    // Measured on chat: the first look pays up to about one match in three items, one in
    // 16 bytes; with more, looking up every item wins.
    m_sparse = m_matches * 16 < countedBytes;
}

// The separators of 64 bytes at a time are found as one mask, whose bits then give the items
// one after another; every item is looked up and written without a branch on whether it
// matched. Matches are counted in the block's first CountedBytes only: that is enough to
// choose the next block's way, and counting them all would cost 3 % of the pass. Gives where
// the unfinished item starts.
VERBOLET_CLONED std::size_t ByteTranslator::translateDensely(std::size_t scanFrom)
{
    const char* const data = m_input.data();
    const std::size_t size = m_input.size();
    const bool lines = m_mode == Mode::Lines;
    KeyTable::ShortKeys keys = m_table.shortKeys();
    keys.filtered = false;
    Writer out = writer();
    std::size_t itemStart = m_itemStart;
    std::size_t chunk = scanFrom;
    const auto translateChunks = [&]<bool Counting>(std::size_t end) VERBOLET_HOT_LAMBDA {
        for (; chunk < end; chunk += 64) {
            std::uint64_t separators = separatorMask(data + chunk, lines) & bytesBefore(size - chunk);
            passEndOfLongItem(out, chunk, separators, itemStart);
            for (; separators != 0; separators &= separators - 1) {
                const std::size_t at = chunk + std::size_t(std::countr_zero(separators));
                const std::string_view item(data + itemStart, at - itemStart);
                itemStart = at + 1;
                const bool matched = data[at] == ' ' ? endItem<false>(out, keys, item) : endLine<false>(out, keys, item, false);
                if constexpr (Counting)
                    out.matches += matched;
            }
        }
    };
    translateChunks.template operator()<true>(scanFrom + std::min(size - scanFrom, CountedBytes));
    translateChunks.template operator()<false>(size);
    return finishChunks(out, itemStart);
}

// A first pass over each 64 bytes keeps, without a branch, only the items that may need more
// than going out as they came (mayNeedAttention); those are translated one by one, and the
// items between them go out in runs straight from the input, in text with few matches whole
// lines and blocks at a time. `PlainKeys`: whether every key is plain ASCII.
template <bool PlainKeys>
std::size_t ByteTranslator::translateSparsely(std::size_t scanFrom)
{
    const char* const data = m_input.data();
    const std::size_t size = m_input.size();
    const bool lines = m_mode == Mode::Lines;
    const KeyTable::ShortKeys keys = m_table.shortKeys();
    // Plainness known when compiled, so that the look leaves out the test it needs not.
    const ItemFilter::Keys firstLook = ItemFilter::Keys::of(m_table.foldedFilter(), PlainKeys);
    Writer out = writer();
    std::size_t itemStart = m_itemStart;
    std::size_t passFrom = itemStart; // the items from here to the next one kept go out as they came
    for (std::size_t chunk = scanFrom; chunk < size; chunk += 64) {
        std::uint64_t separators = separatorMask(data + chunk, lines) & bytesBefore(size - chunk);
        if (m_passingItem) [[unlikely]] {
            passEndOfLongItem(out, chunk, separators, itemStart);
            passFrom = itemStart;
        }
        std::size_t starts[64];
        std::size_t ends[64];
        std::size_t kept = 0;
        const auto lookAtItems = [&]<bool CarriageReturns>() {
            for (; separators != 0; separators &= separators - 1) {
                const int bit = std::countr_zero(separators);
                const std::size_t at = chunk + std::size_t(bit);
                // A CR before an LF is no part of the item; before a space it is, but then the item
                // matches nothing, since no key holds a CR, and the first look may leave it off too.
                const std::size_t length = at - itemStart - std::size_t(CarriageReturns && (data + at)[-1] == '\r'); // at 0, the padding
                starts[kept] = itemStart;
                ends[kept] = at;
                kept += ItemFilter::mayNeedAttention(data + itemStart, length, firstLook);
                itemStart = at + 1;
            }
        };
        // Most text has no CR at all: where none stands before any of the chunk's separators
        // (the bytes from the one before the chunk), no item needs a look at its last byte.
        if (lines && hasByte(data + chunk - 1, '\r'))
            lookAtItems.template operator()<true>();
        else
            lookAtItems.template operator()<false>();
        for (std::size_t i = 0; i < kept; ++i) {
            passItems(out, data + passFrom, data + starts[i]);
            const std::string_view item(data + starts[i], ends[i] - starts[i]);
            out.matches += data[ends[i]] == ' ' ? endItem<true>(out, keys, item) : endLine<true>(out, keys, item, false);
            passFrom = ends[i] + 1;
        }
    }
    passItems(out, data + passFrom, data + itemStart);
    return finishChunks(out, itemStart);
}

// Items that match nothing, each followed by its separator, from `from` up to `to`: they go
// out exactly as they came, as endItem and endLine would write them one by one.
VERBOLET_HOT void ByteTranslator::passItems(Writer& out, const char* from, const char* to)
{
    if (from >= to)
        return;
    const char* const start = from - std::size_t(out.lineHasText); // with the space before the first
    if (start != out.runEnd) {
        flushRun(out);
        out.runStart = start;
    }
    const bool lineGoesOn = to[-1] == ' '; // else the last item ended its line, and the run takes the line end
    out.runEnd = to - std::size_t(lineGoesOn);
    out.lineHasText = lineGoesOn;
}

// An item too long to match, partly written already, ends at the first separator.
VERBOLET_HOT void ByteTranslator::passEndOfLongItem(Writer& out, std::size_t chunk, std::uint64_t& separators, std::size_t& itemStart)
{
    if (!m_passingItem || separators == 0) [[likely]]
        return;
    const char* const data = m_input.data();
    const std::size_t at = chunk + std::size_t(std::countr_zero(separators));
    const Writer passed = passRest(out, std::string_view(data + itemStart, at - itemStart), data[at] == '\n', false);
    out = passed; // through a copy, for out to stay in registers
    itemStart = at + 1;
    separators &= separators - 1;
}

std::size_t ByteTranslator::finishChunks(Writer out, std::size_t itemStart)
{
    if (itemStart != m_itemStart) // the line has begun unless the last separator was its LF
        m_lineStarted = m_input.data()[itemStart - 1] == ' ';
    flushRun(out);
    keep(out);
    m_matches = out.matches;
    return itemStart;
}

// Drops the input before `from`, where the unfinished item starts (or what remains of it), but
// for the separator just before it: a run that the item joins in the next block begins there.
void ByteTranslator::keepFrom(std::size_t from, std::size_t itemStart)
{
    const std::size_t kept = from == itemStart && from > 0 ? from - 1 : from;
    m_input.eraseFront(kept);
    m_itemStart = from - kept;
    m_lineStarted = m_lineStarted || m_input.size() > m_itemStart;
}

// The last bytes of an item too long to match, then, where `lineEnd`, the end of its line
// (with the CR at its end, if any, when `atEnd` leaves the LF out).
ByteTranslator::Writer ByteTranslator::passRest(Writer out, std::string_view rest, bool lineEnd, bool atEnd)
{
    m_passingItem = false;
    const bool crBefore = lineEnd && rest.ends_with('\r');
    rest.remove_suffix(crBefore);
    flushRun(out);
    ensureRoom(out, rest.size());
    out.copy(rest.data(), rest.size());
    if (lineEnd)
        endLineAfterItems(out, crBefore, atEnd);
    return out;
}

// Writes `item` as what it matched, or as it came; whether it matched.
template <bool Sparse>
VERBOLET_HOT bool ByteTranslator::endItem(Writer& out, const KeyTable::ShortKeys& keys, std::string_view item)
{
    const KeyTable::Piece* const piece = lookUp(keys, item);
    const bool matched = piece != keys.pieces; // noMatch() is the first piece
    if constexpr (Sparse) {
        if (!matched) {
            if (item.empty())
                return false; // an empty item leaves no trace, not even a space
            // Unless it begins the line, the space before the item is its separator.
            const char* const from = item.data() - std::size_t(out.lineHasText);
            if (from != out.runEnd) {
                flushRun(out);
                out.runStart = from;
            }
            out.runEnd = item.data() + item.size();
            out.lineHasText = true;
            return false;
        }
        flushRun(out);
    }
    // Where matches are frequent, no branch on whether this item matched.
    const auto unmatched = [&](auto itemValue, auto pieceValue) {
        return selectIfEqual(std::uintptr_t(piece), std::uintptr_t(keys.pieces), itemValue, pieceValue);
    };
    const char* const text = unmatched(item.data(), piece->text);
    const std::size_t length = unmatched(item.size(), std::size_t(piece->length));
    if (length == 0)
        return matched;
    ensureRoom(out, length);
    out.put(text, length, piece->leadingSpaces); // noMatch() has none
    return matched;
}

VERBOLET_HOT void ByteTranslator::flushRun(Writer& out)
{
    if (out.runLength() == 0)
        return;
    ensureRoom(out, out.runLength());
    out.copy(out.runStart, out.runLength());
    out.runStart = out.runEnd = nullptr;
}

// `item` is the last of the line, before its LF (or, `atEnd`, before the end of the input).
// Whether it matched.
template <bool Sparse>
VERBOLET_HOT bool ByteTranslator::endLine(Writer& out, const KeyTable::ShortKeys& keys, std::string_view item, bool atEnd)
{
    const bool crBefore = item.ends_with('\r');
    item.remove_suffix(crBefore);
    const bool matched = endItem<Sparse>(out, keys, item);
    if constexpr (Sparse) { // a dense pass writes no runs
        if (out.runEnd == item.data() + item.size() && m_emptyItem->length == 0) { // the line end as it came
            out.runEnd += std::size_t(crBefore) + !atEnd;
            out.lineHasText = false;
            return matched;
        }
        flushRun(out);
    }
    endLineAfterItems(out, crBefore, atEnd);
    return matched;
}

// The item after the space Translate appends, and the line end as it came; no run is pending.
VERBOLET_HOT void ByteTranslator::endLineAfterItems(Writer& out, bool crBefore, bool atEnd)
{
    if (m_emptyItem->length > 0) {
        ensureRoom(out, m_emptyItem->length);
        out.put(m_emptyItem->text, m_emptyItem->length, m_emptyItem->leadingSpaces);
    }
    ensureRoom(out, 2);
    std::memcpy(out.at, crBefore ? "\r\n" : "\n", 2); // two bytes whatever the length: a fixed copy
    out.at += std::size_t(crBefore) + !atEnd;
    out.lineHasText = false;
}

// The unfinished item from `itemStart`, once it is too long to match, is written as far as it
// has come (but for a CR at its end, which may be part of a line end). Gives where the input
// still to keep starts.
std::size_t ByteTranslator::passLongItem(std::size_t itemStart)
{
    std::string_view rest = m_input.view().substr(itemStart);
    if (!m_passingItem && rest.size() <= m_table.longestMatchable() + 1)
        return itemStart;
    if (m_mode == Mode::Lines && rest.ends_with('\r'))
        rest.remove_suffix(1);
    if (rest.empty())
        return itemStart;
    Writer out = writer();
    ensureRoom(out, rest.size());
    if (m_passingItem)
        out.copy(rest.data(), rest.size());
    else
        out.put(rest.data(), rest.size(), 0);
    keep(out);
    m_passingItem = true;
    m_lineStarted = true;
    return itemStart + rest.size();
}

VERBOLET_HOT const KeyTable::Piece* ByteTranslator::lookUp(const KeyTable::ShortKeys& keys, std::string_view item)
{
    const std::size_t size = item.size();
    if (size > KeyTable::ShortKeyMax)
        return lookUpLong(item);
    const std::uint64_t word = KeyHash::word(item.data()) & KeyHash::firstBytesOf(size);
    if ((word & HighBits) != 0) // of what is not plain ASCII, only the Kelvin sign lower-cases into plain keys
        return keys.plainKeys && !KeyHash::hasByte(word, ItemFilter::KelvinSign.front()) ? keys.pieces : lookUpOther(item);
    return keys.find(KeyTable::tag(TextCase::lowerAsciiBytes(word), size));
}

const KeyTable::Piece* ByteTranslator::lookUpLong(std::string_view item)
{
    const std::size_t size = item.size();
    if (size > m_table.longestMatchable())
        return m_table.noMatch();
    const auto loweredAt = [&item, size](std::size_t at) {
        return TextCase::lowerAsciiBytes(KeyHash::word(item.data() + at) & KeyHash::firstBytes(size - at));
    };
    std::uint64_t hash = 0;
    for (std::size_t at = 0; at < size; at += 8) {
        if ((KeyHash::word(item.data() + at) & KeyHash::firstBytes(size - at) & HighBits) != 0)
            return lookUpOther(item);
        hash = at == 0 ? KeyHash::first(m_table.seed(), loweredAt(0), size) : KeyHash::mix(hash, loweredAt(at));
    }
    // Lower-casing ASCII keeps its length. The filter turns away most long words of plain text
    // before they are copied.
    if (size > m_table.longestKey() || !m_table.mayHave(hash))
        return m_table.noMatch();
    for (std::size_t at = 0; at < size; at += 8) {
        const std::uint64_t lowered = loweredAt(at);
        std::memcpy(m_lowered.data() + at, &lowered, sizeof lowered);
    }
    return m_table.find(m_lowered.data(), size, hash);
}

const KeyTable::Piece* ByteTranslator::lookUpOther(std::string_view item)
{
    const std::size_t size = item.size();
    if (size > m_table.longestMatchable())
        return m_table.noMatch();
    // Of what is not plain ASCII, only the Kelvin sign lower-cases into plain ASCII keys.
    if (m_table.keysArePlain() && std::memchr(item.data(), ItemFilter::KelvinSign.front(), size) == nullptr)
        return m_table.noMatch();
    if (size > sizeof(Remembered::words))
        return matchThroughText(item);
    // The item's words as they stand (bytes after it zeroed): read in place, since padding
    // follows every item, and hashed on the way.
    std::uint64_t words[std::size(Remembered{}.words)] = {};
    std::uint64_t hash = KeyHash::Start ^ size;
    for (std::size_t at = 0; at < size; at += 8) {
        words[at / 8] = KeyHash::word(item.data() + at) & KeyHash::firstBytes(size - at);
        hash = KeyHash::mix(hash, words[at / 8]);
    }
    Remembered& known = m_remembered[std::size_t(hash >> (64 - RememberedBits))];
    std::uint64_t differ = known.length ^ size;
    for (std::size_t i = 0; i < std::size(words); ++i) // a fixed count: no call, no loop left
        differ |= known.words[i] ^ words[i];
    if (differ == 0)
        return known.piece;
    known.length = size;
    known.piece = matchThroughText(item);
    std::copy(std::begin(words), std::end(words), known.words);
    return known.piece;
}

const KeyTable::Piece* ByteTranslator::matchThroughText(std::string_view item) const
{
    const QString text = TextDecoding::fromUtf8(QByteArrayView(item.data(), qsizetype(item.size())));
    const QByteArray key = TextCase::lower(text).toUtf8();
    return m_table.find(std::string_view(key.constData(), std::size_t(key.size())));
}

ByteTranslator::Writer ByteTranslator::writer()
{
    return {m_output.data() + m_output.size(), m_output.data() + m_output.capacity(), m_lineHasText};
}

void ByteTranslator::keep(Writer out)
{
    m_output.resize(std::size_t(out.at - m_output.data()));
    m_lineHasText = out.lineHasText;
}

// Room for `length` bytes and a block copy's reach. A writer that the hot loop keeps in
// registers must never have its address taken, so the one that makeRoom gives is copied in.
VERBOLET_HOT void ByteTranslator::ensureRoom(Writer& out, std::size_t length)
{
    if (out.hasRoomFor(length)) [[likely]]
        return;
    const Writer moved = makeRoom(out, length);
    out = moved;
}

// Hands the output over where a handler takes it, and makes the buffer large enough for a
// piece of `length` bytes. Takes and gives the writer by value, so that it never leaves registers.
ByteTranslator::Writer ByteTranslator::makeRoom(Writer out, std::size_t length)
{
    keep(out);
    if (m_takeOutput && m_output.size() > 0) {
        m_takeOutput(m_output.view());
        m_output.clear();
    }
    m_output.reserve(m_output.size() + length + BlockCopy + 1);
    Writer moved = writer();
    moved.runStart = out.runStart;
    moved.runEnd = out.runEnd;
    moved.matches = out.matches;
    return moved;
}
