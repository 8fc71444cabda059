// SMS.dic in every bad state: Translate reports it, naming the file and the fault, keeps
// what both boxes hold, and the program goes on; verbolet-translate reports it and ends
// with status 2 before it reads a line.

#include "damage.h"
#include "programwindow.h"
#include "translatorrun.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString Typed = QStringLiteral("brb LOL \U0001F600 gr8");
const QString Translated = QStringLiteral("be right back laughing out loud \U0001F600 great");
const QString EarlierTranslation = QStringLiteral("an earlier translation");

class BadDictionary : public ::testing::TestWithParam<Damage> { };

TEST_P(BadDictionary, TranslateReportsItKeepsBothBoxesAndGoesOn)
{
    const Damage& damage = GetParam();
    SKIP_UNFELT_DAMAGE(damage);
    ProgramWindow w;
    const QString path = w.file("\\SMS.dic");
    inflict(damage, path);
    w.form->Text1->setText(Typed);
    w.form->Text2->setText(EarlierTranslation);

    w.pressEnter();

    if (!damage.isFault()) {
        EXPECT_TRUE(w.platform.errors.isEmpty()) << w.platform.errors.join('\n').toStdString();
        EXPECT_EQ(w.form->Text2->text(), Translated);
        return;
    }
    ASSERT_EQ(w.platform.errors.size(), 1);
    const QString report = w.platform.errors.front();
    EXPECT_TRUE(report.contains(QDir::toNativeSeparators(path))) << report.toStdString();
    EXPECT_TRUE(report.contains(damage.fault)) << report.toStdString();
    EXPECT_EQ(w.form->Text1->text(), Typed) << "what the user typed is kept as it was";
    EXPECT_EQ(w.form->Text2->text(), EarlierTranslation);
    EXPECT_EQ(w.form->ccrpProgressBar1->value(), 0);
    EXPECT_TRUE(w.platform.callsNamed("ExitProcess").empty());
    EXPECT_TRUE(w.form->isVisible()) << "the program goes on";

    mend(path, soundDictionary());
    w.pressEnter();
    EXPECT_EQ(w.form->Text2->text(), Translated) << "once mended, the dictionary is used";
    EXPECT_EQ(w.platform.errors.size(), 1);
}

TEST_P(BadDictionary, TheCommandLineTranslatorReportsItAndWritesNothing)
{
    const Damage& damage = GetParam();
    SKIP_UNFELT_DAMAGE(damage);
    const TempFolder folder;
    const QString path = folder.path() + "/SMS.dic";
    inflict(damage, path);

    const TranslatorRun run = runTranslator({"--dictionary", path}, Typed.toUtf8() + '\n');

    if (!damage.isFault()) {
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, Translated.toUtf8() + '\n');
        EXPECT_EQ(run.errors, "");
        return;
    }
    const QString errors = QString::fromUtf8(run.errors);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(errors.startsWith("verbolet-translate: ")) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QDir::toNativeSeparators(path))) << errors.toStdString();
    EXPECT_TRUE(errors.contains(damage.fault)) << errors.toStdString();
    EXPECT_EQ(errors.count('\n'), 1) << "one line: " << errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryState, BadDictionary, ::testing::ValuesIn(dictionaryDamages()), DamageName());

} // namespace
