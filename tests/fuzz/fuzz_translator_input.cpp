// verbolet-translate's standard input. The first byte picks the dictionary (the shipped one
// or one full of odd entries) and the size of the blocks the input arrives in; the rest is
// the input. The output must be the literal procedure's, whether the input comes whole or
// block by block.

#include "literal_reference.h"
#include "translation/bytetranslator.h"
#include "translation/dictionary.h"

#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, QByteArrayView detail = {})
{
    std::fprintf(stderr, "fuzz_translator_input: %s\n%.*s\n", what, int(detail.size()), detail.data());
    std::abort();
}

// Entries where lower-casing changes a text's length or needs more than ASCII, chains,
// empty and spaced fields, right-to-left text, emoji and a NUL.
QByteArray oddDictionary()
{
    QByteArray bytes = QStringLiteral("brb\tbe right back\ncaf\u00e9\tcoffee shop\n\u00c9T\u00c9\tsummer\nstra\u00dfe\tstreet\n"
                                      "\u0130\tdotted capital I\n\u01c5\ttitle-case digraph\n\u03a3\u0391\u03a3\tsigma\n"
                                      "\U0001F600\tgrinning face\n\u05e9\u05dc\u05d5\u05dd\thello\nx1\ty1\nY1\tz1\nabc\t def\n"
                                      "gone\t\nsp ace\tnever typed\nthree\tfields\tignored\n\tthe empty item\nkkk\tkelvin\n"
                                      "nul\0byte\tnul inside\n").toUtf8();
    for (int line = bytes.count('\n') + 1; line <= Dictionary::LineCount; ++line)
        bytes += "zz" + QByteArray::number(line) + "\tfiller\n";
    return bytes;
}

struct Loaded final {
    Dictionary dictionary;
    QList<QStringList> literalFields;
};

Loaded load(const QString& path)
{
    return {std::get<Dictionary>(Dictionary::load(path)), LiteralReference::splitLines(LiteralReference::readDictionary(path))};
}

const Loaded& dictionaryFor(bool odd)
{
    static const QTemporaryDir folder;
    static const Loaded shipped = load(QStringLiteral(VERBOLET_SOURCE_DIR "/data/SMS.dic"));
    static const Loaded oddOne = [] {
        QFile file(folder.filePath("odd.dic"));
        if (!file.open(QIODevice::WriteOnly) || file.write(oddDictionary()) < 0)
            fail("cannot write a dictionary");
        file.close();
        return load(file.fileName());
    }();
    return odd ? oddOne : shipped;
}

QByteArray fedInBlocks(const Dictionary& dictionary, QByteArrayView input, qsizetype blockSize)
{
    ByteTranslator translator(dictionary, ByteTranslator::Mode::Lines);
    QByteArray output;
    for (qsizetype at = 0; at < input.size(); at += blockSize) {
        const QByteArrayView block = input.sliced(at, std::min(blockSize, input.size() - at));
        output += QByteArrayView(translator.feed(std::string_view(block.data(), std::size_t(block.size()))));
    }
    output += QByteArrayView(translator.finish());
    return output;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Loaded& loaded = dictionaryFor(data[0] & 1);
    const QByteArray input(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const QByteArray expected = LiteralReference::translateStream(loaded.literalFields, input);
    if (fedInBlocks(loaded.dictionary, input, input.size() + 1) != expected)
        fail("fed whole, the output differs from the literal procedure's", input);
    if (fedInBlocks(loaded.dictionary, input, 1 + (data[0] >> 1)) != expected)
        fail("fed in blocks, the output differs from the literal procedure's", input);
    return 0;
}
