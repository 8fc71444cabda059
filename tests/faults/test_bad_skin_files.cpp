// Skin pictures in every bad state. Every fault is reported, naming the file and the fault.
// At start-up the program then ends with a non-zero status, before anything was typed. When
// the about window cannot load, it is not shown, the main window goes on and the next
// opening tries again. A picture button whose face cannot be loaded at a press or a release
// keeps the face it shows, the fault of each file is reported once, and the program goes on.

#include "aboutopening.h"
#include "damage.h"
#include "mainwindow/form1.h"
#include "mainwindow/uncaughterror.h"
#include "platform/filefault.h"
#include "platform/programfolder.h"
#include "programwindow.h"
#include "recordingplatform.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The files start-up loads, in the order it loads them.
const QStringList StartUpFiles{"_up.btn",   "grad.skt", "buttonidle.btn", "side.sks",      "xup.btn",
                               "bottom.skk", "iup.btn",  "hup.btn",        "buttonpush.btn"};

// The files the about window loads when it opens.
const QStringList AboutFiles{"grad.skt", "side.sks", "xup.btn", "bottom.skk", "buttonidle.btn", "buttonpush.btn"};

QByteArray deliveredSkinFile(const QString& name)
{
    QFile file(QStringLiteral(VERBOLET_SOURCE_DIR "/data/Skins/Default/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString skinFile(const QString& folder, const QString& name)
{
    return ProgramFolder::join(folder, "\\Skins\\Default\\" + name);
}

void expectNamesFileAndFault(const QString& report, const QString& path, const Damage& damage)
{
    EXPECT_TRUE(report.contains(QDir::toNativeSeparators(path))) << report.toStdString();
    EXPECT_TRUE(report.contains(damage.fault)) << report.toStdString();
}

// The real program in a program folder of its own: linked into one beside the build's, or,
// where the build's folder takes no new files, copied into the temporary folder.
class InstalledProgram final {
public:
    InstalledProgram()
    {
        std::filesystem::copy(VERBOLET_SOURCE_DIR "/data", path().toStdString(), std::filesystem::copy_options::recursive);
        const std::filesystem::path program = VERBOLET_PROGRAM_DIR "/verbolet";
        const std::filesystem::path installed = (path() + "/verbolet").toStdString();
        std::error_code failed;
        std::filesystem::create_hard_link(program, installed, failed);
        if (failed)
            std::filesystem::copy_file(program, installed);
    }

    QString path() const { return m_besideTheBuild.isValid() ? m_besideTheBuild.path() : m_temporary.path(); }

    // Starts the program and waits for it to end by itself; -1 when it went on running.
    int run(QByteArray& errors) const
    {
        QProcess process;
        process.setProcessEnvironment([] {
            auto environment = QProcessEnvironment::systemEnvironment();
            environment.insert("QT_QPA_PLATFORM", "offscreen");
            return environment;
        }());
        process.start(path() + "/verbolet", {});
        const bool ended = process.waitForFinished(30000);
        if (!ended) {
            process.kill();
            process.waitForFinished();
        }
        errors = process.readAllStandardError();
        return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private:
    QTemporaryDir m_besideTheBuild{QStringLiteral(VERBOLET_PROGRAM_DIR "/faults-XXXXXX")};
    QTemporaryDir m_temporary;
};

class BadSkinPicture : public ::testing::TestWithParam<Damage> { };

TEST_P(BadSkinPicture, AtStartUpIsReportedAndEndsTheProgram)
{
    const Damage& damage = GetParam();
    SKIP_UNFELT_DAMAGE(damage);
    for (const QString& name : StartUpFiles) {
        SCOPED_TRACE(name.toStdString());
        TempFolder folder;
        folder.copyProgramData();
        const QString path = skinFile(folder.path(), name);
        inflict(damage, path);
        RecordingPlatform platform;
        Form1 form(platform, folder.path());
        try {
            form.show();
            ADD_FAILURE() << "the damaged file was taken";
        } catch (const FileFault& fault) {
            EXPECT_EQ(fault.path(), path);
            // What the application does with an error that no handler catches.
            EXPECT_THROW(EndWithUncaughtError(platform, std::current_exception()), ProgramEnded);
        }
        ASSERT_EQ(platform.errors.size(), 1);
        expectNamesFileAndFault(platform.errors.front(), path, damage);
        EXPECT_EQ(platform.callsNamed("ExitProcess"), std::vector<std::string>{"ExitProcess(1)"});
        EXPECT_FALSE(form.isVisible());
    }
}

// The program itself, with one start-up file for each state, in turn, so that the rows
// together damage every one.
TEST_P(BadSkinPicture, AtStartUpTheProgramReportsItAndEndsWithAFailureStatus)
{
    const Damage& damage = GetParam();
    SKIP_UNFELT_DAMAGE(damage);
    const auto rows = pictureDamages();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const Damage& d) { return d.name == damage.name; });
    const QString name = StartUpFiles[(row - rows.begin()) % StartUpFiles.size()];
    SCOPED_TRACE(name.toStdString());
    const InstalledProgram program;
    const QString path = skinFile(program.path(), name);
    inflict(damage, path);

    QByteArray errors;
    const int exitCode = program.run(errors);

    EXPECT_NE(exitCode, -1) << "the program went on running";
    EXPECT_NE(exitCode, 0);
    expectNamesFileAndFault(QString::fromUtf8(errors), path, damage);
}

TEST_P(BadSkinPicture, OpeningTheAboutWindowReportsItAndTheMainWindowGoesOn)
{
    const Damage& damage = GetParam();
    SKIP_UNFELT_DAMAGE(damage);
    for (const QString& name : AboutFiles)
        expectAboutWindowFaultReportedAndRetried(damage, "\\Skins\\Default\\" + name, deliveredSkinFile(name));
}

// A picture button of either window, with its face files.
struct PictureButton final {
    const char* name;
    Image* button;
    QString released;
    QString pressed;
};

TEST_P(BadSkinPicture, AtAPressOrAReleaseIsReportedOnceAndTheButtonKeepsItsFace)
{
    const Damage& damage = GetParam();
    SKIP_UNFELT_DAMAGE(damage);
    ProgramWindow w;
    const QString typed = QStringLiteral("half a message, brb");
    w.form->Text1->setText(typed);
    ProgramWindow::click(w.form->imgI);
    const Form2* about = ProgramWindow::openAboutWindow();
    ASSERT_NE(about, nullptr);
    const PictureButton buttons[] = {
        {"help", w.form->ImgH, "hup.btn", "hdown.btn"},
        {"about", w.form->imgI, "iup.btn", "idown.btn"},
        {"minimise", w.form->img_, "_up.btn", "_down.btn"},
        {"close", w.form->imgX, "xup.btn", "xdown.btn"},
        {"about window's close", about->imgX, "xup.btn", "xdown.btn"},
    };
    for (const PictureButton& b : buttons) {
        for (const QString& face : {b.pressed, b.released}) {
            SCOPED_TRACE(std::string(b.name) + " button, " + face.toStdString());
            const QString path = skinFile(w.folder.path(), face);
            inflict(damage, path);
            w.platform.errors.clear();
            for (int round = 1; round <= 2; ++round) {
                const QImage beforePress = b.button->picture().toImage();
                ProgramWindow::press(b.button);
                if (face == b.pressed) {
                    EXPECT_EQ(b.button->picture().toImage(), beforePress) << "the button keeps its face";
                }
                const QImage beforeRelease = b.button->picture().toImage();
                ProgramWindow::releaseElsewhere(b.button);
                if (face == b.released) {
                    EXPECT_EQ(b.button->picture().toImage(), beforeRelease) << "the button keeps its face";
                }
            }
            ASSERT_EQ(w.platform.errors.size(), 1) << "once for the file, however often it is read";
            expectNamesFileAndFault(w.platform.errors.front(), path, damage);
            mend(path, deliveredSkinFile(face));
        }
    }
    EXPECT_TRUE(w.platform.callsNamed("ExitProcess").empty());
    EXPECT_TRUE(w.form->isVisible()) << "the program goes on";
    EXPECT_EQ(w.form->Text1->text(), typed) << "what the user typed is kept";
}

INSTANTIATE_TEST_SUITE_P(EveryState, BadSkinPicture, ::testing::ValuesIn(pictureDamages()), DamageName());

} // namespace
