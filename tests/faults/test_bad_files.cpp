// Every data file in every bad state. The report names the file and the fault, what the user
// typed is kept, and the program goes on wherever it can: only a fault at start-up ends it.

#include "damage.h"
#include "programwindow.h"
#include "translatorrun.h"

#include <gtest/gtest.h>

namespace {

const QString Typed = QStringLiteral("brb LOL \U0001F600 gr8");
const QString Translated = QStringLiteral("be right back laughing out loud \U0001F600 great");

// The rows of a kind of file; a row this process would not feel is skipped.
class BadFile : public ::testing::TestWithParam<Damage> {
protected:
    void SetUp() override
    {
        if (!GetParam().felt())
            GTEST_SKIP() << "running as root: a file without read permission can still be read";
    }
};

void expectReport(const QString& report, const QString& path, const Damage& damage)
{
    EXPECT_TRUE(report.contains(QDir::toNativeSeparators(path))) << report.toStdString();
    EXPECT_TRUE(report.contains(damage.fault, Qt::CaseInsensitive)) << report.toStdString();
}

// Runs the real program from a program folder of its own, which `prepare` may damage, for up
// to `wait` milliseconds. Gives its status, or -1 when it went on running.
int runInstalledProgram(const std::function<void(const QString& folder)>& prepare, int wait, QByteArray& errors)
{
    const TempFolder folder;
    folder.copyProgramData();
    const QString program = folder.path() + "/verbolet";
    QFile::copy(VERBOLET_PROGRAM_DIR "/verbolet", program);
    prepare(folder.path());
    QProcess process;
    process.start(program, {});
    const bool ended = process.waitForFinished(wait);
    process.kill();
    process.waitForFinished();
    errors = process.readAllStandardError();
    return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool aboutWindowIsOpen(const ProgramWindow& w)
{
    const Form2* about = w.form->aboutWindow().form();
    return about && about->isVisible();
}

// Damages the about window's file `relative` ("OpenURL.cur") and clicks the about button: the
// window is not shown, the main window goes on as it was; once mended, the next click opens it.
void expectAboutWindowFault(const Damage& damage, const QString& relative)
{
    SCOPED_TRACE(relative.toStdString());
    ProgramWindow w;
    const QString path = w.folder.path() + '/' + relative;
    inflict(damage, path);
    w.form->Text1->setText(Typed);
    const QRect mainPlace = w.form->geometry();
    ProgramWindow::click(w.form->imgI);
    EXPECT_FALSE(aboutWindowIsOpen(w));
    ASSERT_EQ(w.platform.errors.size(), 1);
    expectReport(w.platform.errors.front(), path, damage);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_EQ(w.form->geometry(), mainPlace);
    w.pressEnter();
    EXPECT_EQ(w.form->Text2->text(), Translated);

    mend(path, deliveredFile(relative));
    ProgramWindow::click(w.form->imgI);
    EXPECT_TRUE(aboutWindowIsOpen(w));
    EXPECT_EQ(w.platform.errors.size(), 1);
}

class BadDictionary : public BadFile { };

TEST_P(BadDictionary, TheWindowAndTheCommandLineReportItAndLoseNothing)
{
    const Damage& damage = GetParam();
    ProgramWindow w;
    const QString path = w.file("\\SMS.dic");
    inflict(damage, path);
    w.form->Text1->setText(Typed);
    w.form->Text2->setText("an earlier translation");
    w.pressEnter();
    const TranslatorRun run = runInShell(R"($T --dictionary "$D")", w.folder.path(), path, Typed.toUtf8() + '\n');

    if (damage.fault.isEmpty()) {
        EXPECT_EQ(w.platform.errors, QStringList());
        EXPECT_EQ(w.form->Text2->text(), Translated);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, Translated.toUtf8() + '\n');
        return;
    }
    ASSERT_EQ(w.platform.errors.size(), 1);
    expectReport(w.platform.errors.front(), path, damage);
    EXPECT_EQ(w.form->Text1->text(), Typed);
    EXPECT_EQ(w.form->Text2->text(), "an earlier translation");
    EXPECT_EQ(w.form->ccrpProgressBar1->value(), 0);
    mend(path, TestDictionary::chat());
    w.pressEnter();
    EXPECT_EQ(w.form->Text2->text(), Translated) << "once mended, the dictionary is used";

    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(run.errors.startsWith("verbolet-translate: ")) << run.errors.toStdString();
    EXPECT_EQ(run.errors.count('\n'), 1) << run.errors.toStdString();
    expectReport(QString::fromUtf8(run.errors), path, damage);
}

class BadSkinPicture : public BadFile { };

// Start-up ends with the report, one start-up file in each row so that the rows together
// damage every one of them.
void expectStartUpFault(const Damage& damage)
{
    const SkinFile startUpFiles[] = {Skin::MinimiseButton.released, Skin::TitleBar, Skin::CaptionFace.released, Skin::Side,
        Skin::CloseButton.released, Skin::Bottom, Skin::AboutButton.released, Skin::HelpButton.released, Skin::CaptionFace.pressed};
    const auto rows = pictureDamages();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const Damage& d) { return d.name == damage.name; }) - rows.begin();
    const QString relative = QStringLiteral("/Skins/Default/") + startUpFiles[std::size_t(row) % std::size(startUpFiles)].name;
    QString path;
    QByteArray errors;
    const int status = runInstalledProgram([&](const QString& folder) { inflict(damage, path = folder + relative); }, 30000, errors);
    EXPECT_EQ(status, 1) << "-1: it went on running";
    expectReport(QString::fromUtf8(errors), path, damage);
}

// The picture buttons read their faces at every press and release: a damaged face is reported
// once, however often it is read, and the button keeps the face it shows.
void expectButtonFaceFaults(const Damage& damage)
{
    ProgramWindow w;
    w.form->Text1->setText(Typed);
    const Form2* about = w.openAbout();
    ASSERT_NE(about, nullptr);
    const std::pair<Image*, ButtonFaces> buttons[] = {{w.form->ImgH, Skin::HelpButton}, {w.form->imgI, Skin::AboutButton},
        {w.form->img_, Skin::MinimiseButton}, {w.form->imgX, Skin::CloseButton}, {about->imgX, Skin::CloseButton}};
    for (const auto& [button, faces] : buttons) {
        for (const SkinFile& face : {faces.pressed, faces.released}) {
            SCOPED_TRACE(button->objectName().toStdString() + ", " + face.name);
            const QString path = w.file(QStringLiteral("\\Skins\\Default\\") + face.name);
            inflict(damage, path);
            w.platform.errors.clear();
            for (int round = 1; round <= 2; ++round) {
                for (const bool pressing : {true, false}) {
                    const QImage shown = button->picture().toImage();
                    pressing ? ProgramWindow::press(button) : ProgramWindow::releaseElsewhere(button);
                    if (pressing == (face.name == faces.pressed.name)) {
                        EXPECT_EQ(button->picture().toImage(), shown) << "the button keeps its face";
                    }
                }
            }
            ASSERT_EQ(w.reports().size(), 1);
            expectReport(w.platform.errors.front(), path, damage);
            mend(path, deliveredFile(QStringLiteral("Skins/Default/") + face.name));
        }
    }
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_EQ(w.form->Text1->text(), Typed);
}

TEST_P(BadSkinPicture, StartUpReportsItAndEndsAndLaterLoadsReportItAndGoOn)
{
    expectStartUpFault(GetParam());
    for (const SkinFile& file : {Skin::TitleBar, Skin::Side, Skin::CloseButton.released, Skin::Bottom,
             Skin::CaptionFace.released, Skin::CaptionFace.pressed})
        expectAboutWindowFault(GetParam(), QString("Skins/Default/") + file.name);
    expectButtonFaceFaults(GetParam());
}

class BadCursor : public BadFile { };

TEST_P(BadCursor, TheAboutWindowReportsItAndTheMainWindowGoesOn)
{
    expectAboutWindowFault(GetParam(), "OpenURL.cur");
}

const auto RowName = [](const auto& info) { return info.param.name; };
INSTANTIATE_TEST_SUITE_P(EveryState, BadDictionary, ::testing::ValuesIn(dictionaryDamages()), RowName);
INSTANTIATE_TEST_SUITE_P(EveryState, BadSkinPicture, ::testing::ValuesIn(pictureDamages()), RowName);
INSTANTIATE_TEST_SUITE_P(EveryState, BadCursor, ::testing::ValuesIn(cursorDamages()), RowName);

// Beside the failed starts: with its files sound, the program starts and goes on running, and
// reports nothing (reports begin with its name; Qt's notes about the offscreen screen are no fault).
TEST(Program, StartsWithItsSkinAndRunsWithoutAReport)
{
    QByteArray errors;
    EXPECT_EQ(runInstalledProgram([](const QString&) {}, 1500, errors), -1) << errors.toStdString();
    EXPECT_FALSE(errors.contains("Verbolet:")) << errors.toStdString();
}

} // namespace
