// The translation engine against the literal procedure, and verbolet-translate on a chat log.

#include "benchdata.h"
#include "tests/translation/literal_reference.h"
#include "translation/dictionary.h"
#include "translation/translate.h"
#include "translation/utf8streamtranslator.h"

#include <QProcess>
#ifdef __unix__
#include <sys/resource.h>
#endif
#include <benchmark/benchmark.h>

namespace {

constexpr int TypicalWords = 20;
constexpr int LargestItems = 32767; // the old item limit; the words plus the empty last item
constexpr qsizetype ChatLogSize = 10 * 1024 * 1024;

const BenchData& data()
{
    static const BenchData instance;
    return instance;
}

// The input box's text after Translate has appended its space.
QString boxText(int items)
{
    return data().message(items - 1, 42) + u' ';
}

Dictionary load(const QString& path)
{
    return std::get<Dictionary>(Dictionary::load(path));
}

void literalProcedure(benchmark::State& state, int items)
{
    const QString text = boxText(items);
    for (auto _ : state)
        benchmark::DoNotOptimize(LiteralReference::translateFile(data().dictionaryPath(), text));
}

// Reading the file (and finding its index by its bytes) is part of every translation.
void engine(benchmark::State& state, int items)
{
    const QString text = boxText(items);
    for (auto _ : state)
        benchmark::DoNotOptimize(translate(load(data().dictionaryPath()), text));
}

// A dictionary edited before every translation: five versions in turn, more than the
// parsed-dictionary cache holds, so every translation parses and indexes afresh.
void engineEditedEveryTime(benchmark::State& state, int items)
{
    const QString text = boxText(items);
    QFile shipped(data().dictionaryPath());
    shipped.open(QIODevice::ReadOnly);
    const QByteArray bytes = shipped.readAll();
    QStringList versions;
    for (int v = 0; v < 5; ++v) {
        QByteArray edited = "~version" + QByteArray::number(v) + "~\t~\r\n" + bytes;
        edited.truncate(edited.lastIndexOf("\r\n", edited.size() - 3) + 2); // the last line makes room for the new first one
        versions << data().write(QStringLiteral("edited%1.dic").arg(v), edited);
    }
    int next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(translate(load(versions[next++ % versions.size()]), text));
}

void BM_Literal_TypicalMessage(benchmark::State& state) { literalProcedure(state, TypicalWords + 1); }
void BM_Engine_TypicalMessage(benchmark::State& state) { engine(state, TypicalWords + 1); }
void BM_Literal_32767Items(benchmark::State& state) { literalProcedure(state, LargestItems); }
void BM_Engine_32767Items(benchmark::State& state) { engine(state, LargestItems); }
void BM_Engine_32767Items_DictionaryEdited(benchmark::State& state) { engineEditedEveryTime(state, LargestItems); }

void BM_Engine_ReadDictionaryOnly(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(load(data().dictionaryPath()));
}

void BM_Utf8Stream_ChatLog(benchmark::State& state)
{
    const QByteArray log = data().chatLog(ChatLogSize, 7);
    const Dictionary dictionary = load(data().dictionaryPath());
    constexpr qsizetype BlockSize = 128 * 1024; // as verbolet-translate reads
    for (auto _ : state) {
        Utf8StreamTranslator translator(dictionary);
        for (qsizetype at = 0; at < log.size(); at += BlockSize) {
            const qsizetype size = std::min(BlockSize, log.size() - at);
            benchmark::DoNotOptimize(translator.feed(std::string_view(log.constData() + at, std::size_t(size))).data());
        }
        benchmark::DoNotOptimize(translator.finish().data());
    }
    state.SetBytesProcessed(state.iterations() * log.size());
}

// Processor time used by finished child processes, where the system tells it.
double childProcessorSeconds()
{
#ifdef __unix__
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
#else
    return 0;
#endif
}

// The whole program: start, read the dictionary, translate the log from a file to nowhere.
// Besides the wall-clock rate, "cpu_bytes_per_second" counts the program's own processor time,
// which other work on a busy machine does not inflate as much.
void BM_CommandLine_ChatLog(benchmark::State& state)
{
    const QString logPath = data().write(QStringLiteral("chat.log"), data().chatLog(ChatLogSize, 7));
    const double processorBefore = childProcessorSeconds();
    for (auto _ : state) {
        QProcess process;
        process.setStandardInputFile(logPath);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral(VERBOLET_PROGRAM_DIR "/verbolet-translate"),
                      {QStringLiteral("--dictionary"), data().dictionaryPath()});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("verbolet-translate failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * ChatLogSize);
    const double processor = childProcessorSeconds() - processorBefore;
    if (processor > 0)
        state.counters["cpu_bytes_per_second"] = double(state.iterations() * ChatLogSize) / processor;
}

} // namespace

BENCHMARK(BM_Literal_TypicalMessage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Engine_TypicalMessage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Literal_32767Items)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Engine_32767Items)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Engine_32767Items_DictionaryEdited)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Engine_ReadDictionaryOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Utf8Stream_ChatLog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommandLine_ChatLog)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("dictionary", data().dictionarySource().toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
