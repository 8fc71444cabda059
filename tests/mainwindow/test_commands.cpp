#include "mainwindowfixture.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString Placeholder = "Enter Text Here...";

bool shows(const Image* face, const Image* holder)
{
    return face->picture().toImage() == holder->picture().toImage();
}

TEST(Form1Commands, PlaceholderGoesOnlyOnAClickOrKeyInTheBox)
{
    enum class Act { Click, ClickTwice, TypeB, TabIn, CompleteItThenClick };
    const struct {
        const char* name;
        QString before;
        Act act;
        QString after;
    } cases[] = {
        {"a click empties the placeholder", Placeholder, Act::Click, ""},
        {"a second click changes nothing", Placeholder, Act::ClickTwice, ""},
        {"a typed key replaces the placeholder", Placeholder, Act::TypeB, "b"},
        {"the focus alone leaves it", Placeholder, Act::TabIn, Placeholder},
        {"other case is no placeholder", "enter text here...", Act::Click, "enter text here..."},
        {"a trailing space is no placeholder", Placeholder + " ", Act::Click, Placeholder + " "},
        {"typed text equal to it goes like it", "Enter Text Here..", Act::CompleteItThenClick, ""},
        {"other text stays on a click", "brb", Act::Click, "brb"},
        {"other text gets the key", "brb", Act::TypeB, "brbb"},
    };
    for (const auto& c : cases) {
        MainWindow w;
        w.form->Text1->setText(c.before);
        const QPoint inBox = MainWindow::centreOf(w.form->Text1);
        switch (c.act) {
        case Act::Click: w.click(inBox); break;
        case Act::ClickTwice: w.click(inBox); w.click(inBox); break;
        case Act::TypeB: QTest::keyClick(w.form->Text1, Qt::Key_B); break;
        case Act::CompleteItThenClick:
            w.form->Text1->end(false);
            QTest::keyClick(w.form->Text1, '.');
            ASSERT_EQ(w.form->Text1->text(), Placeholder);
            w.click(inBox);
            break;
        case Act::TabIn:
            w.form->Text1->clearFocus();
            QTest::keyClick(w.form.get(), Qt::Key_Tab);
            ASSERT_TRUE(w.form->Text1->hasFocus()) << c.name;
            break;
        }
        EXPECT_EQ(w.form->Text1->text(), c.after) << c.name;
    }
}

TEST(Form1Commands, TheWindowOpensWithThePlaceholderAndTheFocusInTheInputBox)
{
    MainWindow w;
    EXPECT_EQ(w.form->Text1->text(), Placeholder);
    EXPECT_TRUE(w.form->Text1->hasFocus());
}

TEST(Form1Commands, ClearEmptiesBothBoxesForGood)
{
    MainWindow w;
    w.form->Text1->setText("brb");
    w.form->Translate();
    ASSERT_FALSE(w.form->Text2->text().isEmpty());
    w.click(MainWindow::centreOf(w.form->Label2));
    EXPECT_EQ(w.form->Text1->text(), "");
    EXPECT_EQ(w.form->Text2->text(), "");
    EXPECT_EQ(w.form->ccrpProgressBar1->value(), 0);
    w.click(MainWindow::centreOf(w.form->Text1));
    EXPECT_EQ(w.form->Text1->text(), "") << "the placeholder does not come back";
}

TEST(Form1Commands, FacesShowPressedWhileAButtonIsHeldOnACaption)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        MainWindow w;
        const struct {
            Label* caption;
            Image* face;
        } buttons[] = {{w.form->Label3, w.form->imgApply}, {w.form->Label2, w.form->imgVerify}};
        for (const auto& b : buttons) {
            ASSERT_TRUE(shows(b.face, w.form->invup));
            w.press(MainWindow::centreOf(b.caption), button);
            EXPECT_TRUE(shows(b.face, w.form->invdown)) << b.caption->objectName().toStdString() << " " << button;
            w.release(MainWindow::centreOf(b.caption), button);
            EXPECT_TRUE(shows(b.face, w.form->invup)) << b.caption->objectName().toStdString() << " " << button;
        }
    }
}

TEST(Form1Commands, HoldersNeverChange)
{
    MainWindow w;
    const QImage up = w.form->invup->picture().toImage();
    const QImage down = w.form->invdown->picture().toImage();
    ASSERT_NE(up, down);
    w.click(MainWindow::centreOf(w.form->Label3));
    w.click(MainWindow::centreOf(w.form->Label2), Qt::RightButton);
    EXPECT_EQ(w.form->invup->picture().toImage(), up);
    EXPECT_EQ(w.form->invdown->picture().toImage(), down);
}

TEST(Form1Commands, APressReleasedOutsideTheCaptionRunsNoCommand)
{
    for (Label* (*caption)(Form1&) : {+[](Form1& f) { return f.Label3; }, +[](Form1& f) { return f.Label2; }}) {
        MainWindow w;
        w.form->Text1->setText("brb");
        w.press(MainWindow::centreOf(caption(*w.form)));
        w.release({150, 60}); // over the input box
        EXPECT_EQ(w.form->Text1->text(), "brb");
        EXPECT_EQ(w.form->Text2->text(), "");
        EXPECT_TRUE(shows(w.form->imgApply, w.form->invup));
        EXPECT_TRUE(shows(w.form->imgVerify, w.form->invup));
    }
}

TEST(Form1Commands, TheCaptionTakesTheMouseOverItsFace)
{
    MainWindow w;
    for (const auto& [caption, face] : {std::pair{w.form->Label3, w.form->imgApply}, {w.form->Label2, w.form->imgVerify}}) {
        ASSERT_EQ(caption->geometry(), face->geometry());
        for (QPoint corner : {face->geometry().topLeft(), face->geometry().bottomRight(), face->geometry().center()})
            EXPECT_EQ(w.form->childAt(corner), caption) << caption->objectName().toStdString();
    }
    w.form->Text1->setText("lol");
    w.click(w.form->imgApply->geometry().topLeft() + QPoint(1, 1));
    EXPECT_EQ(w.form->Text2->text(), "laughing out loud");
}

TEST(Form1Commands, TheOutputBoxTakesNoFocusAndNoTyping)
{
    MainWindow w;
    w.form->Text2->setText("be right back");
    w.click(MainWindow::centreOf(w.form->Text2));
    EXPECT_FALSE(w.form->Text2->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_FALSE(w.form->Text2->hasFocus()) << "Tab passes it by";
    QTest::keyClicks(w.form->Text2, "x");
    EXPECT_EQ(w.form->Text2->text(), "be right back");
    EXPECT_FALSE(w.form->Text2->isEnabled());
}

TEST(Form1Commands, AltWithTheAccessLettersActsAsTheCaptions)
{
    MainWindow w;
    w.form->Text1->setText("brb");
    QTest::keyClick(w.form->Text1, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(w.form->Text2->text(), "be right back");
    EXPECT_EQ(w.form->Text1->text(), "brb ") << "the letter is not typed";
    QTest::keyClick(w.form->Text1, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(w.form->Text1->text(), "");
    EXPECT_EQ(w.form->Text2->text(), "");
}

} // namespace
