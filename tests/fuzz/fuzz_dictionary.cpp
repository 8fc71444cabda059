// The dictionary file as Translate reads it. The input is the file's bytes. It must load
// exactly when the literal step-by-step procedure can use it, a fault must name the file,
// and when it loads, a message made of its own abbreviations and expansions must come out
// as the literal procedure has it. A file that ends too early is tried again with filler
// lines up to line 1622, so that small inputs reach the translation as well.

#include "literal_reference.h"
#include "translation/dictionary.h"
#include "translation/translate.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The literal procedure compares every item with every line, so the message stays short.
constexpr qsizetype MaxMessageLength = 600;

[[noreturn]] void fail(const QString& what, const QString& detail = {})
{
    std::fprintf(stderr, "fuzz_dictionary: %s\n%s\n", qUtf8Printable(what), qUtf8Printable(detail));
    std::abort();
}

const QString& dictionaryPath()
{
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("SMS.dic"));
    return path;
}

void writeDictionary(const QByteArray& bytes)
{
    QFile file(dictionaryPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write ") + dictionaryPath());
}

// The dictionary's lines with TABs as spaces, then the same upper-cased: every abbreviation
// and every word of an expansion becomes an item, in two cases.
QString messageFrom(const QStringList& lines)
{
    QString words = lines.join(u' ').left(MaxMessageLength / 2);
    words.replace(u'\t', u' ');
    return words + u' ' + words.toUpper();
}

// Lines `fromLine` to 1622 that nothing in a message made by messageFrom can match first.
QByteArray fillerFrom(const QByteArray& bytes, int fromLine)
{
    QByteArray filler = bytes.isEmpty() || bytes.endsWith('\r') || bytes.endsWith('\n') ? "" : "\n";
    for (int line = fromLine; line <= LiteralReference::LineCount; ++line)
        filler += "\x01zz" + QByteArray::number(line) + "\tfiller\n";
    return filler;
}

void check(const QByteArray& bytes, bool padded)
{
    writeDictionary(bytes);
    const DictionaryOrFault loaded = Dictionary::load(dictionaryPath());

    QStringList lines;
    QList<QStringList> fields;
    QString literalFault;
    try {
        lines = LiteralReference::decodeLines(LiteralReference::readLines(bytes, LiteralReference::LineCount));
        fields = LiteralReference::splitLines(lines);
    } catch (const LiteralReference::DictionaryError& error) {
        literalFault = QString::fromUtf8(error.what());
    }

    if (const auto* fault = std::get_if<DictionaryFault>(&loaded)) {
        if (literalFault.isEmpty())
            fail(QStringLiteral("a sound dictionary was refused"), fault->message);
        if (fault->path != dictionaryPath() || !fault->message.startsWith(QStringLiteral("SMS.dic: ")))
            fail(QStringLiteral("the fault does not name the file"), fault->message);
        if (fault->kind == DictionaryFault::Kind::TooFewLines && !padded)
            check(bytes + fillerFrom(bytes, fault->line + 1), true);
        return;
    }
    if (!literalFault.isEmpty())
        fail(QStringLiteral("a faulty dictionary was taken"), literalFault);

    const QString boxText = messageFrom(lines) + u' ';
    const QString expected = LiteralReference::translateSplit(fields, boxText);
    const QString translated = translate(std::get<Dictionary>(loaded), boxText);
    if (translated != expected)
        fail(QStringLiteral("the translation differs from the literal one"),
             QStringLiteral("message:  %1\nexpected: %2\ngot:      %3").arg(boxText, expected, translated));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    check(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), false);
    return 0;
}
