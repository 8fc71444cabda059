#include "translation/cli/standardstreams.h"

#include "translation/utf8streamtranslator.h"

#include <memory>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace StandardStreams {

namespace {

constexpr std::size_t BlockSize = 1 << 20;

bool writeAll(std::FILE* stream, std::string& bytes)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
    bytes.clear();
    return written;
}

} // namespace

void useBinaryMode()
{
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

bool translate(const Dictionary& dictionary, std::FILE* input, std::FILE* output)
{
    Utf8StreamTranslator translator(dictionary);
    const auto block = std::make_unique<char[]>(BlockSize);
    std::string translated;
    translated.reserve(2 * BlockSize);
    for (;;) {
        const std::size_t got = std::fread(block.get(), 1, BlockSize, input);
        if (got == 0)
            break;
        translator.feed(std::string_view(block.get(), got), translated);
        if (translated.size() >= BlockSize && !writeAll(output, translated))
            return false;
    }
    if (std::ferror(input))
        return false;
    translator.finish(translated);
    return writeAll(output, translated) && std::fflush(output) == 0;
}

void writeLine(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

} // namespace StandardStreams
