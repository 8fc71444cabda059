// Every data file in every bad state: the report names the file and the fault, what was typed is
// kept, and only a fault at start-up ends the program.

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

// The real program run from a program folder of its own, which `prepare` may damage, for up to
// `seconds`; its status is 124 when it went on running.
TranslatorRun runInstalledProgram(const std::function<void(const QString& folder)>& prepare, double seconds)
{
    const TempFolder folder;
    folder.copyProgramData();
    prepare(folder.path());
    return runInShell(QStringLiteral("cp '" VERBOLET_PROGRAM_DIR "/verbolet' . && timeout %1 ./verbolet").arg(seconds), folder.path(), {});
}

// With its file `relative` ("OpenURL.cur") damaged the about window does not open, the main window
// goes on as it was; once mended, the next click opens it.
void expectAboutWindowFault(const Damage& damage, const QString& relative)
{
    SCOPED_TRACE(relative.toStdString());
    ProgramWindow w;
    const QString path = w.folder.path() + '/' + relative;
    inflict(damage, path);
    w.form->Text1->setText(Typed);
    const QRect mainPlace = w.form->geometry();
    EXPECT_EQ(w.openAbout(), nullptr);
    ASSERT_EQ(w.platform.errors.size(), 1);
    expectReport(w.platform.errors.front(), path, damage);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_EQ(w.form->geometry(), mainPlace);
    w.pressEnter();
    EXPECT_EQ(w.form->Text2->text(), Translated);

    mend(path, deliveredFile(relative));
    EXPECT_NE(w.openAbout(), nullptr);
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
        EXPECT_EQ(std::pair(run.exitCode, run.output), std::pair(0, Translated.toUtf8() + '\n'));
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

    EXPECT_EQ(std::pair(run.exitCode, run.output), std::pair(2, QByteArray()));
    EXPECT_TRUE(run.errors.startsWith("verbolet-translate: ") && run.errors.count('\n') == 1) << run.errors.toStdString();
    expectReport(QString::fromUtf8(run.errors), path, damage);
}

class BadSkinPicture : public BadFile { };

// Start-up ends with the report; each row damages one start-up file, the rows together all of them.
void expectStartUpFault(const Damage& damage)
{
    const SkinFile startUpFiles[] = {Skin::MinimiseButton.released, Skin::TitleBar, Skin::CaptionFace.released, Skin::Side,
        Skin::CloseButton.released, Skin::Bottom, Skin::AboutButton.released, Skin::HelpButton.released, Skin::CaptionFace.pressed};
    const auto rows = pictureDamages();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const Damage& d) { return d.name == damage.name; }) - rows.begin();
    const QString relative = QStringLiteral("/Skins/Default/") + startUpFiles[std::size_t(row) % std::size(startUpFiles)].name;
    QString path;
    const TranslatorRun run = runInstalledProgram([&](const QString& folder) { inflict(damage, path = folder + relative); }, 30);
    EXPECT_EQ(run.exitCode, 1) << "124: it went on running";
    expectReport(QString::fromUtf8(run.errors), path, damage);
}

// The picture buttons read their faces at every press and release: a damaged face is reported
// once, however often it is read, and the button keeps the face it shows.
void expectButtonFaceFaults(const Damage& damage)
{
    ProgramWindow w;
    w.form->Text1->setText(Typed);
    const Form2& about = w.openedAbout();
    const std::pair<Image*, ButtonFaces> buttons[] = {{w.form->ImgH, Skin::HelpButton}, {w.form->imgI, Skin::AboutButton},
        {w.form->img_, Skin::MinimiseButton}, {w.form->imgX, Skin::CloseButton}, {about.imgX, Skin::CloseButton}};
    for (const auto& [button, faces] : buttons) {
        for (const SkinFile& face : {faces.pressed, faces.released}) {
            SCOPED_TRACE(button->objectName().toStdString() + ", " + face.name);
            const QString path = w.file(QStringLiteral("\\Skins\\Default\\") + face.name);
            inflict(damage, path);
            w.platform.errors.clear();
            for (const bool pressing : {true, false, true, false}) {
                const QImage shown = button->picture().toImage();
                pressing ? ProgramWindow::press(button) : ProgramWindow::releaseElsewhere(button);
                if (pressing == (face.name == faces.pressed.name)) {
                    EXPECT_EQ(button->picture().toImage(), shown) << "the button keeps its face";
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

// With its files sound the program runs on and reports nothing (reports begin with its name).
TEST(Program, StartsWithItsSkinAndRunsWithoutAReport)
{
    const TranslatorRun run = runInstalledProgram([](const QString&) {}, 1.5);
    EXPECT_EQ(run.exitCode, 124) << run.errors.toStdString();
    EXPECT_FALSE(run.errors.contains("Verbolet:")) << run.errors.toStdString();
}

} // namespace
