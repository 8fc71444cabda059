#include "translation/translate.h"

#include "translation/spacejoiner.h"
#include "translation/textcase.h"

#include <QHashFunctions>

#include <algorithm>
#include <unordered_map>

namespace {

// What each item of one translation turns into. The views it returns point into the
// message or into the dictionary.
class ItemTranslator final {
public:
    explicit ItemTranslator(const DictionaryIndex& index)
        : m_index(index)
    {
    }

    // An item of ASCII characters, with the Utf16KeyHash of its lower-cased form and
    // whether lower-casing changes it.
    QStringView translateAscii(QStringView item, std::uint64_t loweredHash, bool hasUpper)
    {
        const QStringView key = hasUpper ? TextCase::lower(item, m_lowered) : item;
        return m_index.translationOf(key, loweredHash).value_or(item);
    }

    // Any other item needs QString::toLower, so its result is remembered for the rest of the call.
    QStringView translateOther(QStringView item)
    {
        const auto known = m_remembered.find(item);
        if (known != m_remembered.end())
            return known->second;
        const QStringView result = m_index.translationOf(TextCase::lower(item, m_lowered)).value_or(item);
        return m_remembered.emplace(item, result).first->second;
    }

private:
    struct ViewHash final {
        std::size_t operator()(QStringView text) const noexcept { return qHash(text); }
    };

    const DictionaryIndex& m_index;
    QString m_lowered;
    std::unordered_map<QStringView, QStringView, ViewHash> m_remembered;
};

// The output text, written in place: QString::append is out of line and checks at every
// call whether the text is shared.
class TextOutput final {
public:
    explicit TextOutput(qsizetype expectedSize)
        : m_text(std::max<qsizetype>(expectedSize, 16), Qt::Uninitialized)
        , m_data(m_text.data())
    {
    }

    void appendPiece(bool spaceBefore, const QChar* piece, std::size_t size)
    {
        makeRoomFor(qsizetype(size) + 1);
        QChar* out = m_data + m_size;
        *out = u' '; // counted only when wanted
        out += spaceBefore;
        std::copy_n(piece, size, out);
        m_size += qsizetype(spaceBefore) + qsizetype(size);
    }

    QString take()
    {
        m_text.truncate(m_size);
        return std::move(m_text);
    }

private:
    void makeRoomFor(qsizetype extra)
    {
        if (m_size + extra > m_text.size()) {
            m_text.resize(std::max(2 * m_text.size(), m_size + extra));
            m_data = m_text.data();
        }
    }

    QString m_text;
    QChar* m_data = nullptr;
    qsizetype m_size = 0;
};

} // namespace

// One pass over the text finds the items and, for ASCII items, hashes their lower-cased
// form on the way, so most items cost a single table look-up.
QString translate(const Dictionary& dictionary, QStringView boxText)
{
    ItemTranslator items(dictionary.index());
    SpaceJoiner<QChar> joiner;
    TextOutput output(boxText.size() + boxText.size() / 2);

    const char16_t* const text = boxText.utf16();
    const qsizetype size = boxText.size();
    qsizetype start = 0;
    std::uint64_t hash = Utf16KeyHash::Start;
    bool ascii = true;
    bool hasUpper = false;
    for (qsizetype i = 0;; ++i) {
        if (i == size || text[i] == u' ') {
            const QStringView item(text + start, i - start);
            const QStringView result = ascii ? items.translateAscii(item, hash, hasUpper) : items.translateOther(item);
            joiner.append(output, result.data(), std::size_t(result.size()));
            if (i == size)
                return output.take();
            start = i + 1;
            hash = Utf16KeyHash::Start;
            ascii = true;
            hasUpper = false;
            continue;
        }
        const char16_t lowered = TextCase::lowerAscii(text[i]);
        ascii = ascii && text[i] < 0x80;
        hasUpper = hasUpper || lowered != text[i];
        hash = Utf16KeyHash::step(hash, lowered);
    }
}
