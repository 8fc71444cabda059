#include "aboutfixture.h"

#include "controls/picturefile.h"
#include "controls/systemcolors.h"

#include <QBuffer>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray png(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

std::vector<int> steps(int from, int to, int by)
{
    std::vector<int> out;
    for (int alpha = from; by > 0 ? alpha <= to : alpha >= to; alpha += by)
        out.push_back(alpha);
    return out;
}

TEST(Form2, StartsTransparentAndFadesInWhenItBecomesActive)
{
    AboutFixture f;
    Form2 form(f.platform, f.folder.path());
    EXPECT_EQ(f.platform.alphas(form.hwnd()), std::vector<int>{0});
    EXPECT_EQ(form.Fader1->FadeInSpeed(), 4);
    EXPECT_EQ(form.Fader1->FadeOutSpeed(), 4);

    Form2& opened = f.openAbout();
    std::vector<int> expected{0};
    for (int alpha : steps(5, 253, 4))
        expected.push_back(alpha);
    EXPECT_EQ(f.platform.alphas(opened.hwnd()), expected);
}

TEST(Form2, LoadingSkinsTheFrameAndTheTitleKeepsItsBox)
{
    AboutFixture f;
    f.folder.write("Skins/Default/side.sks", png({7, 150}, Qt::darkBlue));
    f.folder.write("Skins/Default/grad.skt", png({10, 40}, Qt::darkBlue));
    Form2& form = f.openAbout();
    EXPECT_EQ(form.imgTop->geometry(), QRect(0, 0, 297, 17));
    EXPECT_EQ(form.imgLeft->geometry(), QRect(0, 16, 7, 150)) << "grows from its designed top-left corner";
    EXPECT_EQ(form.imgRight->geometry(), QRect(307, 16, 7, 150));
    for (const auto& [image, file] : {std::pair{form.imgX, "xup.btn"}, std::pair{form.imgBottom, "bottom.skk"},
             std::pair{form.invup, "buttonidle.btn"}, std::pair{form.invdown, "buttonpush.btn"}})
        EXPECT_EQ(image->picture().toImage(), LoadPicture(f.skinFile(file)).toImage()) << file;
}

TEST(Form2, TheCloseButtonReadsItsFacesAtEveryPressAndReleaseOfAnyButton)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        AboutFixture f;
        Form2& form = f.openAbout();
        const QPoint onX = AboutFixture::centreOf(form.imgX);
        const QColor faces[][2] = {{Qt::red, Qt::darkRed}, {Qt::green, Qt::darkGreen}};
        for (const auto& [pressed, released] : faces) {
            f.folder.write("Skins/Default/xdown.btn", png({17, 17}, pressed));
            f.folder.write("Skins/Default/xup.btn", png({17, 17}, released));
            AboutFixture::press(&form, onX, button);
            EXPECT_EQ(form.imgX->picture().toImage().pixelColor(8, 8), pressed);
            AboutFixture::release(&form, {150, 175}, button); // away from the button: no click
            EXPECT_EQ(form.imgX->picture().toImage().pixelColor(8, 8), released);
        }
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(f.platform.errors.isEmpty());
    }
}

TEST(Form2, AMissingFaceIsReportedOnceAndTheButtonKeepsItsFace)
{
    AboutFixture f;
    Form2& form = f.openAbout();
    const QImage released = form.imgX->picture().toImage();
    QFile::remove(f.skinFile("xdown.btn"));
    for (int press = 0; press < 2; ++press) {
        AboutFixture::press(&form, AboutFixture::centreOf(form.imgX));
        EXPECT_EQ(form.imgX->picture().toImage(), released);
        AboutFixture::release(&form, {150, 175});
    }
    ASSERT_EQ(f.platform.errors.size(), 1);
    EXPECT_TRUE(f.platform.errors.first().contains("xdown.btn"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(f.platform.callsNamed("ExitProcess").empty());
}

TEST(Form2, TheCloseButtonFadesOutAndHidesLeavingTheMainWindowAlone)
{
    AboutFixture f;
    Form2& form = f.openAbout();
    const QPointer<Form2> alive(&form);
    const QRect mainPlace = f.mainWindow->geometry();
    const win32::HWND mainHandle = f.mainWindow->hwnd();
    f.platform.clear();

    AboutFixture::click(&form, AboutFixture::centreOf(form.imgX));

    EXPECT_EQ(f.platform.alphas(form.hwnd()), steps(253, 0, -4));
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(alive) << "hidden, not destroyed";
    EXPECT_TRUE(f.mainWindow->isVisible());
    EXPECT_EQ(f.mainWindow->geometry(), mainPlace);
    for (const auto& call : f.platform.calls)
        EXPECT_TRUE(call.args.empty() || call.args[0] != std::to_string(mainHandle)) << call.text();
}

TEST(Form2, TheTitleBarNeitherMovesNorRollsUpTheWindow)
{
    AboutFixture f;
    Form2& form = f.openAbout();
    const QRect place = form.geometry();
    f.platform.clear();
    AboutFixture::press(&form, {100, 8});
    AboutFixture::release(&form, {100, 8});
    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, {100, 8});
    EXPECT_EQ(form.geometry(), place);
    EXPECT_TRUE(f.platform.callsNamed("ReleaseCapture").empty());
    EXPECT_TRUE(f.platform.callsNamed("SendMessageA").empty());
}

TEST(Form2, MailLinkTurnsTealWhileHeldAndBlackOnReleaseForAnyButton)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        AboutFixture f;
        Form2& form = f.openAbout();
        EXPECT_EQ(form.Label5->foreColor(), SystemColor(SystemColors::COLOR_HIGHLIGHT));
        AboutFixture::press(&form, AboutFixture::centreOf(form.Label5), button);
        EXPECT_EQ(form.Label5->foreColor(), QColor(0, 160, 160));
        AboutFixture::release(&form, {150, 20}, button);
        EXPECT_EQ(form.Label5->foreColor(), QColor(0, 0, 0));
        EXPECT_TRUE(f.platform.callsNamed("ShellExecuteA").empty()) << "released away from the address";
    }
}

TEST(Form2, TheMailLinkStaysBlackAcrossClosingAndReopening)
{
    AboutFixture f;
    Form2& form = f.openAbout();
    AboutFixture::click(&form, AboutFixture::centreOf(form.Label5));
    AboutFixture::click(&form, AboutFixture::centreOf(form.imgX));
    Form2& again = f.openAbout();
    EXPECT_EQ(&again, &form);
    EXPECT_EQ(again.Label5->foreColor(), QColor(0, 0, 0));
}

} // namespace
