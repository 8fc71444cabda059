// Holds the shipped data/SMS.dic to the rules the translator depends on: it reads exactly
// 1622 lines of "abbreviation<TAB>expansion", matches whole words without regard to case,
// and feeds each replacement on to the lines after it.

#include "translation/dictionary.h"
#include "translation/translate.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string Path = VERBOLET_SOURCE_DIR "/data/SMS.dic";

struct Entry {
    std::size_t line = 0; // 1-based
    std::string abbreviation;
    std::string expansion;
};

const std::string& fileBytes()
{
    static const std::string bytes = [] {
        std::ifstream in(Path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

// The lines of the file split at their single TAB; lines without exactly one are left out.
std::vector<Entry> entries()
{
    std::vector<Entry> result;
    const std::string& bytes = fileBytes();
    std::size_t number = 0;
    for (std::size_t start = 0, end = 0; start < bytes.size(); start = end + 2) {
        end = std::min(bytes.find("\r\n", start), bytes.size());
        const std::string line = bytes.substr(start, end - start);
        const std::size_t tab = line.find('\t');
        ++number;
        if (tab != std::string::npos && line.find('\t', tab + 1) == std::string::npos)
            result.push_back({number, line.substr(0, tab), line.substr(tab + 1)});
    }
    return result;
}

std::string lowered(std::string text)
{
    for (char& c : text)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return text;
}

bool isPadded(const std::string& field)
{
    return !field.empty() && (field.front() == ' ' || field.back() == ' ');
}

} // namespace

TEST(ShippedDictionary, Is1622AsciiLinesEachEndingInCrLf)
{
    const std::string& bytes = fileBytes();
    ASSERT_GE(bytes.size(), 2u) << "cannot read " << Path;
    std::size_t crLfPairs = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        ASSERT_TRUE((c >= 0x20 && c < 0x7f) || c == '\t' || c == '\r' || c == '\n') << "byte " << i << ": " << int(c);
        ASSERT_NE(c, '\n') << "LF without CR at byte " << i;
        if (c == '\r') {
            ASSERT_EQ(bytes[i + 1], '\n') << "CR without LF at byte " << i;
            ++crLfPairs;
            ++i;
        }
    }
    EXPECT_EQ(crLfPairs, 1622u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "the last line ends in CR LF too";
}

TEST(ShippedDictionary, EveryLineIsOneTabBetweenTwoFilledUnpaddedFields)
{
    const std::vector<Entry> all = entries();
    EXPECT_EQ(all.size(), 1622u) << "lines without exactly one TAB are missing here";
    for (const Entry& entry : all) {
        SCOPED_TRACE("line " + std::to_string(entry.line) + ": " + entry.abbreviation + '\t' + entry.expansion);
        EXPECT_FALSE(entry.abbreviation.empty() || entry.expansion.empty());
        EXPECT_FALSE(isPadded(entry.abbreviation) || isPadded(entry.expansion));
        EXPECT_EQ(entry.abbreviation.find(' '), std::string::npos) << "no typed word could match it";
    }
}

TEST(ShippedDictionary, AbbreviationsAreUniqueIgnoringCase)
{
    std::map<std::string, std::size_t> firstLine;
    for (const Entry& entry : entries()) {
        const auto [at, inserted] = firstLine.emplace(lowered(entry.abbreviation), entry.line);
        EXPECT_TRUE(inserted) << "line " << entry.line << " repeats '" << entry.abbreviation << "' of line " << at->second;
    }
}

TEST(ShippedDictionary, NoExpansionIsReplacedAgainByALaterLine)
{
    const std::vector<Entry> all = entries();
    std::map<std::string, std::size_t> lastLine;
    for (const Entry& entry : all)
        lastLine[lowered(entry.abbreviation)] = entry.line;
    for (const Entry& entry : all) {
        const auto found = lastLine.find(lowered(entry.expansion));
        EXPECT_TRUE(found == lastLine.end() || found->second <= entry.line)
            << "line " << entry.line << " expands '" << entry.abbreviation << "' to '" << entry.expansion
            << "', which line " << found->second << " would replace again";
    }
}

TEST(ShippedDictionary, TranslatesTheShorthandEveryoneTypes)
{
    const DictionaryOrFault loaded = Dictionary::load(QString::fromStdString(Path));
    ASSERT_TRUE(std::holds_alternative<Dictionary>(loaded)) << std::get<DictionaryFault>(loaded).message.toStdString();
    EXPECT_EQ(translate(std::get<Dictionary>(loaded), u"brb LOL u r gr8 2moro idk btw w/ tl;dr :) :P <3 "),
              "be right back laughing out loud you are great tomorrow I don't know by the way with "
              "too long; didn't read smile sticking tongue out love");
}
