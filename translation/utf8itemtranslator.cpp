#include "translation/utf8itemtranslator.h"

#include "translation/textcase.h"
#include "translation/textdecoding.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::string utf8(QStringView text)
{
    return text.toUtf8().toStdString();
}

// The UTF-8 form of the dictionary's translation table.
Utf8ItemTranslator::KeyTable tableOf(const DictionaryIndex& index)
{
    std::vector<std::string> expansions;
    expansions.reserve(index.entries().size());
    for (const DictionaryEntry& entry : index.entries())
        expansions.push_back(utf8(entry.expansion));
    std::vector<std::string> keys;
    keys.reserve(index.chains().size());
    for (const DictionaryIndex::Chain& chain : index.chains())
        keys.push_back(utf8(index.key(chain.firstLine)));

    const std::vector<std::string_view> texts(expansions.begin(), expansions.end());
    std::vector<std::pair<std::string_view, int>> keyToLine;
    keyToLine.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        keyToLine.emplace_back(keys[i], index.chains()[i].finalLine);
    return {texts, keyToLine};
}

static_assert(Utf8ItemTranslator::KeyTable::Padding >= Utf8ItemTranslator::Padding);

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

Utf8ItemTranslator::Utf8ItemTranslator(const Dictionary& dictionary)
    : m_table(tableOf(dictionary.index()))
    , m_lowered(m_table.longestKey() + 8, '\0')
{
}

std::string_view Utf8ItemTranslator::translate(std::string_view item)
{
    // Lower-casing ASCII keeps its length, so a longer ASCII item matches no key.
    if (item.size() > m_table.longestKey())
        return isAscii(item) ? item : translateOther(item);

    constexpr std::uint64_t highBits = 0x8080808080808080;
    std::uint64_t hash = ByteKeyHash::Start;
    for (std::size_t at = 0; at < item.size(); at += 8) {
        const std::uint64_t chunk = ByteKeyHash::chunkOfPadded(item.data() + at, item.size() - at);
        if ((chunk & highBits) != 0)
            return translateOther(item);
        const std::uint64_t lowered = TextCase::lowerAsciiBytes(chunk);
        std::memcpy(m_lowered.data() + at, &lowered, sizeof lowered);
        hash = ByteKeyHash::mix(hash, lowered);
    }
    hash = ByteKeyHash::finish(hash, item.size());
    return m_table.findPadded(std::string_view(m_lowered.data(), item.size()), hash).value_or(item);
}

std::string_view Utf8ItemTranslator::translateOther(std::string_view item)
{
    if (item.size() > MaxRememberedItemSize) {
        m_unremembered = translateThroughText(item);
        return m_unremembered.text();
    }
    const auto known = m_remembered.find(item);
    if (known != m_remembered.end())
        return known->second.text();
    if (m_remembered.size() >= MaxRemembered)
        m_remembered.clear();
    return m_remembered.emplace(std::string(item), translateThroughText(item)).first->second.text();
}

Utf8ItemTranslator::OtherResult Utf8ItemTranslator::translateThroughText(std::string_view item) const
{
    const QString text = TextDecoding::fromUtf8(QByteArrayView(item.data(), qsizetype(item.size())));
    if (const auto expansion = m_table.find(utf8(TextCase::lower(text))))
        return {expansion, {}};
    std::string recoded = utf8(text);
    recoded.append(Padding, '\0');
    return {std::nullopt, std::move(recoded)};
}
