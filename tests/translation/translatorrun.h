#pragma once

#include <QProcess>

inline const QString TranslatorProgram = QStringLiteral(VERBOLET_PROGRAM_DIR "/verbolet-translate");

// One run of verbolet-translate, as a user runs it from a shell.
struct TranslatorRun final {
    int exitCode = -1; // -1 when it did not end normally within two minutes
    QByteArray output;
    QByteArray errors;
};

// `command` run by bash in `folder`, with $T the program and $D `dictionary`.
inline TranslatorRun runInShell(const QString& command, const QString& folder, const QString& dictionary,
                                const QByteArray& input = {})
{
    QProcess process; // kills the program, should it still run, when it goes
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("T", TranslatorProgram);
    environment.insert("D", dictionary);
    process.setProcessEnvironment(environment);
    process.start("bash", {"-c", command});
    process.write(input);
    process.closeWriteChannel();
    const bool ended = process.waitForFinished(120000);
    return {ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
