#include "translation/utf8itemtranslator.h"

#include "translation/textcase.h"
#include "translation/textdecoding.h"

#include <algorithm>

namespace {

Utf8KeyTable::Pairs keysAndResults(const DictionaryIndex& index)
{
    Utf8KeyTable::Pairs pairs;
    index.forEachKey([&](QStringView key, int line) {
        pairs.emplace_back(key.toUtf8().toStdString(),
                           index.entries()[std::size_t(line)].expansion.toUtf8().toStdString());
    });
    return pairs;
}

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

Utf8ItemTranslator::Utf8ItemTranslator(const Dictionary& dictionary)
    : m_table(keysAndResults(dictionary.index()))
    , m_lowered(m_table.longestKey(), '\0')
{
}

std::string_view Utf8ItemTranslator::translate(std::string_view item)
{
    // Lower-casing ASCII keeps its length, so a longer ASCII item matches no key.
    if (item.size() <= m_table.longestKey())
        return translateAscii(item);
    return isAscii(item) ? item : translateOther(item);
}

std::string_view Utf8ItemTranslator::translateAscii(std::string_view item)
{
    std::uint64_t hash = Utf8KeyTable::HashStart;
    for (std::size_t i = 0; i < item.size(); ++i) {
        const auto byte = static_cast<unsigned char>(item[i]);
        if (byte >= 0x80)
            return translateOther(item);
        const auto lowered = static_cast<unsigned char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
        m_lowered[i] = static_cast<char>(lowered);
        hash = Utf8KeyTable::hashStep(hash, lowered);
    }
    const std::string_view* result = m_table.find(std::string_view(m_lowered).substr(0, item.size()), hash);
    return result ? *result : item;
}

std::string_view Utf8ItemTranslator::translateOther(std::string_view item)
{
    if (item.size() > MaxRememberedItemSize) {
        m_unremembered = translateThroughText(item);
        return m_unremembered;
    }
    const auto known = m_remembered.find(item);
    if (known != m_remembered.end())
        return known->second;
    if (m_remembered.size() >= MaxRemembered)
        m_remembered.clear();
    return m_remembered.emplace(std::string(item), translateThroughText(item)).first->second;
}

std::string Utf8ItemTranslator::translateThroughText(std::string_view item) const
{
    const QString text = TextDecoding::fromUtf8(QByteArrayView(item.data(), qsizetype(item.size())));
    const QByteArray key = TextCase::lower(text).toUtf8();
    const std::string_view* result = m_table.find(std::string_view(key.data(), std::size_t(key.size())),
                                                  Utf8KeyTable::hash(std::string_view(key.data(), std::size_t(key.size()))));
    if (result)
        return std::string(*result);
    const QByteArray encoded = text.toUtf8();
    return std::string(encoded.data(), std::size_t(encoded.size()));
}
