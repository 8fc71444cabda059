#include "translation/cli/standardstreams.h"

#include "translation/utf8streamtranslator.h"

#include <memory>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace StandardStreams {

namespace {

// Large enough that system calls cost nothing next to the translation, small enough to stay
// in the processor's caches.
constexpr std::size_t BlockSize = 128 * 1024;

bool writeAll(std::FILE* stream, std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
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
    const std::unique_ptr<char[]> block(new char[BlockSize]); // left uninitialised: fread fills it
    for (;;) {
        const std::size_t got = std::fread(block.get(), 1, BlockSize, input);
        if (got == 0)
            break;
        if (!writeAll(output, translator.feed(std::string_view(block.get(), got))))
            return false;
    }
    return !std::ferror(input) && writeAll(output, translator.finish()) && std::fflush(output) == 0;
}

void writeLine(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

} // namespace StandardStreams
