// The about window: its opening, fades, close button and mail link.
#include "programwindow.h"

#include "controls/systemcolors.h"

#include <QApplication>
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

std::vector<int> levels(int first, int last, int step)
{
    std::vector<int> out;
    for (int level = first; step > 0 ? level <= last : level >= last; level += step)
        out.push_back(level);
    return out;
}

TEST(AboutWindow, TheFirstOpeningLoadsItCentredOverTheMainWindowAndFadesItIn)
{
    ProgramWindow f;
    f.writeSkin("side.sks", encodedPicture({7, 150}, Qt::darkBlue));
    f.writeSkin("grad.skt", encodedPicture({10, 40}, Qt::darkBlue));
    EXPECT_EQ(f.form->aboutWindow().form(), nullptr) << "not made before";

    Form2& form = opened(f);
    EXPECT_TRUE(form.isActiveWindow());
    std::vector<int> fadeIn = levels(5, 253, 4);
    fadeIn.insert(fadeIn.begin(), 0); // transparent from its creation
    EXPECT_EQ(f.platform.alphas("Form2"), fadeIn);
    EXPECT_EQ(form.geometry().center(), f.form->geometry().center());
    EXPECT_EQ(form.parentWidget(), nullptr);
    EXPECT_TRUE(f.form->isEnabled()) << "not modal";
    EXPECT_EQ(form.imgTop->geometry(), QRect(0, 0, 297, 17)) << "the title keeps its box";
    EXPECT_EQ(form.imgLeft->geometry(), QRect(0, 16, 7, 150)) << "the sides grow from their top-left corners";
    EXPECT_EQ(form.imgRight->geometry(), QRect(307, 16, 7, 150));
    EXPECT_EQ(form.Label5->cursor().hotSpot(), QPoint(13, 5)) << "the delivered OpenURL.cur";
    EXPECT_EQ(form.LblVers->caption(), "Verbolet  v1.2.1");
    for (const QWidget* element : form.findChildren<QWidget*>())
        EXPECT_EQ(element->focusPolicy(), Qt::NoFocus) << element->objectName().toStdString();
}

// The pictures load in their order, then the pointer: with every file missing, each opening
// names the next one once the one before is back.
TEST(AboutWindow, LoadsItsPicturesAndThenThePointerInOrder)
{
    ProgramWindow f;
    const QString order[] = {"Skins/Default/grad.skt", "Skins/Default/side.sks", "Skins/Default/xup.btn",
        "Skins/Default/bottom.skk", "Skins/Default/buttonidle.btn", "Skins/Default/buttonpush.btn", "OpenURL.cur"};
    std::vector<QByteArray> kept;
    for (const QString& file : order) {
        QFile in(f.folder.path() + '/' + file);
        kept.push_back(in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray());
        QFile::remove(in.fileName());
    }
    for (std::size_t next = 0; next < std::size(order); ++next) {
        f.platform.errors.clear();
        EXPECT_EQ(f.openAbout(), nullptr);
        ASSERT_EQ(f.platform.errors.size(), 1);
        EXPECT_TRUE(f.platform.errors[0].contains(QFileInfo(order[next]).fileName())) << f.platform.errors[0].toStdString();
        f.folder.write(order[next], kept[next]);
    }
    EXPECT_NE(f.openAbout(), nullptr);
}

// Its close button and a close request from the desktop fade it out and hide it, leaving the
// main window alone; the next opening shows the same window without loading it again and
// fades it in from where the fade-out ended.
TEST(AboutWindow, ClosingFadesItOutAndHidesItAndTheNextOpeningShowsItAgainWithoutLoading)
{
    for (const bool byRequest : {false, true}) {
        SCOPED_TRACE(byRequest ? "close request" : "close button");
        ProgramWindow f;
        Form2& form = opened(f);
        const QPointer<Form2> alive(&form);
        const QRect mainPlace = f.form->geometry();
        ProgramWindow::click(form.Label5);
        ASSERT_EQ(form.Label5->foreColor(), QColor(0, 0, 0));
        for (const char* file : {"grad.skt", "side.sks", "bottom.skk", "buttonidle.btn", "buttonpush.btn"})
            QFile::remove(f.folder.path() + "/Skins/Default/" + file);
        QFile::remove(f.folder.path() + "/OpenURL.cur");
        ProgramWindow::click(f.form->imgI); // while it is open
        EXPECT_EQ(f.form->aboutWindow().form(), &form);
        f.platform.clear();

        byRequest ? (void)form.close() : ProgramWindow::click(form.imgX);
        EXPECT_EQ(f.platform.alphas("Form2"), levels(253, 1, -4));
        EXPECT_FALSE(form.isVisible());
        ASSERT_TRUE(alive) << "hidden, not destroyed";
        EXPECT_TRUE(f.form->isVisible());
        EXPECT_EQ(f.form->geometry(), mainPlace);
        for (const auto& call : f.platform.calls)
            EXPECT_TRUE(call.args.empty() || call.args[0] != "Form1") << call.text();

        f.activate();
        f.platform.clear();
        EXPECT_EQ(f.openAbout(), &form);
        EXPECT_TRUE(form.isActiveWindow());
        EXPECT_TRUE(f.platform.errors.isEmpty()) << f.platform.errors.join("\n").toStdString();
        EXPECT_EQ(f.platform.alphas("Form2"), levels(1, 253, 4)) << "from 1, where the fade-out ended";
        EXPECT_EQ(form.Label5->foreColor(), QColor(0, 0, 0)) << "the mail address stays black";
    }
}

TEST(AboutWindow, ItsTitleNeitherMovesNorRollsItUp)
{
    ProgramWindow f;
    Form2& form = opened(f);
    const QRect place = form.geometry();
    f.platform.clear();
    ProgramWindow::press(form.imgTop);
    ProgramWindow::mouse(QTest::MouseMove, form.Label4);
    ProgramWindow::releaseElsewhere(form.imgTop);
    ProgramWindow::doubleClick(form.imgTop);
    EXPECT_EQ(form.geometry(), place);
    EXPECT_TRUE(f.platform.callsNamed("SendMessageA").empty());
}

TEST(AboutWindow, TheCloseButtonReadsItsFacesAtEveryPressAndReleaseOfAnyButton)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        ProgramWindow f;
        Form2& form = opened(f);
        const QColor faces[][2] = {{Qt::red, Qt::darkRed}, {Qt::green, Qt::darkGreen}};
        for (const auto& [pressed, released] : faces) {
            f.writeSkin("xdown.btn", encodedPicture({17, 17}, pressed));
            f.writeSkin("xup.btn", encodedPicture({17, 17}, released));
            ProgramWindow::press(form.imgX, button);
            EXPECT_EQ(form.imgX->picture().toImage().pixelColor(8, 8), pressed) << button;
            ProgramWindow::releaseElsewhere(form.imgX, button);
            EXPECT_EQ(form.imgX->picture().toImage().pixelColor(8, 8), released) << button;
        }
        EXPECT_TRUE(form.isVisible()) << "no click away from the button";
        EXPECT_TRUE(f.reports().isEmpty());
    }
}

TEST(AboutWindow, TheMailLinkTurnsTealWhileHeldAndBlackOnReleaseForAnyButton)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        ProgramWindow f;
        Form2& form = opened(f);
        EXPECT_EQ(form.Label5->foreColor(), SystemColor(SystemColors::COLOR_HIGHLIGHT));
        ProgramWindow::press(form.Label5, button);
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
