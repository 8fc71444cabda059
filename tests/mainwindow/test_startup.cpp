// Start-up, the activation fade, the clock and what the started window looks like.
#include "programwindow.h"

#include "mainwindow/clocktext.h"
#include "platform/extendedstyle.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `atShow` when the window receives its Show event, in the middle of start-up.
struct ShowWatcher final : QObject {
    std::function<void()> atShow;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            atShow();
        return false;
    }
};

std::vector<const Image*> skinnedImages(const Form1& f)
{
    return {f.img_, f.imgTop, f.imgVerify, f.imgApply, f.imgLeft, f.imgRight, f.imgX, f.imgBottom, f.imgI, f.ImgH,
        f.invup, f.invdown};
}

TEST(StartUp, MovesTheTrayBoxAddsTheIconShowsTheWindowThenStartsTheClockAndLoadsTheSkin)
{
    ProgramWindow w(ProgramWindow::Start::Later);
    Form1& form = *w.form;
    constexpr int TrayIconTop = 292; // (3375 + 1000) twips
    struct {
        bool seen = false;
        int trayIconTop = 0;
        std::vector<std::string> iconCalls;
        int clockInterval = -1;
        QString date;
        QString fullHeight;
        bool anyPicture = true;
    } atShow;
    ShowWatcher watcher;
    watcher.atShow = [&] {
        atShow = {true, form.TrayIcon->y(), w.platform.callsNamed("Shell_NotifyIconA"), form.Timer1->interval(),
            form.LblDate->caption(), form.fullHeight(), !form.img_->picture().isNull()};
    };
    form.installEventFilter(&watcher);
    EXPECT_EQ(form.Timer1->interval(), 0) << "the clock does not tick before start-up";

    const QDate before = QDate::currentDate();
    w.start();
    const QDate after = QDate::currentDate();

    ASSERT_TRUE(atShow.seen);
    EXPECT_EQ(atShow.trayIconTop, TrayIconTop) << "TrayIcon is moved first";
    EXPECT_EQ(atShow.iconCalls, std::vector<std::string>{"Shell_NotifyIconA(0, TrayIcon)"}) << "the icon is added before";
    EXPECT_EQ(atShow.clockInterval, 0) << "the clock starts after the window is shown";
    EXPECT_EQ(atShow.date, "Date");
    EXPECT_EQ(atShow.fullHeight, "");
    EXPECT_FALSE(atShow.anyPicture);

    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.frameGeometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    EXPECT_EQ(form.TrayIcon->geometry(), QRect(32, TrayIconTop, 20, 20)) << "only its top changes";
    EXPECT_GT(form.Timer1->interval(), 0);
    EXPECT_TRUE(form.LblDate->caption() == ClockText::date(before) || form.LblDate->caption() == ClockText::date(after));
    EXPECT_EQ(form.fullHeight(), "3375");
    for (const Image* image : skinnedImages(form))
        EXPECT_FALSE(image->picture().isNull()) << image->objectName().toStdString();
    EXPECT_TRUE(w.platform.errors.isEmpty());
}

TEST(StartUp, UnstretchedPicturesSizeTheirImagesAndTheTitleKeepsItsBox)
{
    ProgramWindow w(ProgramWindow::Start::Later);
    w.folder.write("Skins/Default/side.sks", encodedPicture({9, 300}));
    w.folder.write("Skins/Default/grad.skt", encodedPicture({10, 40}));
    w.folder.write("Skins/Default/xup.btn", encodedPicture({20, 12}));
    w.start();
    EXPECT_EQ(w.form->imgLeft->geometry(), QRect(0, 16, 9, 300)) << "a wider side grows to the right";
    EXPECT_EQ(w.form->imgRight->geometry(), QRect(307, 16, 9, 300));
    EXPECT_EQ(w.form->imgX->size(), QSize(20, 12));
    EXPECT_EQ(w.form->imgTop->geometry(), QRect(-24, 0, 273, 17)) << "the title keeps its box";
    EXPECT_EQ(w.form->imgTop->picture().size(), QSize(10, 40));
}

TEST(StartUp, EveryActivationHidesReadyAndFadesIn)
{
    ProgramWindow w(ProgramWindow::Start::Later);
    EXPECT_EQ(w.platform.alphas("Form1"), std::vector<int>{0}) << "transparent from its creation";

    w.form->lbReady->setVisible(true);
    w.start();
    std::vector<int> fadeIn{0};
    for (int alpha = 5; alpha <= 253; alpha += 4)
        fadeIn.push_back(alpha);
    EXPECT_EQ(w.platform.alphas("Form1"), fadeIn);
    EXPECT_EQ(ExtendedStyle::of(w.form.get()) & win32::WS_EX_LAYERED, 0) << "opaque once faded in";
    EXPECT_FALSE(w.form->lbReady->isVisible());

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    w.form->lbReady->setVisible(true);
    w.activate();
    fadeIn.push_back(253); // from where the last fade ended, one step
    EXPECT_EQ(w.platform.alphas("Form1"), fadeIn);
    EXPECT_FALSE(w.form->lbReady->isVisible());
}

TEST(StartUp, DrawsInTheClassicSchemeWithTextSizedInPixels)
{
    ProgramWindow w;
    const QImage shot = w.form->grab().toImage();
    EXPECT_EQ(shot.pixelColor(156, 112), QColor(212, 208, 200)) << "the window colour, between the two captions";
    for (const QWidget* element : std::initializer_list<const QWidget*>{w.form->Text1, w.form->Label4, w.form->lblLink})
        EXPECT_EQ(QFontInfo(element->font()).pixelSize(), 11) << element->objectName().toStdString();
}

TEST(Clock, TheFirstTickReplacesTimeAtOnceThenTheClockTicksWithTheSecond)
{
    ProgramWindow w(ProgramWindow::Start::Later);
    EXPECT_EQ(w.form->LblTime->caption(), "Time");
    int intervalAfterTick = 0;
    int millisecondAfterTick = 0;
    QObject::connect(w.form->Timer1, &Timer::Tick, [&] {
        intervalAfterTick = w.form->Timer1->interval();
        millisecondAfterTick = QTime::currentTime().msec();
    });
    w.form->load();
    EXPECT_EQ(w.form->Timer1->interval(), 1) << "the first tick comes at once";

    const QTime before = QTime::currentTime();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.form->LblTime->caption() != "Time"; }));
    const QTime after = QTime::currentTime();
    const QString caption = w.form->LblTime->caption();
    EXPECT_TRUE(caption == ClockText::time(before) || caption == ClockText::time(after)) << caption.toStdString();

    const int offBy = (millisecondAfterTick + intervalAfterTick) % 1000; // next tick due when the second changes
    EXPECT_LE(std::min(offBy, 1000 - offBy), 50) << intervalAfterTick << " ms after " << millisecondAfterTick;
    EXPECT_GE(intervalAfterTick, 1);
}

TEST(Clock, TimeFormsGetSecondsAfterTheirMinutes)
{
    const char* const cases[][2] = {
        {"HH:mm", "HH:mm:ss"}, {"h:mm AP", "h:mm:ss AP"}, {"AP h:mm", "AP h:mm:ss"}, {"HH.mm", "HH.mm.ss"},
        {"H:mm' Uhr'", "H:mm:ss' Uhr'"}, {"HH:mm:ss", "HH:mm:ss"}, {"h:mm:ss AP t", "h:mm:ss AP t"},
        {"HH 'h' mm", "HH 'h' mm:ss"}, {"HHmm", "HHmm:ss"}, {"'s'HH:mm", "'s'HH:mm:ss"},
    };
    for (const auto& [format, withSeconds] : cases)
        EXPECT_EQ(ClockText::withSeconds(format), withSeconds) << format;
    EXPECT_EQ(ClockText::time(QTime(20, 31, 50), QLocale(QLocale::German, QLocale::Germany)), "20:31:50");
}

} // namespace
