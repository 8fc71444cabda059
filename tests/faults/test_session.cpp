// A day's use: 1000 translations, 100 openings of the about window, close. Resident memory stays
// flat and no widget is left over (LeakSanitizer takes one in Qt's list of widgets for in use).
// A program of its own, so that no other test's memory counts.

#include "programend.h"
#include "programwindow.h"

#include "controls/label.h"

#include <QApplication>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// AddressSanitizer holds freed memory back, so resident memory grows; there LeakSanitizer checks.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool QuarantinedMemory = true;
#elif defined(__has_feature)
constexpr bool QuarantinedMemory = __has_feature(address_sanitizer);
#else
constexpr bool QuarantinedMemory = false;
#endif

qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    const auto match = QRegularExpression("VmRSS:\\s*(\\d+) kB").match(status.open(QIODevice::ReadOnly) ? status.readAll() : "");
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

void translateAFreshMessage(ProgramWindow& w)
{
    ProgramWindow::click(w.form->Label2); // Clear
    w.form->Text1->setText(QStringLiteral("brb \U0001F600 LOL gr8, gr8 \u05e9\u05dc\u05d5\u05dd   brb"));
    w.pressEnter();
    ASSERT_EQ(w.form->Text2->text(), QStringLiteral("be right back \U0001F600 laughing out loud gr8, great \u05e9\u05dc\u05d5\u05dd be right back"));
}

void openAndCloseTheAboutWindow(ProgramWindow& w)
{
    Form2& about = w.openedAbout();
    ProgramWindow::click(about.imgX);
    ASSERT_FALSE(about.isVisible());
}

TEST(Session, ADayOfUseKeepsMemoryFlatAndEndsCleanly)
{
    ProgramWindow w;
    translateAFreshMessage(w);
    openAndCloseTheAboutWindow(w);
    const qint64 warmedUp = residentKilobytes();
    ASSERT_GT(warmedUp, 0);
    const qsizetype widgets = QApplication::allWidgets().size();
    for (int round = 0; round < 1000 && !HasFatalFailure(); ++round)
        translateAFreshMessage(w);
    for (int round = 0; round < 100 && !HasFatalFailure(); ++round)
        openAndCloseTheAboutWindow(w);

    const qint64 growth = residentKilobytes() - warmedUp;
    RecordProperty("resident_growth_kB", int(growth));
    if (!QuarantinedMemory) {
        EXPECT_LT(growth, 20 * 1024) << "resident memory grew by " << growth << " kB";
    }
    EXPECT_EQ(QApplication::allWidgets().size(), widgets) << "every window and element made was deleted again";
    EXPECT_TRUE(w.platform.errors.isEmpty()) << w.platform.errors.join('\n').toStdString();
    expectProgramEnds(w.platform, 0, [&] { ProgramWindow::click(w.form->imgX); });
}

} // namespace
