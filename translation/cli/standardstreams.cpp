#include "translation/cli/standardstreams.h"

#include "translation/utf8streamtranslator.h"

#include <cerrno>
#include <memory>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace StandardStreams {

namespace {

// Large enough that system calls cost nothing next to the translation, small enough to stay
// in the processor's caches.
constexpr std::size_t BlockSize = 128 * 1024;

constexpr int InputFile = 0;
constexpr int OutputFile = 1;

// What is there to read, up to `size` bytes, without waiting for more: 0 at the end of the
// input, -1 on an error.
long long readSome(char* into, std::size_t size)
{
    for (;;) {
#ifdef _WIN32
        const long long got = _read(InputFile, into, unsigned(size));
#else
        const long long got = ::read(InputFile, into, size);
#endif
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

bool writeAll(std::string_view bytes)
{
    while (!bytes.empty()) {
#ifdef _WIN32
        const long long written = _write(OutputFile, bytes.data(), unsigned(bytes.size()));
#else
        const long long written = ::write(OutputFile, bytes.data(), bytes.size());
#endif
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

} // namespace

void useBinaryMode()
{
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

bool translate(const Dictionary& dictionary)
{
    Utf8StreamTranslator translator(dictionary);
    const std::unique_ptr<char[]> block(new char[BlockSize]); // left uninitialised: reading fills it
    for (;;) {
        const long long got = readSome(block.get(), BlockSize);
        if (got < 0)
            return false;
        if (got == 0)
            return writeAll(translator.finish());
        if (!writeAll(translator.feed(std::string_view(block.get(), std::size_t(got)))))
            return false;
    }
}

void writeLine(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

} // namespace StandardStreams
