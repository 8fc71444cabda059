#include "translation/cli/filter.h"

#include "translation/bytetranslator.h"
#include "translation/cli/descriptors.h"

int translateStream(const Dictionary& dictionary, int input, Output& output)
{
    ByteTranslator translator(dictionary, ByteTranslator::Mode::Lines, [&](std::string_view bytes) { output.write(bytes); });
    for (;;) {
        const long long got = Descriptors::readSome(input, translator.space(), ByteTranslator::BlockSize);
        if (got > 0)
            translator.commit(std::size_t(got));
        else
            translator.end(); // what came before a failed read is translated too
        if (got < (long long)ByteTranslator::BlockSize || output.isTerminal()
            || translator.output().size() >= ByteTranslator::BlockSize) {
            output.write(translator.output());
            translator.clearOutput();
        }
        if (got <= 0 || output.failed())
            return got < 0 ? int(-got) : 0;
    }
}
