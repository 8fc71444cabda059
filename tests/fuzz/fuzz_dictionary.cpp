// The dictionary file as Translate reads it; the input is the file's bytes. It must load exactly
// when the literal procedure can use it, a fault must name the file, and a message of its own
// abbreviations and expansions must come out as the literal procedure has it. A file that ends
// too early is tried again with filler up to line 1622, so that small inputs reach the translation.

#include "literal_reference.h"
#include "translation/dictionary.h"
#include "translation/translate.h"

#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "fuzz_dictionary: %s\n%s\n", what, qUtf8Printable(detail));
    std::abort();
}

const QString& dictionaryPath()
{
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("SMS.dic"));
    return path;
}

// The dictionary's lines with TABs as spaces, then the same upper-cased, as the box's text;
// short, since the literal procedure compares every item with every line.
QString messageFrom(const QStringList& lines)
{
    QString words = lines.join(u' ').left(300);
    words.replace(u'\t', u' ');
    return words + u' ' + words.toUpper() + u' ';
}

// Lines after the last that nothing in a message from messageFrom can match first.
QByteArray paddedTo1622(QByteArray bytes, int lastLine)
{
    if (!bytes.isEmpty() && !bytes.endsWith('\r') && !bytes.endsWith('\n'))
        bytes += '\n';
    for (int line = lastLine + 1; line <= LiteralReference::LineCount; ++line)
        bytes += "\x01zz" + QByteArray::number(line) + "\tfiller\n";
    return bytes;
}

void check(const QByteArray& bytes, bool padded)
{
    QFile file(dictionaryPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write the dictionary", dictionaryPath());
    file.close();
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
            fail("a sound dictionary was refused", fault->message);
        if (fault->path != dictionaryPath() || !fault->message.startsWith(QStringLiteral("SMS.dic: ")))
            fail("the fault does not name the file", fault->message);
        if (fault->kind == DictionaryFault::Kind::TooFewLines && !padded)
            check(paddedTo1622(bytes, fault->line), true);
        return;
    }
    if (!literalFault.isEmpty())
        fail("a faulty dictionary was taken", literalFault);
    const QString boxText = messageFrom(lines);
    const QString expected = LiteralReference::translateSplit(fields, boxText);
    const QString translated = translate(std::get<Dictionary>(loaded), boxText);
    if (translated != expected)
        fail("the translation differs from the literal one",
             QStringLiteral("message:  %1\nexpected: %2\ngot:      %3").arg(boxText, expected, translated));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    check(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), false);
    return 0;
}
