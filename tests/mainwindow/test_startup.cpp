#include "mainwindowfixture.h"

#include "controls/picturefile.h"
#include "mainwindow/clocktext.h"
#include "mainwindow/twips.h"
#include "mainwindow/uncaughterror.h"
#include "platform/filefault.h"
#include "platform/windowhandles.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTime>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The elements of the twelve pictures, in the order start-up loads them, with their files.
struct SkinPicture {
    Image* const Form1::*element;
    const char* file;
};

const SkinPicture StartUpPictures[] = {
    {&Form1::img_, "_up.btn"},
    {&Form1::imgTop, "grad.skt"},
    {&Form1::imgVerify, "buttonidle.btn"},
    {&Form1::imgApply, "buttonidle.btn"},
    {&Form1::imgLeft, "side.sks"},
    {&Form1::imgRight, "side.sks"},
    {&Form1::imgX, "xup.btn"},
    {&Form1::imgBottom, "bottom.skk"},
    {&Form1::imgI, "iup.btn"},
    {&Form1::ImgH, "hup.btn"},
    {&Form1::invup, "buttonidle.btn"},
    {&Form1::invdown, "buttonpush.btn"},
};

constexpr int TrayIconTop = 292; // (3375 + 1000) twips

// Runs `atShow` when the window receives its Show event, in the middle of start-up.
class ShowWatcher final : public QObject {
public:
    ShowWatcher(QWidget* window, std::function<void()> atShow)
        : m_atShow(std::move(atShow))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            m_atShow();
        return false;
    }

private:
    std::function<void()> m_atShow;
};

bool holdsPicture(const Form1& form, const SkinPicture& picture)
{
    return !(form.*picture.element)->picture().isNull();
}

TEST(StartUp, MovesTheTrayBoxAddsTheIconShowsTheWindowThenStartsTheClockAndLoadsTheSkin)
{
    MainWindow w(MainWindow::Start::Later);
    Form1& form = *w.form;
    struct {
        bool seen = false;
        int trayIconTop = 0;
        std::vector<std::string> iconCalls;
        int clockInterval = -1;
        QString date;
        QString fullHeight;
        bool anyPicture = true;
    } atShow;
    ShowWatcher watcher(&form, [&] {
        atShow = {true, form.TrayIcon->y(), w.platform.callsNamed("Shell_NotifyIconA"), form.Timer1->interval(),
            form.LblDate->caption(), form.fullHeight(), holdsPicture(form, StartUpPictures[0])};
    });
    EXPECT_EQ(form.Timer1->interval(), 0) << "the clock does not tick before start-up";

    const QDate before = QDate::currentDate();
    w.start();
    const QDate after = QDate::currentDate();

    ASSERT_TRUE(atShow.seen);
    EXPECT_EQ(atShow.trayIconTop, TrayIconTop) << "TrayIcon is moved first";
    EXPECT_EQ(atShow.iconCalls, std::vector<std::string>{"Shell_NotifyIconA(0)"}) << "the icon is added before";
    EXPECT_EQ(atShow.clockInterval, 0) << "the clock starts after the window is shown";
    EXPECT_EQ(atShow.date, "Date");
    EXPECT_EQ(atShow.fullHeight, "");
    EXPECT_FALSE(atShow.anyPicture);

    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.TrayIcon->geometry(), QRect(32, TrayIconTop, 20, 20)) << "only its top changes";
    EXPECT_GT(form.Timer1->interval(), 0);
    EXPECT_TRUE(form.LblDate->caption() == ClockText::date(before) || form.LblDate->caption() == ClockText::date(after));
    EXPECT_EQ(form.fullHeight(), "3375");
    for (const SkinPicture& picture : StartUpPictures)
        EXPECT_TRUE(holdsPicture(form, picture)) << picture.file;
    EXPECT_TRUE(w.platform.errors.isEmpty());
}

TEST(StartUp, UnstretchedPicturesSizeTheirImagesAndTheTitleKeepsItsBox)
{
    MainWindow w(MainWindow::Start::Later);
    w.folder.write("Skins/Default/side.sks", pngPicture({9, 300}));
    w.folder.write("Skins/Default/grad.skt", pngPicture({10, 40}));
    w.start();
    for (const SkinPicture& picture : StartUpPictures) {
        const Image* image = w.form.get()->*picture.element;
        if (image->stretch())
            continue;
        EXPECT_EQ(image->size(), LoadPicture(w.skinFile(picture.file)).size()) << picture.file;
    }
    EXPECT_EQ(w.form->imgLeft->geometry(), QRect(0, 16, 9, 300)) << "a wider side grows to the right";
    EXPECT_EQ(w.form->imgRight->geometry(), QRect(307, 16, 9, 300));
    EXPECT_EQ(w.form->imgTop->geometry(), QRect(-24, 0, 273, 17)) << "the title keeps its box";
    EXPECT_EQ(w.form->imgTop->picture().size(), QSize(10, 40));
}

// A skin file that start-up cannot load ends it there: the pictures before it are in
// place, those after it are not, and everything before the skin has been done.
TEST(StartUp, AMissingOrDamagedSkinFileStopsStartUpAndIsReportedByName)
{
    const struct {
        const char* file;
        std::size_t firstMissing; // index into StartUpPictures
    } cases[] = {{"_up.btn", 0}, {"buttonidle.btn", 2}, {"side.sks", 4}, {"hup.btn", 9}, {"buttonpush.btn", 11}};
    for (const auto& c : cases) {
        for (const bool damaged : {false, true}) {
            SCOPED_TRACE(std::string(c.file) + (damaged ? " damaged" : " missing"));
            MainWindow w(MainWindow::Start::Later);
            const QString path = w.skinFile(c.file);
            if (damaged)
                w.folder.write(QString("Skins/Default/") + c.file, "not a picture");
            else
                QFile::remove(path);

            std::exception_ptr escaped;
            try {
                w.form->show();
            } catch (...) {
                escaped = std::current_exception();
            }
            ASSERT_TRUE(escaped);
            EXPECT_THROW(std::rethrow_exception(escaped), FileFault);
            for (std::size_t i = 0; i < std::size(StartUpPictures); ++i)
                EXPECT_EQ(holdsPicture(*w.form, StartUpPictures[i]), i < c.firstMissing) << StartUpPictures[i].file;
            EXPECT_EQ(w.platform.callsNamed("Shell_NotifyIconA").size(), 1u);
            EXPECT_GT(w.form->Timer1->interval(), 0);
            EXPECT_EQ(w.form->fullHeight(), "3375");

            // No handler catches it: the program reports it and ends.
            try {
                EndWithUncaughtError(w.platform, escaped);
            } catch (const ProgramEnded& ended) {
                EXPECT_EQ(ended.exitCode, 1u);
            }
            ASSERT_EQ(w.platform.errors.size(), 1);
            EXPECT_TRUE(w.platform.errors[0].contains(QDir::toNativeSeparators(path)));
            EXPECT_FALSE(w.form->isVisible()) << "the report is all that stays on screen";
        }
    }
}

TEST(StartUp, EveryActivationHidesReadyAndFadesIn)
{
    MainWindow w(MainWindow::Start::Later);
    const win32::HWND window = w.form->hwnd();
    EXPECT_EQ(w.platform.alphas(window), std::vector<int>{0}) << "transparent from its creation";

    w.form->lbReady->setVisible(true);
    w.start();
    std::vector<int> fadeIn{0};
    for (int alpha = 5; alpha <= 253; alpha += 4)
        fadeIn.push_back(alpha);
    EXPECT_EQ(w.platform.alphas(window), fadeIn);
    EXPECT_EQ(w.platform.extendedStyle(window) & win32::WS_EX_LAYERED, 0) << "opaque once faded in";
    EXPECT_FALSE(w.form->lbReady->isVisible());

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    w.form->lbReady->setVisible(true);
    w.activate();
    fadeIn.push_back(253); // from where the last fade ended, one step
    EXPECT_EQ(w.platform.alphas(window), fadeIn);
    EXPECT_FALSE(w.form->lbReady->isVisible());
}

TEST(Clock, TheFirstTickReplacesTimeAtOnceThenTheClockTicksWithTheSecond)
{
    MainWindow w(MainWindow::Start::Later);
    EXPECT_EQ(w.form->LblTime->caption(), "Time");
    int intervalAfterTick = 0;
    int millisecondAfterTick = 0;
    QObject::connect(w.form->Timer1, &Timer::Tick, [&] {
        intervalAfterTick = w.form->Timer1->interval();
        millisecondAfterTick = QTime::currentTime().msec();
    });
    w.form->show();
    EXPECT_EQ(w.form->Timer1->interval(), 1) << "the first tick comes at once";

    const QTime before = QTime::currentTime();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.form->LblTime->caption() != "Time"; }));
    const QTime after = QTime::currentTime();
    const QString caption = w.form->LblTime->caption();
    EXPECT_TRUE(caption == ClockText::time(before) || caption == ClockText::time(after)) << caption.toStdString();

    // The next tick is due when the second changes.
    const int offBy = (millisecondAfterTick + intervalAfterTick) % 1000;
    EXPECT_LE(std::min(offBy, 1000 - offBy), 50) << intervalAfterTick << " ms after " << millisecondAfterTick;
    EXPECT_GE(intervalAfterTick, 1);
}

TEST(Clock, TimeFormsGetSecondsAfterTheirMinutes)
{
    const struct {
        const char* format;
        const char* withSeconds;
    } cases[] = {
        {"HH:mm", "HH:mm:ss"},
        {"h:mm AP", "h:mm:ss AP"},
        {"AP h:mm", "AP h:mm:ss"},
        {"HH.mm", "HH.mm.ss"},
        {"H:mm' Uhr'", "H:mm:ss' Uhr'"},
        {"HH:mm:ss", "HH:mm:ss"},
        {"h:mm:ss AP t", "h:mm:ss AP t"},
        {"HH 'h' mm", "HH 'h' mm:ss"},
        {"HHmm", "HHmm:ss"},
        {"'s'HH:mm", "'s'HH:mm:ss"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClockText::withSeconds(c.format), c.withSeconds) << c.format;

    EXPECT_EQ(ClockText::time(QTime(20, 31, 50), QLocale(QLocale::German, QLocale::Germany)), "20:31:50");
    EXPECT_TRUE(ClockText::time(QTime(20, 31, 50), QLocale(QLocale::English, QLocale::UnitedStates)).startsWith("8:31:50"));
}

TEST(Twips, FifteenToAPixelRoundedToTheNearest)
{
    const struct {
        int twips;
        int pixels;
    } cases[] = {{3375, 225}, {255, 17}, {4375, 292}, {1000, 67}, {7, 0}, {8, 1}, {-8, -1}, {0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips;
    EXPECT_EQ(pixelsToTwips(225), 3375);
}

} // namespace
