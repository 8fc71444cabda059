#include "translatorrun.h"

#include <QProcess>

#include <gtest/gtest.h>

TranslatorRun runTranslator(const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    process.start(QStringLiteral(VERBOLET_PROGRAM_DIR "/verbolet-translate"), arguments);
    if (!process.waitForStarted()) {
        ADD_FAILURE() << "verbolet-translate does not start";
        return {};
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << "verbolet-translate did not finish";
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}
