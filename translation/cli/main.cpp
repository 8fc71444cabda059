// verbolet-translate: Verbolet's translation for pipes and scripts.

#include "datafiles/programfolder.h"
#include "translation/cli/commandline.h"
#include "translation/cli/dictionarycheck.h"
#include "translation/cli/standardstreams.h"
#include "translation/dictionary.h"
#include "verbolet_version.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

enum ExitStatus {
    Done = 0,
    CheckFoundSomething = 1,
    DictionaryUnusable = 2,
    BadCommandLine = 64, // EX_USAGE
    InputOutputFailed = 74, // EX_IOERR
};

const QString ProgramName = QStringLiteral("verbolet-translate");

int check(const Dictionary& dictionary)
{
    const QStringList findings = DictionaryCheck::findings(dictionary);
    for (const QString& finding : findings)
        StandardStreams::writeLine(stdout, finding);
    if (findings.isEmpty()) {
        StandardStreams::writeLine(stdout, QStringLiteral("%1: no dead or surprising entries")
                                               .arg(QFileInfo(dictionary.path()).fileName()));
    }
    return findings.isEmpty() ? Done : CheckFoundSomething;
}

int run(const CommandLine& commandLine)
{
    const QString path = commandLine.dictionaryPath.isEmpty()
                             ? ProgramFolder::join(ProgramFolder::path(), QStringLiteral("\\SMS.dic"))
                             : commandLine.dictionaryPath;
    const DictionaryOrFault loaded = Dictionary::load(path);
    if (const auto* fault = std::get_if<DictionaryFault>(&loaded)) {
        StandardStreams::writeLine(stderr, ProgramName + QStringLiteral(": ") + fault->message);
        return DictionaryUnusable;
    }
    const Dictionary& dictionary = std::get<Dictionary>(loaded);
    if (commandLine.action == CommandLine::Action::Check)
        return check(dictionary);
    if (StandardStreams::translate(dictionary))
        return Done;
    std::perror(qPrintable(ProgramName));
    return InputOutputFailed;
}

} // namespace

int main(int argc, char* argv[])
{
    StandardStreams::useBinaryMode();
    const QCoreApplication application(argc, argv);
    const CommandLine commandLine = CommandLine::parse(QCoreApplication::arguments());
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        StandardStreams::writeLine(stdout, CommandLine::helpText().chopped(1));
        return Done;
    case CommandLine::Action::Version:
        StandardStreams::writeLine(stdout, ProgramName + u' ' + QLatin1String(Verbolet::Version));
        return Done;
    case CommandLine::Action::Invalid:
        StandardStreams::writeLine(stderr, QStringLiteral("%1: %2\nTry '%1 --help'.").arg(ProgramName, commandLine.error));
        return BadCommandLine;
    case CommandLine::Action::Translate:
    case CommandLine::Action::Check:
        break;
    }
    return run(commandLine);
}
