// A Fader on the real Qt platform layer: the alpha shows as the window's opacity.
#include "fader/fader.h"
#include "platform/qtplatform.h"
#include "platform/windowhandles.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform warns at every opacity it is given (and keeps it all the same).
void quietOpacityWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("does not support setting window opacity")))
        previousHandler(type, context, message);
}

} // namespace

TEST(FaderOnQtPlatform, FadesTheWindowInUntilItIsOpaqueAgainAndOut)
{
    previousHandler = qInstallMessageHandler(quietOpacityWarnings);
    QtPlatform platform;
    QWidget window;
    window.show();
    const win32::HWND hwnd = WindowHandles::handleOf(&window);
    ASSERT_GE(platform.GetVersion() & 0xFF, 5u) << "offscreen keeps a window's opacity";

    auto* fader = new Fader(&window, platform, QStringLiteral("Fader1"));
    fader->load({{"fadeinspeed", 8}, {"fadeoutspeed", 8}});
    EXPECT_EQ(window.windowOpacity(), 0.0);
    EXPECT_TRUE(platform.GetWindowLongA(hwnd, win32::GWL_EXSTYLE) & win32::WS_EX_LAYERED);
    fader->FadeIn();
    EXPECT_EQ(window.windowOpacity(), 1.0);
    EXPECT_FALSE(platform.GetWindowLongA(hwnd, win32::GWL_EXSTYLE) & win32::WS_EX_LAYERED);
    fader->FadeOut(); // 253, 245, ... 5
    EXPECT_NEAR(window.windowOpacity(), 5 / 255.0, 1e-9);
    qInstallMessageHandler(previousHandler);
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
