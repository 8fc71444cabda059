// The translation engine against the literal procedure, and verbolet-translate on a chat log.

#include "benchdata.h"
#include "tests/translation/literal_reference.h"
#include "translation/dictionary.h"
#include "translation/translate.h"
#include "translation/bytetranslator.h"

#include <QProcess>

#include <cstring>
#ifdef __unix__
#include <sys/resource.h>
#endif
#include <benchmark/benchmark.h>

namespace {

constexpr int TypicalWords = 20;
constexpr int LargestItems = 32767; // the old item limit; the words plus the empty last item
constexpr qsizetype ChatLogSize = 20 * 1024 * 1024;

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

// Five edited versions of the shipped dictionary, more than the parsed-dictionary cache
// holds: loading them in turn parses and indexes afresh every time.
QStringList editedVersions()
{
    QFile shipped(data().dictionaryPath());
    shipped.open(QIODevice::ReadOnly);
    const QByteArray bytes = shipped.readAll();
    QStringList versions;
    for (int v = 0; v < 5; ++v) {
        QByteArray edited = "~version" + QByteArray::number(v) + "~\t~\r\n" + bytes;
        edited.truncate(edited.lastIndexOf("\r\n", edited.size() - 3) + 2); // the last line makes room for the new first one
        versions << data().write(QStringLiteral("edited%1.dic").arg(v), edited);
    }
    return versions;
}

// A dictionary edited before every translation.
void engineEditedEveryTime(benchmark::State& state, int items)
{
    const QString text = boxText(items);
    const QStringList versions = editedVersions();
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

// What every run of verbolet-translate pays once: reading, parsing and indexing a dictionary
// that no earlier load in the process has seen.
void BM_Engine_ReadDictionaryEdited(benchmark::State& state)
{
    const QStringList versions = editedVersions();
    int next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(load(versions[next++ % versions.size()]));
}

// The one core on a stream of bytes, read in blocks as verbolet-translate reads them.
void stream(benchmark::State& state, const QByteArray& log)
{
    const Dictionary dictionary = load(data().dictionaryPath());
    for (auto _ : state) {
        ByteTranslator translator(dictionary, ByteTranslator::Mode::Lines);
        for (qsizetype at = 0; at < log.size(); at += qsizetype(ByteTranslator::BlockSize)) {
            const qsizetype size = std::min(qsizetype(ByteTranslator::BlockSize), log.size() - at);
            std::memcpy(translator.space(), log.constData() + at, std::size_t(size));
            translator.commit(std::size_t(size));
            benchmark::DoNotOptimize(translator.output().data());
            translator.clearOutput();
        }
        translator.end();
        benchmark::DoNotOptimize(translator.output().data());
    }
    state.SetBytesProcessed(state.iterations() * log.size());
}

void BM_Stream_ChatLog(benchmark::State& state) { stream(state, data().chatLog(ChatLogSize, 7)); }
void BM_Stream_RealChat(benchmark::State& state) { stream(state, data().realChatLog(ChatLogSize, 7)); }
void BM_Stream_FewHits(benchmark::State& state) { stream(state, data().fewHitsLog(ChatLogSize, 7)); }
void BM_Stream_NoSeparator(benchmark::State& state) { stream(state, QByteArray(ChatLogSize, 'x')); }

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
void commandLine(benchmark::State& state, const QByteArray& log)
{
    const QString logPath = data().write(QStringLiteral("input.log"), log);
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
    state.SetBytesProcessed(state.iterations() * log.size());
    const double processor = childProcessorSeconds() - processorBefore;
    if (processor > 0)
        state.counters["cpu_bytes_per_second"] = double(state.iterations() * log.size()) / processor;
}

void BM_CommandLine_ChatLog(benchmark::State& state) { commandLine(state, data().chatLog(ChatLogSize, 7)); }
void BM_CommandLine_RealChat(benchmark::State& state) { commandLine(state, data().realChatLog(ChatLogSize, 7)); }
void BM_CommandLine_FewHits(benchmark::State& state) { commandLine(state, data().fewHitsLog(ChatLogSize, 7)); }
void BM_CommandLine_NoSeparator(benchmark::State& state) { commandLine(state, QByteArray(ChatLogSize, 'x')); }

} // namespace

BENCHMARK(BM_Literal_TypicalMessage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Engine_TypicalMessage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Literal_32767Items)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Engine_32767Items)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Engine_32767Items_DictionaryEdited)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Engine_ReadDictionaryOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Engine_ReadDictionaryEdited)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stream_ChatLog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stream_RealChat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stream_FewHits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stream_NoSeparator)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommandLine_ChatLog)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CommandLine_RealChat)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CommandLine_FewHits)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CommandLine_NoSeparator)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("dictionary", data().dictionarySource().toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
