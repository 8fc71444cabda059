// The about window: its opening, fades, close button and mail link.
#include "programwindow.h"

#include "controls/systemcolors.h"

#include <QBuffer>
#include <QFile>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

// Opens the about window; the test stops where it does not open.
Form2& opened(ProgramWindow& w)
{
    Form2* about = w.openAbout();
    if (!about)
        throw std::runtime_error("the about window did not open");
    return *about;
}

TEST(AboutWindow, TheFirstOpeningLoadsItCentredOverTheMainWindowAndFadesItIn)
{
    ProgramWindow f;
    f.folder.write("Skins/Default/side.sks", encodedPicture({7, 150}, Qt::darkBlue));
    f.folder.write("Skins/Default/grad.skt", encodedPicture({10, 40}, Qt::darkBlue));
    EXPECT_EQ(f.form->aboutWindow().form(), nullptr) << "not made before";

    Form2& form = opened(f);
    EXPECT_TRUE(form.isActiveWindow());
    std::vector<int> fadeIn{0};
    for (int alpha = 5; alpha <= 253; alpha += 4)
        fadeIn.push_back(alpha);
    EXPECT_EQ(f.platform.alphas("Form2"), fadeIn);
    EXPECT_EQ(form.geometry().center(), f.form->geometry().center());
    EXPECT_EQ(form.parentWidget(), nullptr);
    EXPECT_TRUE(f.form->isEnabled()) << "not modal";
    EXPECT_EQ(form.imgTop->geometry(), QRect(0, 0, 297, 17)) << "the title keeps its box";
    EXPECT_EQ(form.imgLeft->geometry(), QRect(0, 16, 7, 150)) << "the sides grow from their top-left corners";
    EXPECT_EQ(form.imgRight->geometry(), QRect(307, 16, 7, 150));
    EXPECT_EQ(form.Label5->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form.Label5->cursor().hotSpot(), QPoint(13, 5)) << "the delivered OpenURL.cur";
}

TEST(AboutWindow, CloseFadesItOutAndHidesItAndTheNextOpeningShowsItAgainWithoutLoading)
{
    ProgramWindow f;
    Form2& form = opened(f);
    const QPointer<Form2> alive(&form);
    const QRect mainPlace = f.form->geometry();
    for (const char* file : {"grad.skt", "side.sks", "bottom.skk", "buttonidle.btn", "buttonpush.btn"})
        QFile::remove(f.folder.path() + "/Skins/Default/" + file);
    QFile::remove(f.folder.path() + "/OpenURL.cur");
    ProgramWindow::click(f.form->imgI); // while it is open
    EXPECT_EQ(f.form->aboutWindow().form(), &form);
    f.platform.clear();

    ProgramWindow::mouse(QTest::MouseClick, form.imgX);
    std::vector<int> fadeOut;
    for (int alpha = 253; alpha >= 0; alpha -= 4)
        fadeOut.push_back(alpha);
    EXPECT_EQ(f.platform.alphas("Form2"), fadeOut);
    EXPECT_FALSE(form.isVisible());
    ASSERT_TRUE(alive) << "hidden, not destroyed";
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_EQ(f.form->geometry(), mainPlace);
    for (const auto& call : f.platform.calls)
        EXPECT_TRUE(call.args.empty() || call.args[0] != "Form1") << call.text();

    f.form->activateWindow();
    (void)QTest::qWaitForWindowActive(f.form.get());
    f.platform.clear();
    EXPECT_EQ(f.openAbout(), &form);
    EXPECT_TRUE(form.isActiveWindow());
    EXPECT_TRUE(f.platform.errors.isEmpty()) << f.platform.errors.join("\n").toStdString();
    const std::vector<int> alphas = f.platform.alphas("Form2");
    ASSERT_GT(alphas.size(), 1u);
    EXPECT_EQ(alphas.back(), 253) << "the reopened window fades in";
}

TEST(AboutWindow, TheCloseButtonReadsItsFacesAtEveryPressAndReleaseOfAnyButton)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        ProgramWindow f;
        Form2& form = opened(f);
        const QColor faces[][2] = {{Qt::red, Qt::darkRed}, {Qt::green, Qt::darkGreen}};
        for (const auto& [pressed, released] : faces) {
            f.folder.write("Skins/Default/xdown.btn", encodedPicture({17, 17}, pressed));
            f.folder.write("Skins/Default/xup.btn", encodedPicture({17, 17}, released));
            ProgramWindow::mouse(QTest::MousePress, form.imgX, button);
            EXPECT_EQ(form.imgX->picture().toImage().pixelColor(8, 8), pressed) << button;
            ProgramWindow::releaseElsewhere(form.imgX, button);
            EXPECT_EQ(form.imgX->picture().toImage().pixelColor(8, 8), released) << button;
        }
        EXPECT_TRUE(form.isVisible()) << "no click away from the button";
        EXPECT_TRUE(f.platform.errors.isEmpty());
    }
}

TEST(AboutWindow, TheMailLinkTurnsTealWhileHeldAndBlackOnReleaseForAnyButton)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        ProgramWindow f;
        Form2& form = opened(f);
        EXPECT_EQ(form.Label5->foreColor(), SystemColor(SystemColors::COLOR_HIGHLIGHT));
        ProgramWindow::mouse(QTest::MousePress, form.Label5, button);
        EXPECT_EQ(form.Label5->foreColor(), QColor(0, 160, 160)) << button;
        ProgramWindow::releaseElsewhere(form.Label5, button);
        EXPECT_EQ(form.Label5->foreColor(), QColor(0, 0, 0)) << button;
        EXPECT_TRUE(f.platform.callsNamed("ShellExecuteA").empty()) << "released away from the address";
    }
}

TEST(AboutWindow, EveryCaptionIsSeenWholeEvenInASubstituteFont)
{
    ProgramWindow f;
    Form2 form(f.platform, f.folder.path());
    for (const Label* label : form.findChildren<Label*>()) {
        const QRect needed = QFontMetrics(label->drawnFont())
                                 .boundingRect(label->rect(), Qt::AlignTop | Qt::TextWordWrap, label->caption());
        EXPECT_TRUE(label->rect().contains(needed)) << label->objectName().toStdString();
    }
}

} // namespace
