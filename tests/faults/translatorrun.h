#pragma once

#include <QProcess>
#include <QStringList>

// One run of verbolet-translate, as a user runs it from a shell.
struct TranslatorRun final {
    int exitCode = -1; // -1 when it did not end normally within two minutes
    QByteArray output;
    QByteArray errors;
};

inline TranslatorRun runTranslator(const QStringList& arguments, const QByteArray& input)
{
    QProcess process; // kills the program, should it still run, when it goes
    process.start(QStringLiteral(VERBOLET_PROGRAM_DIR "/verbolet-translate"), arguments);
    process.write(input);
    process.closeWriteChannel();
    const bool ended = process.waitForFinished(120000);
    return {ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput(), process.readAllStandardError()};
}
