#include "mainwindowfixture.h"

#include <QFile>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(Form1Translate, EnterAndTheTranslateCaptionTranslate)
{
    const struct {
        const char* name;
        std::function<void(MainWindow&)> command;
    } commands[] = {
        {"Enter", [](MainWindow& w) { QTest::keyClick(w.form->Text1, Qt::Key_Return); }},
        {"keypad Enter", [](MainWindow& w) { QTest::keyClick(w.form->Text1, Qt::Key_Enter); }},
        {"Translate caption", [](MainWindow& w) { w.click(MainWindow::centreOf(w.form->Label3)); }},
        {"Translate caption, right button",
            [](MainWindow& w) { w.click(MainWindow::centreOf(w.form->Label3), Qt::RightButton); }},
    };
    for (const auto& c : commands) {
        MainWindow w;
        w.form->Text1->setText("LOL  brb");
        c.command(w);
        EXPECT_EQ(w.form->Text2->text(), "laughing out loud be right back") << c.name;
        EXPECT_EQ(w.form->Text1->text(), "LOL  brb ") << c.name << ": one space is added";
        EXPECT_EQ(w.form->ccrpProgressBar1->value(), 0) << c.name;
        EXPECT_TRUE(w.platform.errors.isEmpty()) << c.name;
    }
}

TEST(Form1Translate, EveryTranslationAddsASpaceAndGivesTheSameOutput)
{
    MainWindow w;
    w.form->Text1->setText("gr8");
    QTest::keyClick(w.form->Text1, Qt::Key_Return);
    QTest::keyClick(w.form->Text1, Qt::Key_Return);
    EXPECT_EQ(w.form->Text1->text(), "gr8  ");
    EXPECT_EQ(w.form->Text2->text(), "great");
}

TEST(Form1Translate, EnterOnThePlaceholderTranslatesItAndKeepsIt)
{
    MainWindow w;
    QTest::keyClick(w.form->Text1, Qt::Key_Return);
    EXPECT_EQ(w.form->Text1->text(), "Enter Text Here... ");
    EXPECT_EQ(w.form->Text2->text(), "Enter Text Here...");
}

TEST(Form1Translate, AnEmptyMessageGivesAnEmptyTranslation)
{
    MainWindow w;
    w.form->Text1->setText("");
    w.form->Text2->setText("old");
    w.form->Translate();
    EXPECT_EQ(w.form->Text1->text(), " ");
    EXPECT_EQ(w.form->Text2->text(), "");
}

TEST(Form1Translate, AnEditedDictionaryCountsAtTheNextTranslation)
{
    MainWindow w;
    w.form->Text1->setText("brb");
    w.form->Translate();
    w.useDictionary(testDictionary({{"brb", "back soon"}}));
    w.form->Translate();
    EXPECT_EQ(w.form->Text2->text(), "back soon");
}

TEST(Form1Translate, ADictionaryFaultIsReportedAndLosesNothing)
{
    QByteArray noTab = testDictionary(SampleEntries);
    noTab.replace("gr8\tgreat", "gr8 great");
    const struct {
        const char* name;
        QByteArray dictionary; // null: no file
        QString reportNames;
    } cases[] = {
        {"missing", {}, "SMS.dic"},
        {"too short", "brb\tbe right back\r\nlol\tlaughing out loud\r\n", "line 2"},
        {"a line without a TAB", noTab, "line 3"},
    };
    for (const auto& c : cases) {
        MainWindow w;
        w.form->Text1->setText("brb lol");
        w.form->Text2->setText("an earlier translation");
        QFile::remove(w.folder.path() + "/SMS.dic");
        if (!c.dictionary.isNull())
            w.useDictionary(c.dictionary);

        QTest::keyClick(w.form->Text1, Qt::Key_Return);

        ASSERT_EQ(w.platform.errors.size(), 1) << c.name;
        EXPECT_TRUE(w.platform.errors.front().contains("SMS.dic")) << w.platform.errors.front().toStdString();
        EXPECT_TRUE(w.platform.errors.front().contains(c.reportNames)) << w.platform.errors.front().toStdString();
        EXPECT_EQ(w.form->Text1->text(), "brb lol") << c.name;
        EXPECT_EQ(w.form->Text2->text(), "an earlier translation") << c.name;
        EXPECT_EQ(w.form->ccrpProgressBar1->value(), 0) << c.name;
        EXPECT_TRUE(w.platform.callsNamed("ExitProcess").empty()) << c.name << ": the program goes on";

        w.useDictionary(testDictionary(SampleEntries));
        w.click(MainWindow::centreOf(w.form->Label3));
        EXPECT_EQ(w.form->Text2->text(), "be right back laughing out loud") << c.name << ": once mended, it translates";
    }
}

} // namespace
