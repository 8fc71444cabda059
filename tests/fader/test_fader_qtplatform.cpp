// A Fader on the real Qt platform layer: the alpha shows as the window's opacity.
#include "fader/fader.h"
#include "fader/faderdesign.h"
#include "platform/qtplatform.h"
#include "platform/windowhandles.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The offscreen platform warns at every opacity it is given (and keeps it all the same).
class QuietOpacityWarnings final {
public:
    QuietOpacityWarnings() { previous = qInstallMessageHandler(&QuietOpacityWarnings::handle); }
    ~QuietOpacityWarnings() { qInstallMessageHandler(previous); }
    QuietOpacityWarnings(const QuietOpacityWarnings&) = delete;
    QuietOpacityWarnings& operator=(const QuietOpacityWarnings&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (!message.contains(QLatin1String("does not support setting window opacity")))
            previous(type, context, message);
    }

    static inline QtMessageHandler previous = nullptr;
};

} // namespace

TEST(FaderOnQtPlatform, FadesTheWindowInUntilItIsOpaqueAgain)
{
    const QuietOpacityWarnings quiet;
    QtPlatform platform;
    QWidget window;
    window.show();
    const win32::HWND hwnd = WindowHandles::handleOf(&window);
    ASSERT_GE(platform.GetVersion() & 0xFF, 5u) << "offscreen keeps a window's opacity";

    auto* fader = new Fader(&window, platform, QStringLiteral("Fader1"));
    fader->load(FaderDesign::windowSettings());
    fader->setFadeInSpeed(8);
    fader->setFadeOutSpeed(8);
    EXPECT_EQ(window.windowOpacity(), 0.0);
    EXPECT_TRUE(platform.GetWindowLongA(hwnd, win32::GWL_EXSTYLE) & win32::WS_EX_LAYERED);

    fader->FadeIn();
    EXPECT_EQ(window.windowOpacity(), 1.0);
    EXPECT_FALSE(platform.GetWindowLongA(hwnd, win32::GWL_EXSTYLE) & win32::WS_EX_LAYERED);

    fader->FadeOut(); // 253, 245, ... 5
    EXPECT_NEAR(window.windowOpacity(), 5 / 255.0, 1e-9);
}

TEST(QtPlatformWindow, AlphaReachesOnlyLayeredWindows)
{
    QtPlatform platform;
    QWidget window;
    const win32::HWND hwnd = WindowHandles::handleOf(&window);
    platform.SetWindowLongA(hwnd, win32::GWL_EXSTYLE, 0x100);

    EXPECT_EQ(platform.SetLayeredWindowAttributes(hwnd, 0, 128, win32::LWA_ALPHA), 0);
    EXPECT_EQ(window.windowOpacity(), 1.0);

    EXPECT_EQ(platform.SetWindowLongA(hwnd, win32::GWL_EXSTYLE, 0x100 | win32::WS_EX_LAYERED), 0x100);
    EXPECT_EQ(platform.SetLayeredWindowAttributes(hwnd, 0, 51, win32::LWA_ALPHA), 1);
    EXPECT_NEAR(window.windowOpacity(), 0.2, 1e-9);

    platform.SetWindowLongA(hwnd, win32::GWL_EXSTYLE, 0x100);
    EXPECT_EQ(window.windowOpacity(), 1.0);
    EXPECT_EQ(platform.GetWindowLongA(hwnd, win32::GWL_EXSTYLE), 0x100);
    EXPECT_EQ(platform.SetLayeredWindowAttributes(0, 0, 51, win32::LWA_ALPHA), 0) << "no such window";
}

TEST(QtPlatformWindow, DoEventsDeliversPostedEvents)
{
    QtPlatform platform;
    QWidget window;
    int delivered = 0;
    QMetaObject::invokeMethod(&window, [&] { ++delivered; }, Qt::QueuedConnection);
    platform.DoEvents();
    EXPECT_EQ(delivered, 1);
}
