#include "translation/flatkeytable.h"
#include "translation/keyhash.h"
#include "translation/paddedbytes.h"
#include "translation/textcase.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <cstring>
#include <map>

TEST(TextCase, LowersExactlyAsQStringDoes)
{
    const QString samples[] = {
        "", "abc", "ABC", "MiXeD 123 !?", QString::fromUtf8("\0A\x7F", 3), QStringLiteral("Ça VA"),
        QStringLiteral("STRASSE Straße"), QStringLiteral("\u0130stanbul"), QStringLiteral("\u212A"),
        QStringLiteral("ΣΟΦΟΣ"), QStringLiteral("😀 GRIN"), QStringLiteral("\uFEFFBOM"),
    };
    for (const QString& sample : samples) {
        QString buffer;
        EXPECT_EQ(TextCase::lower(sample), sample.toLower()) << sample.toStdString();
        EXPECT_EQ(TextCase::lower(sample, buffer).toString(), sample.toLower()) << sample.toStdString();
    }
}

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

TEST(KeyHash, PaddedChunksEqualSafeChunks)
{
    const char bytes[24] = "abcdefghijklmnop\0\0\0\0\0\0\0";
    for (std::size_t count = 0; count <= 9; ++count)
        EXPECT_EQ(ByteKeyHash::chunkOfPadded(bytes, count), ByteKeyHash::chunk(bytes, count)) << count;
    EXPECT_NE(ByteKeyHash::of(std::string_view("a", 1)), ByteKeyHash::of(std::string_view("a\0", 2)));
}

TEST(FlatKeyTable, FindsEveryKeyAndNothingElse)
{
    QRandomGenerator random(7);
    const auto randomKey = [&] {
        std::string key(std::size_t(random.bounded(20)), '\0');
        for (char& c : key)
            c = "aAbB\0 \xC3\xA9xyz"[random.bounded(11)];
        return key;
    };
    std::map<std::string, int> expected;
    while (expected.size() < 3000)
        expected.emplace(randomKey(), int(random.bounded(50)));

    std::vector<std::string> texts;
    for (int i = 0; i < 50; ++i)
        texts.push_back("text" + std::to_string(i));
    const std::vector<std::string_view> textViews(texts.begin(), texts.end());
    std::vector<std::pair<std::string_view, int>> entries(expected.begin(), expected.end());
    const FlatKeyTable<char, ByteKeyHash> table(textViews, entries);

    PaddedBytes padded;
    for (int probe = 0; probe < 20000; ++probe) {
        const std::string key = probe < 3000 ? std::next(expected.begin(), probe)->first : randomKey();
        padded.clear();
        padded.append(key);
        const auto found = expected.find(key);
        const auto safe = table.find(key);
        const auto fast = table.findPadded(padded.view(), ByteKeyHash::of(key));
        ASSERT_EQ(safe.has_value(), found != expected.end());
        ASSERT_EQ(fast.has_value(), found != expected.end());
        if (safe) {
            ASSERT_EQ(*safe, texts[std::size_t(found->second)]);
            ASSERT_EQ(*fast, texts[std::size_t(found->second)]);
        }
    }
}
