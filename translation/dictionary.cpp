#include "translation/dictionary.h"

#include "translation/dictionarycache.h"
#include "translation/dictionaryparser.h"
#include "translation/dictionaryreader.h"
#include "translation/textdecoding.h"

namespace {

// Deliberately never destroyed: destroying it at exit would free every cached index piece by
// piece, work for nothing since the process's memory goes back to the system anyway, and for a
// short run of verbolet-translate a noticeable part of the whole.
DictionaryCache& recentDictionaries()
{
    static DictionaryCache* const cache = new DictionaryCache;
    return *cache;
}

std::variant<std::shared_ptr<const DictionaryIndex>, DictionaryFault> indexOf(const QByteArray& bytes,
                                                                             const QString& path)
{
    if (auto cached = recentDictionaries().find(bytes))
        return cached;
    if (TextDecoding::looksLikeUtf16(bytes))
        return DictionaryFault::utf16(path);
    TextDecoding::DictionaryText decoded = TextDecoding::dictionaryText(bytes);
    if (decoded.byteOrderMark && decoded.encoding == TextDecoding::DictionaryText::Encoding::Windows1252)
        return DictionaryFault::invalidUtf8(path, decoded.firstNonUtf8Line);
    auto parsed = DictionaryParser::parse(decoded.text, path);
    if (auto* fault = std::get_if<DictionaryFault>(&parsed))
        return std::move(*fault);
    auto index = std::make_shared<const DictionaryIndex>(std::move(std::get<std::vector<DictionaryEntry>>(parsed)),
                                                         std::move(decoded));
    recentDictionaries().insert(bytes, index);
    return index;
}

} // namespace

Dictionary::Dictionary(std::shared_ptr<const DictionaryIndex> index, QString path, bool linesAfterLast)
    : m_index(std::move(index))
    , m_path(std::move(path))
    , m_linesAfterLast(linesAfterLast)
{
}

DictionaryOrFault Dictionary::load(const QString& path, FileKinds kinds)
{
    auto read = DictionaryReader::read(path, kinds);
    if (auto* fault = std::get_if<DictionaryFault>(&read))
        return std::move(*fault);
    const DictionaryBytes& bytes = std::get<DictionaryBytes>(read);

    auto indexed = indexOf(bytes.lines, path);
    if (auto* fault = std::get_if<DictionaryFault>(&indexed))
        return std::move(*fault);
    return Dictionary(std::get<std::shared_ptr<const DictionaryIndex>>(indexed), path, bytes.moreFollows);
}
