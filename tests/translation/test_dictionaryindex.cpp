// The index that a load builds: each line's key, where each expansion is replaced again, and
// the look-up table in UTF-8.

#include "dictionaryfiles.h"
#include "translation/keyhash.h"
#include "translation/keytable.h"

#include <algorithm>
#include <cstring>

TEST(DictionaryIndex, KeysNextLinesAndChains)
{
    using Chain = DictionaryIndex::Chain;
    // lines: the dictionary's first lines, filler following (keys that none of them has).
    // keys and next: for each of those lines; chains: the first chains, one per distinct key.
    const struct {
        const char* name;
        QStringList lines;
        QStringList keys;
        std::vector<int> next;
        std::vector<Chain> chains;
    } cases[] = {
        {"no chains", {"brb\tbe right back", "lol\tlaughing"}, {"brb", "lol"}, {-1, -1}, {{0, 0}, {1, 1}}},
        {"keys lower-cased", {"BRB\tx", QStringLiteral("ÇA\ty"), "AbCdEfGhI\tz"},
         {"brb", QStringLiteral("ça"), "abcdefghi"}, {-1, -1, -1}, {{0, 0}, {1, 1}, {2, 2}}},
        {"repeated key: one chain from its first line", {"a\tx", "A\ty", "b\tz"}, {"a", "a", "b"}, {-1, -1, -1},
         {{0, 0}, {2, 2}}},
        {"chain forward, case ignored", {"x1\tY1", "y1\tZ1", "z1\tend"}, {"x1", "y1", "z1"}, {1, 2, -1},
         {{0, 2}, {1, 2}, {2, 2}}},
        {"only a later line counts", {"b\tq", "a\tB", "b\tr"}, {"b", "a", "b"}, {-1, 2, -1}, {{0, 0}, {1, 2}}},
        {"back to an earlier key", {"a\tb", "b\ta", "a\tc"}, {"a", "b", "a"}, {1, 2, -1}, {{0, 2}, {1, 2}}},
        {"expansion equal to its own key", {"a\tA", "a\tb"}, {"a", "a"}, {1, -1}, {{0, 1}}},
        {"non-ASCII expansion", {QStringLiteral("x\tÇA"), QStringLiteral("ça\tfin")}, {"x", QStringLiteral("ça")},
         {1, -1}, {{0, 1}, {1, 1}}},
        {"empty abbreviation and expansion", {"a\t", "\tgone", "b\t"}, {"a", "", "b"}, {1, -1, -1},
         {{0, 1}, {1, 1}, {2, 2}}},
    };
    const TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Dictionary dictionary = loadOrFail(folder.write("SMS.dic", TestDictionary::withFiller(c.lines)));
        const DictionaryIndex& index = dictionary.index();
        for (int line = 0; line < int(c.keys.size()); ++line) {
            SCOPED_TRACE(testing::Message() << "line " << line + 1);
            EXPECT_EQ(index.key(line).toString(), c.keys[line]);
            EXPECT_EQ(index.nextLine(line), c.next[std::size_t(line)]);
        }
        ASSERT_EQ(index.chains().size(), c.chains.size() + (Dictionary::LineCount - c.lines.size())); // a chain for each filler line
        for (std::size_t i = 0; i < c.chains.size(); ++i) {
            EXPECT_EQ(index.chains()[i].firstLine, c.chains[i].firstLine) << "chain " << i;
            EXPECT_EQ(index.chains()[i].finalLine, c.chains[i].finalLine) << "chain " << i;
        }
    }
}

// Lines are split at their TABs, which are found four characters at a time: TABs at every
// place among those four, other control characters and characters from U+8000 up beside them.
TEST(DictionaryIndex, EntriesAreTheLinesSplitAtTabs)
{
    const struct { QString line, abbreviation, expansion; int fieldCount; } cases[] = {
        {"\tx", "", "x", 2},
        {"a\tx", "a", "x", 2},
        {"ab\tx", "ab", "x", 2},
        {"abc\txyz", "abc", "xyz", 2},
        {"abcd\twxyz\t", "abcd", "wxyz", 3},
        {"abcdefg\t\t\t", "abcdefg", "", 4},
        {"a\tb\tc\td\te", "a", "b", 5},
        {QString::fromUtf8("\x01\x0b\x0c\x00\tv\x0e\x1f", 8), QString::fromUtf8("\x01\x0b\x0c\x00", 4), "v\x0e\x1f", 2},
        {QStringLiteral("\uFFFD\u9999\t\uFFFF\u8000\t"), QStringLiteral("\uFFFD\u9999"), QStringLiteral("\uFFFF\u8000"), 3},
    };
    QStringList lines;
    for (const auto& c : cases)
        lines << c.line;
    const TempFolder folder;
    const Dictionary dictionary = loadOrFail(folder.write("SMS.dic", TestDictionary::withFiller(lines)));
    for (int line = 0; line < int(lines.size()); ++line) {
        SCOPED_TRACE(testing::Message() << "line " << line + 1);
        const DictionaryEntry& entry = dictionary.entries()[std::size_t(line)];
        EXPECT_EQ(entry.abbreviation.toString(), cases[line].abbreviation);
        EXPECT_EQ(entry.expansion.toString(), cases[line].expansion);
        EXPECT_EQ(entry.fieldCount, cases[line].fieldCount);
    }
}

namespace {

std::string twoChunks(std::uint64_t first, std::uint64_t second)
{
    std::string key(16, '\0');
    std::memcpy(key.data(), &first, 8);
    std::memcpy(key.data() + 8, &second, 8);
    return key;
}

// A 16-byte key with the same KeyHash (from KeyHash::Start) as `key`, for any 16-byte key
// `key`: a different first chunk, and a second that undoes the difference.
std::string sameHashAs(const std::string& key)
{
    const std::uint64_t start = KeyHash::Start ^ std::uint64_t(16) << 56;
    const std::uint64_t first = KeyHash::word(key.data());
    const std::uint64_t other = first + 1;
    return twoChunks(other, KeyHash::word(key.data() + 8) ^ KeyHash::mix(start, first) ^ KeyHash::mix(start, other));
}

// A 16-byte key with the same KeyHash as the short key `key`.
std::string longWithHashOf(const std::string& key)
{
    const std::uint64_t start = KeyHash::Start ^ std::uint64_t(16) << 56;
    const std::uint64_t shortStart = KeyHash::Start ^ std::uint64_t(key.size()) << 56;
    const std::uint64_t first = 0x6867666564636261; // any
    return twoChunks(first, KeyHash::mix(start, first) ^ shortStart ^ KeyHash::chunk(key.data(), key.size()));
}

} // namespace

// No two keys of a table share a hash: where they would with one seed, the table takes another.
TEST(KeyTable, KeysThatShareAHashGetAnotherSeed)
{
    const std::string longKey = twoChunks(0x1122334455667788, 0x99AABBCCDDEEFF00);
    const struct { const char* name; std::vector<std::string> keys; } cases[] = {
        {"two long keys", {longKey, sameHashAs(longKey)}},
        {"a short key and a long one", {"brb", longWithHashOf("brb")}},
        {"among other keys", {"a", "bb", longKey, "ccc", sameHashAs(longKey), "dddddddddddddddddddd"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<std::string, std::string>> keysAndTexts;
        for (const std::string& key : c.keys)
            keysAndTexts.emplace_back(key, "text of " + std::to_string(keysAndTexts.size()));
        std::vector<std::uint64_t> hashes;
        for (const std::string& key : c.keys)
            hashes.push_back(KeyHash::of(key));
        std::sort(hashes.begin(), hashes.end());
        ASSERT_NE(std::adjacent_find(hashes.begin(), hashes.end()), hashes.end()) << "no hash shared to begin with";

        const KeyTable table(keysAndTexts);
        EXPECT_NE(table.seed(), KeyHash::Start);
        hashes.clear();
        for (const auto& [key, text] : keysAndTexts) {
            hashes.push_back(KeyHash::of(key, table.seed()));
            const KeyTable::Piece* piece = table.find(key);
            ASSERT_NE(piece, table.noMatch());
            EXPECT_EQ(std::string(piece->text, piece->length), text);
        }
        std::sort(hashes.begin(), hashes.end());
        EXPECT_EQ(std::adjacent_find(hashes.begin(), hashes.end()), hashes.end()) << "a hash shared with the table's seed";
    }
}

// The translator's quick test for a Kelvin sign's first byte in a short item: every byte value
// at every place, among neighbours that differ from the byte sought in one bit or are equal to
// it, and bytes that carry into their neighbours when added to.
TEST(KeyHash, HasByteFindsEveryPlaceOfTheByteAndNoOther)
{
    for (const std::uint8_t sought : {std::uint8_t(0xE2), std::uint8_t(0x00), std::uint8_t(0x80), std::uint8_t(0x7F)}) {
        for (const std::uint8_t neighbour : {std::uint8_t(sought ^ 0x80), std::uint8_t(sought ^ 0x01), std::uint8_t(0xFF), std::uint8_t(0x00)}) {
            for (int place = 0; place < 8; ++place) {
                for (int value = 0; value < 256; ++value) {
                    std::uint8_t bytes[8];
                    std::memset(bytes, neighbour, sizeof bytes);
                    bytes[place] = std::uint8_t(value);
                    std::uint64_t word = 0;
                    std::memcpy(&word, bytes, sizeof word);
                    const bool present = std::find(std::begin(bytes), std::end(bytes), sought) != std::end(bytes);
                    ASSERT_EQ(KeyHash::hasByte(word, sought), present)
                        << "byte " << int(sought) << ", " << value << " at " << place << " among " << int(neighbour);
                }
            }
        }
    }
}
