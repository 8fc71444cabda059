#include "translation/flatkeytable.h"
#include "translation/keyhash.h"
#include "translation/paddedbytes.h"
#include "translation/textcase.h"

#include <gtest/gtest.h>

#include <cstring>

// Every ASCII byte in every lane: the property tests' words hold none of the bytes beside A to Z.
TEST(TextCase, LowersEightAsciiBytesAtOnceAsOneByOne)
{
    for (int lane = 0; lane < 8; ++lane) {
        for (int code = 0; code < 0x80; ++code) {
            char bytes[8] = {'Q', 'q', '@', '[', '`', '{', 'Z', 'a'};
            bytes[lane] = char(code);
            std::uint64_t word = 0;
            std::memcpy(&word, bytes, 8);
            const std::uint64_t lowered = TextCase::lowerAsciiBytes(word);
            char result[8];
            std::memcpy(result, &lowered, 8);
            for (int i = 0; i < 8; ++i)
                ASSERT_EQ(result[i], TextCase::lowerAscii(bytes[i])) << "lane " << lane << " code " << code;
        }
    }
}

// Keys of one length behind one head: a bucket on a look-up's way often holds a key that
// differs from the wanted one only after its first eight bytes.
TEST(FlatKeyTable, TellsKeysApartBeyondTheirFirstEightBytes)
{
    const std::vector<std::string_view> texts = {"first", "second"};
    std::vector<std::string> keys;
    for (int i = 0; i < 6000; ++i)
        keys.push_back("abcdefgh" + std::to_string(100000 + i));
    std::vector<std::pair<std::string_view, int>> entries;
    for (std::size_t i = 0; i < keys.size(); i += 2)
        entries.emplace_back(keys[i], i / 2 % 2);
    const FlatKeyTable<char, ByteKeyHash> table(texts, entries);

    PaddedBytes padded;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        padded.clear();
        padded.append(keys[i]);
        const auto wanted = i % 2 ? std::nullopt : std::optional(texts[i / 2 % 2]);
        ASSERT_EQ(table.find(keys[i]), wanted) << keys[i];
        ASSERT_EQ(table.findPadded(padded.view(), ByteKeyHash::of(keys[i])), wanted) << keys[i];
    }
}
