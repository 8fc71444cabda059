// verbolet-translate's standard input. The first byte picks the dictionary (the shipped one
// or one full of odd entries) and the size of the blocks the input arrives in; the rest is
// the input. Whatever arrives, the output must be every line translated exactly as the
// window translates that line typed into its input box, whether the input comes whole or
// block by block.

#include "translation/dictionary.h"
#include "translation/textdecoding.h"
#include "translation/translate.h"
#include "translation/utf8streamtranslator.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

[[noreturn]] void fail(const char* what, std::string_view detail = {})
{
    std::fprintf(stderr, "fuzz_translator_input: %s\n%.*s\n", what, int(detail.size()), detail.data());
    std::abort();
}

Dictionary loadOrFail(const QString& path)
{
    DictionaryOrFault loaded = Dictionary::load(path);
    if (const auto* fault = std::get_if<DictionaryFault>(&loaded))
        fail("cannot load a dictionary", fault->message.toStdString());
    return std::get<Dictionary>(std::move(loaded));
}

// Entries where lower-casing changes a text's length or needs more than ASCII, chains,
// empty and spaced fields, right-to-left text, emoji and a NUL.
QByteArray oddDictionary()
{
    QByteArray bytes = QStringLiteral("brb\tbe right back\n"
                                      "caf\u00e9\tcoffee shop\n"
                                      "\u00c9T\u00c9\tsummer\n"
                                      "stra\u00dfe\tstreet\n"
                                      "\u0130\tdotted capital I\n"
                                      "\u01c5\ttitle-case digraph\n"
                                      "\u03a3\u0391\u03a3\tsigma\n"
                                      "\U0001F600\tgrinning face\n"
                                      "\u05e9\u05dc\u05d5\u05dd\thello\n"
                                      "x1\ty1\n"
                                      "Y1\tz1\n"
                                      "abc\t def\n"
                                      "gone\t\n"
                                      "sp ace\tnever typed\n"
                                      "three\tfields\tignored\n"
                                      "\tthe empty item\n")
                            .toUtf8();
    bytes += QByteArray("nul\0byte\tnul inside\n", 20);
    for (int line = bytes.count('\n') + 1; line <= Dictionary::LineCount; ++line)
        bytes += "zz" + QByteArray::number(line) + "\tfiller\n";
    return bytes;
}

struct Dictionaries final {
    QTemporaryDir folder;
    Dictionary shipped = loadOrFail(QStringLiteral(VERBOLET_SOURCE_DIR "/data/SMS.dic"));
    Dictionary odd = loadOrFail(write("odd.dic", oddDictionary()));

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            fail("cannot write a dictionary");
        return file.fileName();
    }
};

const Dictionaries& dictionaries()
{
    static const Dictionaries loaded;
    return loaded;
}

// Line by line, as each line would be typed into the window's input box.
std::string expectedOutput(const Dictionary& dictionary, std::string_view input)
{
    if (input.starts_with(ByteOrderMark))
        input.remove_prefix(ByteOrderMark.size());
    std::string output;
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const QString typed = TextDecoding::fromUtf8(QByteArrayView(line.data(), qsizetype(line.size())));
        output += translate(dictionary, typed + u' ').toStdString();
        output += '\n';
    }
    return output;
}

std::string fedInBlocks(const Dictionary& dictionary, std::string_view input, std::size_t blockSize)
{
    Utf8StreamTranslator translator(dictionary);
    std::string output;
    for (std::size_t at = 0; at < input.size(); at += blockSize)
        output += translator.feed(input.substr(at, blockSize));
    output += translator.finish();
    return output;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Dictionary& dictionary = data[0] & 1 ? dictionaries().odd : dictionaries().shipped;
    const std::size_t blockSize = 1 + (data[0] >> 1);
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string expected = expectedOutput(dictionary, input);
    if (fedInBlocks(dictionary, input, input.size() + 1) != expected)
        fail("fed whole, the output differs from the window's translation", input);
    if (fedInBlocks(dictionary, input, blockSize) != expected)
        fail("fed in blocks, the output differs from the window's translation", input);
    return 0;
}
