// Holds the shipped data/SMS.dic to the rules the translator depends on: it reads
// exactly 1622 CR LF lines of "abbreviation<TAB>expansion", matches whole words
// without regard to case, and feeds each replacement on to the entries after it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kLineCount = 1622;

struct Entry {
    std::size_t line = 0; // 1-based
    std::string abbreviation;
    std::string expansion;
};

std::string dictionaryPath()
{
    return std::string(VERBOLET_SOURCE_DIR) + "/data/SMS.dic";
}

const std::string& fileBytes()
{
    static const std::string bytes = [] {
        std::ifstream in(dictionaryPath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

// The file's lines without their CR LF; a final line lacking CR LF is kept too.
std::vector<std::string> lines()
{
    std::vector<std::string> result;
    const std::string& bytes = fileBytes();
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            result.push_back(bytes.substr(start));
            break;
        }
        result.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return result;
}

// Lines holding exactly one TAB, split into their two fields.
std::vector<Entry> entries()
{
    std::vector<Entry> result;
    const std::vector<std::string> all = lines();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::size_t tab = all[i].find('\t');
        if (tab != std::string::npos && all[i].find('\t', tab + 1) == std::string::npos)
            result.push_back({i + 1, all[i].substr(0, tab), all[i].substr(tab + 1)});
    }
    return result;
}

bool isPadded(const std::string& field)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !field.empty() && (blank(field.front()) || blank(field.back()));
}

TEST(ShippedDictionary, FileIsPresentAndNotEmpty)
{
    EXPECT_FALSE(fileBytes().empty()) << "cannot read " << dictionaryPath();
}

TEST(ShippedDictionary, HasExactlyTheLineCountTheProgramReadsEachEndingInCrLf)
{
    const std::string& bytes = fileBytes();
    std::size_t crLfPairs = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "CR without LF at byte " << i;
            ++crLfPairs;
            ++i;
        } else {
            ASSERT_NE(bytes[i], '\n') << "LF without CR at byte " << i;
        }
    }
    EXPECT_EQ(crLfPairs, kLineCount);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "the last line must end in CR LF too";
    EXPECT_EQ(lines().size(), kLineCount);
}

TEST(ShippedDictionary, IsPrintableAsciiApartFromTabAndLineEnds)
{
    const std::string& bytes = fileBytes();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const bool allowed = (c >= 0x20 && c < 0x7f) || c == '\t' || c == '\r' || c == '\n';
        ASSERT_TRUE(allowed) << "byte " << i << " is 0x" << std::hex << int(c);
    }
}

TEST(ShippedDictionary, EveryLineIsOneTabBetweenTwoFilledUnpaddedFields)
{
    const std::vector<std::string> all = lines();
    for (std::size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + all[i]);
        ASSERT_EQ(std::count(all[i].begin(), all[i].end(), '\t'), 1);
        const std::size_t tab = all[i].find('\t');
        const std::string abbreviation = all[i].substr(0, tab);
        const std::string expansion = all[i].substr(tab + 1);
        EXPECT_FALSE(abbreviation.empty());
        EXPECT_FALSE(expansion.empty());
        EXPECT_FALSE(isPadded(abbreviation));
        EXPECT_FALSE(isPadded(expansion));
        // Messages are split at spaces, so an abbreviation with a space could never match.
        EXPECT_EQ(abbreviation.find(' '), std::string::npos);
    }
}

TEST(ShippedDictionary, AbbreviationsAreUniqueIgnoringCase)
{
    std::map<std::string, std::size_t> firstLine;
    for (const Entry& entry : entries()) {
        const auto [at, inserted] = firstLine.emplace(lowered(entry.abbreviation), entry.line);
        EXPECT_TRUE(inserted) << "line " << entry.line << " repeats '" << entry.abbreviation
                              << "' of line " << at->second;
    }
    EXPECT_EQ(firstLine.size(), kLineCount);
}

TEST(ShippedDictionary, NoExpansionIsReplacedAgainByALaterEntry)
{
    const std::vector<Entry> all = entries();
    std::map<std::string, std::size_t> lastLine;
    for (const Entry& entry : all)
        lastLine[lowered(entry.abbreviation)] = entry.line;
    for (const Entry& entry : all) {
        const auto found = lastLine.find(lowered(entry.expansion));
        if (found != lastLine.end()) {
            EXPECT_LE(found->second, entry.line)
                << "line " << entry.line << " expands '" << entry.abbreviation << "' to '"
                << entry.expansion << "', which line " << found->second << " would replace again";
        }
    }
}

TEST(ShippedDictionary, NoExpansionIsAnAbbreviationAnywhereInTheFile)
{
    const std::vector<Entry> all = entries();
    std::map<std::string, std::size_t> lineOf;
    for (const Entry& entry : all)
        lineOf.emplace(lowered(entry.abbreviation), entry.line);
    for (const Entry& entry : all) {
        const auto found = lineOf.find(lowered(entry.expansion));
        if (found != lineOf.end()) {
            ADD_FAILURE() << "line " << entry.line << " expands to '" << entry.expansion
                          << "', the abbreviation on line " << found->second;
        }
    }
}

struct MustHave {
    const char* typed; // as a user might type it; looked up ignoring case
    const char* expansion;
};

const MustHave kMustHave[] = {
    {"brb", "be right back"},
    {"lol", "laughing out loud"},
    {"LOL", "laughing out loud"},
    {"u", "you"},
    {"r", "are"},
    {"y", "why"},
    {"2", "to"},
    {"4", "for"},
    {"gr8", "great"},
    {"2day", "today"},
    {"2moro", "tomorrow"},
    {"2nite", "tonight"},
    {"b4", "before"},
    {"l8r", "later"},
    {"cya", "see you"},
    {"pls", "please"},
    {"plz", "please"},
    {"thx", "thanks"},
    {"ty", "thank you"},
    {"np", "no problem"},
    {"ur", "your"},
    {"idk", "I don't know"},
    {"imo", "in my opinion"},
    {"omg", "oh my God"},
    {"btw", "by the way"},
    {"ttyl", "talk to you later"},
    {"gonna", "going to"},
    {"asap", "as soon as possible"},
    {"fyi", "for your information"},
    {"idgaf", "I don't give a f***"},
    {"w/", "with"},
    {"b/c", "because"},
    {"tl;dr", "too long; didn't read"},
    {":)", "smile"},
    {":(", "sad"},
    {";)", "wink"},
    {":P", "sticking tongue out"},
    {":p", "sticking tongue out"},
    {"XD", "laughing"},
    {"<3", "love"},
    {"</3", "broken heart"},
};

TEST(ShippedDictionary, HoldsTheShorthandEveryoneTypes)
{
    std::map<std::string, std::string> expansionOf;
    for (const Entry& entry : entries())
        expansionOf.emplace(lowered(entry.abbreviation), entry.expansion);
    for (const MustHave& wanted : kMustHave) {
        SCOPED_TRACE(wanted.typed);
        const auto found = expansionOf.find(lowered(wanted.typed));
        ASSERT_NE(found, expansionOf.end()) << "missing";
        EXPECT_EQ(found->second, wanted.expansion);
    }
}

} // namespace
