#include "translation/translate.h"

#include "translation/spacejoiner.h"
#include "translation/textcase.h"

#include <unordered_map>

namespace {

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// What each item of one translation turns into. ASCII items are lower-cased on the fly;
// other items need QString::toLower, so their results are remembered for the rest of the
// call. The views it returns point into the message or into the dictionary.
class ItemTranslator final {
public:
    explicit ItemTranslator(const DictionaryIndex& index)
        : m_index(index)
    {
    }

    QStringView translate(QStringView item)
    {
        if (isAscii(item))
            return lookUp(item);
        const auto known = m_remembered.find(item);
        if (known != m_remembered.end())
            return known->second;
        return m_remembered.emplace(item, lookUp(item)).first->second;
    }

private:
    struct ViewHash final {
        std::size_t operator()(QStringView text) const noexcept { return qHash(text); }
    };

    QStringView lookUp(QStringView item)
    {
        const int line = m_index.finalLine(TextCase::lower(item, m_lowered));
        return line < 0 ? item : QStringView(m_index.entries()[std::size_t(line)].expansion);
    }

    const DictionaryIndex& m_index;
    QString m_lowered;
    std::unordered_map<QStringView, QStringView, ViewHash> m_remembered;
};

} // namespace

QString translate(const Dictionary& dictionary, QStringView boxText)
{
    ItemTranslator items(dictionary.index());
    SpaceJoiner<QChar> joiner;
    QString output;
    output.reserve(boxText.size());
    qsizetype start = 0;
    for (;;) {
        const qsizetype space = boxText.indexOf(u' ', start);
        const qsizetype end = space < 0 ? boxText.size() : space;
        const QStringView result = items.translate(boxText.sliced(start, end - start));
        joiner.append(output, result.data(), std::size_t(result.size()));
        if (space < 0)
            return output;
        start = space + 1;
    }
}
