// The program itself, started as a user starts it, from a program folder of the test's own.
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// A program folder beside the build's (on the same disk, so the program can be linked
// rather than copied), holding the delivered data and the program.
QString installProgram(const QTemporaryDir& folder)
{
    namespace fs = std::filesystem;
    fs::copy(VERBOLET_SOURCE_DIR "/data", folder.path().toStdString(), fs::copy_options::recursive);
    const fs::path program = VERBOLET_PROGRAM_DIR "/verbolet";
    const fs::path installed = (folder.path() + "/verbolet").toStdString();
    std::error_code failed;
    fs::create_hard_link(program, installed, failed);
    if (failed)
        fs::copy_file(program, installed);
    return QString::fromStdString(installed.string());
}

TEST(Program, StartsWithItsSkinAndRunsUntilItsCloseButtonEndsIt)
{
    const QTemporaryDir folder(QStringLiteral(VERBOLET_PROGRAM_DIR "/program-XXXXXX"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(installProgram(folder), {});
    ASSERT_TRUE(program.waitForStarted());

    EXPECT_FALSE(program.waitForFinished(1500)) << "ended with status " << program.exitCode() << ": "
                                                << program.readAllStandardError().toStdString();
    // Reports begin with the program's name; Qt's own notes about the offscreen screen are no fault.
    EXPECT_FALSE(program.readAllStandardError().contains("Verbolet:")) << "nothing reported";
    program.kill();
    program.waitForFinished();
}

} // namespace
