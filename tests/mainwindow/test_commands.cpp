// The input and output boxes, and the Translate and Clear captions.
#include "programwindow.h"

#include <QApplication>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString Placeholder = "Enter Text Here...";

TEST(Form1Commands, ThePlaceholderGoesOnlyOnAClickOrKeyInTheBox)
{
    enum class Act { Nothing, Click, TypeB, TabIn, CompleteItThenClick };
    const struct {
        const char* name;
        QString before; // null: as the window opens
        Act act;
        QString after;
    } cases[] = {
        {"the window opens with it", {}, Act::Nothing, Placeholder},
        {"a click empties it", {}, Act::Click, ""},
        {"a typed key replaces it", {}, Act::TypeB, "b"},
        {"the focus alone leaves it", {}, Act::TabIn, Placeholder},
        {"other case is no placeholder", "enter text here...", Act::Click, "enter text here..."},
        {"a trailing space is no placeholder", Placeholder + " ", Act::Click, Placeholder + " "},
        {"typed text equal to it goes like it", "Enter Text Here..", Act::CompleteItThenClick, ""},
        {"other text stays on a click", "brb", Act::Click, "brb"},
        {"other text gets the key", "brb", Act::TypeB, "brbb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramWindow w;
        TextBox* box = w.form->Text1;
        if (!c.before.isNull())
            box->setText(c.before);
        switch (c.act) {
        case Act::Nothing: EXPECT_TRUE(box->hasFocus()); break;
        case Act::Click: ProgramWindow::click(box); break;
        case Act::TypeB: QTest::keyClick(box, Qt::Key_B); break;
        case Act::TabIn:
            box->clearFocus();
            QTest::keyClick(w.form.get(), Qt::Key_Tab);
            ASSERT_TRUE(box->hasFocus());
            break;
        case Act::CompleteItThenClick:
            box->end(false);
            QTest::keyClick(box, '.');
            ASSERT_EQ(box->text(), Placeholder);
            ProgramWindow::click(box);
            break;
        }
        EXPECT_EQ(box->text(), c.after);
    }
}

TEST(Form1Commands, EnterTheTranslateCaptionAndItsAccessLetterTranslate)
{
    using Command = std::function<void(ProgramWindow&)>;
    const Command enter = [](ProgramWindow& w) { QTest::keyClick(w.form->Text1, Qt::Key_Return); };
    const auto caption = [](Qt::MouseButton button) {
        return Command([button](ProgramWindow& w) { ProgramWindow::click(w.form->Label3, button); });
    };
    const struct {
        const char* name;
        Command command;
        QString typed; // null: the placeholder the window opens with
        int times;
        QString input;
        QString output;
    } cases[] = {
        {"Enter", enter, "LOL  brb", 1, "LOL  brb ", "laughing out loud be right back"},
        {"keypad Enter", [](ProgramWindow& w) { QTest::keyClick(w.form->Text1, Qt::Key_Enter); }, "LOL  brb", 1,
            "LOL  brb ", "laughing out loud be right back"},
        {"caption, left button", caption(Qt::LeftButton), "LOL  brb", 1, "LOL  brb ", "laughing out loud be right back"},
        {"caption, right button", caption(Qt::RightButton), "brb", 1, "brb ", "be right back"},
        {"caption, middle button: no command", caption(Qt::MiddleButton), "brb", 1, "brb", ""},
        {"caption double-clicked: one command", [](ProgramWindow& w) { ProgramWindow::doubleClick(w.form->Label3); },
            "brb", 1, "brb ", "be right back"},
        {"Alt+T, the letter not typed", [](ProgramWindow& w) { QTest::keyClick(w.form->Text1, Qt::Key_T, Qt::AltModifier); },
            "brb", 1, "brb ", "be right back"},
        {"each translation adds a space", enter, "gr8", 2, "gr8  ", "great"},
        {"Enter on the placeholder translates it and keeps it", enter, {}, 1, Placeholder + " ", Placeholder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramWindow w;
        if (!c.typed.isNull())
            w.form->Text1->setText(c.typed);
        for (int time = 0; time < c.times; ++time)
            c.command(w);
        EXPECT_EQ(w.form->Text1->text(), c.input);
        EXPECT_EQ(w.form->Text2->text(), c.output);
        EXPECT_EQ(w.form->ccrpProgressBar1->value(), 0);
        EXPECT_TRUE(w.platform.errors.isEmpty());
    }
}

TEST(Form1Commands, TheProgressBarIsFullWhileATranslationRuns)
{
    ProgramWindow w;
    struct Painted final : QObject {
        std::vector<int> values;
        bool eventFilter(QObject* bar, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                values.push_back(static_cast<ccrpProgressBar*>(bar)->value());
            return false;
        }
    } painted;
    w.form->ccrpProgressBar1->installEventFilter(&painted);
    w.form->Text1->setText("brb");
    w.pressEnter();
    EXPECT_EQ(painted.values, (std::vector<int>{100, 0})) << "shown at once, though no event is handled meanwhile";
}

TEST(Form1Commands, ClearAndItsAccessLetterEmptyBothBoxesForGood)
{
    for (const bool byKey : {false, true}) {
        ProgramWindow w;
        w.form->Text1->setText("brb");
        w.form->Translate();
        ASSERT_EQ(w.form->Text2->text(), "be right back");
        w.form->ccrpProgressBar1->setValue(100);
        if (byKey)
            QTest::keyClick(w.form->Text1, Qt::Key_C, Qt::AltModifier);
        else
            ProgramWindow::click(w.form->Label2);
        EXPECT_EQ(w.form->Text1->text(), "") << byKey;
        EXPECT_EQ(w.form->Text2->text(), "") << byKey;
        EXPECT_EQ(w.form->ccrpProgressBar1->value(), 0) << byKey;
        ProgramWindow::click(w.form->Text1);
        EXPECT_EQ(w.form->Text1->text(), "") << "the placeholder does not come back";
    }
}

// The faces come from the hidden holders, which start-up filled: the skin files are not read again.
TEST(Form1Commands, CaptionFacesShowPressedWhileAnyButtonIsHeld)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        ProgramWindow w;
        const QImage up = w.form->invup->picture().toImage();
        const QImage down = w.form->invdown->picture().toImage();
        ASSERT_NE(up, down);
        w.writeSkin(Skin::CaptionFace.released.name, encodedPicture({73, 17}, Qt::red));
        w.writeSkin(Skin::CaptionFace.pressed.name, encodedPicture({73, 17}, Qt::green));
        for (const auto& [caption, face] : {std::pair{w.form->Label3, w.form->imgApply}, {w.form->Label2, w.form->imgVerify}}) {
            SCOPED_TRACE(caption->objectName().toStdString() + " " + std::to_string(button));
            EXPECT_EQ(face->picture().toImage(), up);
            ProgramWindow::press(caption, button);
            EXPECT_EQ(face->picture().toImage(), down);
            ProgramWindow::release(caption, button);
            EXPECT_EQ(face->picture().toImage(), up) << "and the holders are as they were";
        }
    }
}

TEST(Form1Commands, APressOnACaptionReleasedOutsideItRunsNoCommand)
{
    ProgramWindow w;
    const QImage up = w.form->invup->picture().toImage();
    w.form->Text1->setText("brb");
    for (const auto& [caption, face] : {std::pair{w.form->Label3, w.form->imgApply}, {w.form->Label2, w.form->imgVerify}}) {
        ProgramWindow::press(caption);
        w.mouseAt(QTest::MouseRelease, {150, 60}); // over the input box
        EXPECT_EQ(face->picture().toImage(), up) << caption->objectName().toStdString();
    }
    EXPECT_EQ(w.form->Text1->text(), "brb");
    EXPECT_EQ(w.form->Text2->text(), "");
}

TEST(Form1Commands, TheCaptionTakesTheMouseOverItsFace)
{
    ProgramWindow w;
    for (const auto& [caption, face] : {std::pair{w.form->Label3, w.form->imgApply}, {w.form->Label2, w.form->imgVerify}}) {
        ASSERT_EQ(caption->geometry(), face->geometry());
        const QRect box = face->geometry();
        for (const QPoint at : {box.topLeft(), box.bottomRight(), box.center()})
            EXPECT_EQ(w.form->childAt(at), caption) << caption->objectName().toStdString();
    }
    w.form->Text1->setText("lol");
    w.mouseAt(QTest::MouseClick, w.form->imgApply->geometry().topLeft() + QPoint(1, 1));
    EXPECT_EQ(w.form->Text2->text(), "laughing out loud");
}

TEST(Form1Commands, TheOutputBoxTakesNoFocusAndNoTyping)
{
    ProgramWindow w;
    w.form->Text2->setText("be right back");
    ProgramWindow::click(w.form->Text2);
    EXPECT_FALSE(w.form->Text2->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_FALSE(w.form->Text2->hasFocus()) << "Tab passes it by";
    QTest::keyClicks(w.form->Text2, "x");
    EXPECT_EQ(w.form->Text2->text(), "be right back");
}

} // namespace
