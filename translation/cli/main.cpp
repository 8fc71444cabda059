// verbolet-translate: Verbolet's translation for pipes and scripts.

#include "datafiles/programfolder.h"
#include "translation/cli/commandline.h"
#include "translation/cli/descriptors.h"
#include "translation/cli/dictionarycheck.h"
#include "translation/cli/filter.h"
#include "translation/cli/output.h"
#include "translation/dictionary.h"
#include "verbolet_version.h"

#include <QCoreApplication>

#include <functional>

namespace {

enum ExitStatus {
    Done = 0,
    CheckFoundSomething = 1,
    DictionaryUnusable = 2,
    BadCommandLine = 64,    // EX_USAGE
    InputOutputFailed = 74, // EX_IOERR
};

const QString ProgramName = QStringLiteral("verbolet-translate");
const QString StandardInputName = QStringLiteral("standard input");
const QString StandardOutputName = QStringLiteral("standard output");

void report(const QString& text)
{
    const QByteArray bytes = (ProgramName + QStringLiteral(": ") + text + u'\n').toUtf8();
    Descriptors::writeAll(Descriptors::StandardError, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

// The status of a run whose output is complete, or failed.
int finished(const Output& output, int status)
{
    if (!output.failed())
        return status;
    report(output.failure());
    return InputOutputFailed;
}

int check(const Dictionary& dictionary, Output& output)
{
    const QStringList findings = DictionaryCheck::findings(dictionary);
    output.writeLine(DictionaryCheck::decodingOf(dictionary));
    for (const QString& finding : findings)
        output.writeLine(finding);
    if (findings.isEmpty())
        output.writeLine(DictionaryCheck::noFindings(dictionary));
    return finished(output, findings.isEmpty() ? Done : CheckFoundSomething);
}

int translateInputs(const Dictionary& dictionary, const QStringList& inputs, Output& output)
{
    int status = Done;
    for (const QString& input : inputs) {
        const bool standardInput = input == u'-';
        const int descriptor = standardInput ? Descriptors::StandardInput : Descriptors::openForReading(input);
        const QString name = standardInput ? StandardInputName : input;
        const int error = descriptor < 0 ? -descriptor : translateStream(dictionary, descriptor, output);
        if (descriptor > Descriptors::StandardError)
            Descriptors::close(descriptor);
        if (output.failed())
            return finished(output, InputOutputFailed);
        if (error != 0) {
            report(name + QStringLiteral(": ") + Descriptors::reason(error));
            status = InputOutputFailed;
        }
    }
    return status;
}

// The --output file, refused where it is one of the inputs: opening it would empty it first.
int withOutputFile(const CommandLine& commandLine, const QStringList& inputs, const std::function<int(Output&)>& use)
{
    for (const QString& input : inputs) {
        if (input == u'-' ? Descriptors::sameFile(Descriptors::StandardInput, commandLine.outputPath)
                          : Descriptors::sameFile(input, commandLine.outputPath)) {
            report(QStringLiteral("--output %1 is also an input, and would be emptied before it is read").arg(commandLine.outputPath));
            return BadCommandLine;
        }
    }
    const int descriptor = Descriptors::openForWriting(commandLine.outputPath);
    if (descriptor < 0) {
        report(commandLine.outputPath + QStringLiteral(": ") + Descriptors::reason(-descriptor));
        return InputOutputFailed;
    }
    Output output(descriptor, commandLine.outputPath);
    const int status = use(output);
    Descriptors::close(descriptor);
    return status;
}

int run(const CommandLine& commandLine, const Descriptors::ClosedAtStart& closed)
{
    const QString path = commandLine.dictionaryPath.isEmpty()
                             ? ProgramFolder::join(ProgramFolder::path(), QStringLiteral("\\SMS.dic"))
                             : commandLine.dictionaryPath;
    const DictionaryOrFault loaded = Dictionary::load(path, FileKinds::Any);
    if (const auto* fault = std::get_if<DictionaryFault>(&loaded)) {
        report(fault->message);
        return DictionaryUnusable;
    }
    const Dictionary& dictionary = std::get<Dictionary>(loaded);
    const bool checking = commandLine.action == CommandLine::Action::Check;
    const QStringList inputs = checking ? QStringList() : commandLine.inputs.isEmpty() ? QStringList{"-"} : commandLine.inputs;
    if (closed.input && inputs.contains(QStringLiteral("-"))) {
        report(StandardInputName + QStringLiteral(": is closed"));
        return InputOutputFailed;
    }
    const auto use = [&](Output& output) { return checking ? check(dictionary, output) : translateInputs(dictionary, inputs, output); };
    if (!commandLine.outputPath.isEmpty())
        return withOutputFile(commandLine, inputs, use);
    Output standardOutput(Descriptors::StandardOutput, StandardOutputName);
    return use(standardOutput);
}

} // namespace

int main(int argc, char* argv[])
{
    // Before anything opens a descriptor of its own.
    const Descriptors::ClosedAtStart closed = Descriptors::holdStandardPlaces();
    const QCoreApplication application(argc, argv);
    const CommandLine commandLine = CommandLine::parse(QCoreApplication::arguments());
    if (commandLine.action == CommandLine::Action::Invalid) {
        report(QStringLiteral("%1\nTry '%2 --help'.").arg(commandLine.error, ProgramName));
        return BadCommandLine;
    }
    const bool toStandardOutput = commandLine.outputPath.isEmpty() || commandLine.action == CommandLine::Action::Help
                                  || commandLine.action == CommandLine::Action::Version;
    if (closed.output && toStandardOutput) {
        report(StandardOutputName + QStringLiteral(": is closed"));
        return InputOutputFailed;
    }
    Output standardOutput(Descriptors::StandardOutput, StandardOutputName);
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        standardOutput.write(CommandLine::helpText().toStdString());
        return finished(standardOutput, Done);
    case CommandLine::Action::Version:
        standardOutput.writeLine(ProgramName + u' ' + QLatin1String(Verbolet::Version));
        return finished(standardOutput, Done);
    default:
        return run(commandLine, closed);
    }
}
