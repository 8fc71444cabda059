// The input and output boxes, and the Translate and Clear captions.
#include "programwindow.h"

#include <gtest/gtest.h>

namespace {

const QString Placeholder = "Enter Text Here...";

TEST(Form1Commands, ThePlaceholderGoesOnlyOnAClickOrKeyInTheBox)
{
    using Act = std::function<void(ProgramWindow&)>;
    const Act click = [](ProgramWindow& w) { ProgramWindow::click(w.form->Text1); };
    const Act typeB = [](ProgramWindow& w) { QTest::keyClick(w.form->Text1, Qt::Key_B); };
    const struct { const char* name; QString before; Act act; QString after; } cases[] = { // before null: as the window opens
        {"the window opens with it", {}, [](ProgramWindow&) {}, Placeholder},
        {"a click empties it", {}, click, ""},
        {"a typed key replaces it", {}, typeB, "b"},
        {"the focus alone leaves it", {}, [](ProgramWindow& w) {
            w.form->Text1->clearFocus();
            QTest::keyClick(w.form.get(), Qt::Key_Tab);
        }, Placeholder},
        {"a trailing space is no placeholder", Placeholder + " ", click, Placeholder + " "},
        {"typed text equal to it goes like it", "Enter Text Here..", [&](ProgramWindow& w) {
            w.form->Text1->end(false);
            QTest::keyClick(w.form->Text1, '.');
            click(w);
        }, ""},
        {"other text gets the key", "brb", typeB, "brbb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramWindow w;
        if (!c.before.isNull())
            w.form->Text1->setText(c.before);
        c.act(w);
        EXPECT_TRUE(w.form->Text1->hasFocus());
        EXPECT_EQ(w.form->Text1->text(), c.after);
    }
}

// Translate adds a space to the input and puts the translation in the output; Clear empties both.
TEST(Form1Commands, TheKeysCaptionsAndAccessLettersThatTranslateAndClear)
{
    using Command = std::function<void(ProgramWindow&)>;
    const Command enter = [](ProgramWindow& w) { QTest::keyClick(w.form->Text1, Qt::Key_Return); };
    const auto altWith = [](Qt::Key letter) {
        return Command([letter](ProgramWindow& w) { QTest::keyClick(w.form->Text1, letter, Qt::AltModifier); });
    };
    // typed null: the placeholder the window opens with.
    const struct { const char* name; Command command; QString typed; int times; QString input, output; } cases[] = {
        {"Enter", enter, "LOL  brb", 1, "LOL  brb ", "laughing out loud be right back"},
        {"Translate's caption", [](ProgramWindow& w) { ProgramWindow::click(w.form->Label3); }, "brb", 1, "brb ",
            "be right back"},
        {"caption double-clicked: one command", [](ProgramWindow& w) { ProgramWindow::doubleClick(w.form->Label3); },
            "brb", 1, "brb ", "be right back"},
        {"Alt+T, the letter not typed", altWith(Qt::Key_T), "brb", 1, "brb ", "be right back"},
        {"each translation adds a space", enter, "gr8", 2, "gr8  ", "great"},
        {"Enter on the placeholder translates it and keeps it", enter, {}, 1, Placeholder + " ", Placeholder},
        {"Clear's caption", [](ProgramWindow& w) { w.form->Translate(); ProgramWindow::click(w.form->Label2); }, "brb",
            1, "", ""},
        {"Alt+C", [&](ProgramWindow& w) { w.form->Translate(); altWith(Qt::Key_C)(w); }, "brb", 1, "", ""},
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
    std::vector<int> painted;
    const EventWatcher watcher(w.form->ccrpProgressBar1, QEvent::Paint, [&] { painted.push_back(w.form->ccrpProgressBar1->value()); });
    w.form->Text1->setText("brb");
    w.pressEnter();
    EXPECT_EQ(painted, (std::vector<int>{100, 0})) << "drawn at once, with no event handled meanwhile";
}

// While any button is held on a caption its face shows pressed, from the hidden holders start-up
// filled, not the skin files. A release away runs nothing; a middle click runs no command.
TEST(Form1Commands, CaptionFacesShowPressedWhileAnyButtonIsHeldAndOnlyLeftOrRightRunTheCommand)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        for (const bool translate : {true, false}) {
            SCOPED_TRACE(std::to_string(button) + (translate ? " Translate" : " Clear"));
            ProgramWindow w;
            Label* caption = translate ? w.form->Label3 : w.form->Label2;
            Image* face = translate ? w.form->imgApply : w.form->imgVerify;
            const QImage up = w.form->invup->picture().toImage();
            const QImage down = w.form->invdown->picture().toImage();
            ASSERT_NE(up, down);
            w.writeSkin(Skin::CaptionFace.released.name, encodedPicture({73, 17}, Qt::red));
            w.writeSkin(Skin::CaptionFace.pressed.name, encodedPicture({73, 17}, Qt::green));
            w.form->Text1->setText("brb");
            ProgramWindow::press(caption, button);
            EXPECT_EQ(face->picture().toImage(), down);
            w.mouseAt(QTest::MouseRelease, {150, 60}, button); // over the input box
            EXPECT_EQ(face->picture().toImage(), up);
            EXPECT_EQ(w.form->Text1->text(), "brb") << "released away";
            ProgramWindow::press(caption, button);
            EXPECT_EQ(face->picture().toImage(), down);
            ProgramWindow::release(caption, button);
            EXPECT_EQ(face->picture().toImage(), up) << "and the holders are as they were";
            const bool runs = button != Qt::MiddleButton;
            EXPECT_EQ(w.form->Text1->text(), runs ? (translate ? "brb " : "") : "brb");
        }
    }
}

} // namespace
