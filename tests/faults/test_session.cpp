// A whole session, as a day's use: start, translate 1000 times, open and close the about
// window 100 times, close. The resident memory stays flat and no widget is left over; in
// the sanitizer build, LeakSanitizer checks at the end of this program that nothing leaked.
// (A widget that nobody deletes stays in Qt's list of all widgets, where LeakSanitizer sees
// it as in use, so the widgets are counted here.) It runs as a program of its own so that no
// other test's memory counts.

#include "programend.h"
#include "programwindow.h"

#include "controls/label.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

// AddressSanitizer holds freed memory back for a while to catch its use, so resident memory
// grows there by design; in that build LeakSanitizer does the checking.
#if defined(__SANITIZE_ADDRESS__)
#define VERBOLET_QUARANTINED_MEMORY 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VERBOLET_QUARANTINED_MEMORY 1
#endif
#endif
#ifndef VERBOLET_QUARANTINED_MEMORY
#define VERBOLET_QUARANTINED_MEMORY 0
#endif

namespace {

constexpr int Translations = 1000;
constexpr int AboutWindowOpenings = 100;
constexpr qint64 AllowedGrowthKilobytes = 20 * 1024;

const QString Message = QStringLiteral("brb \U0001F600 LOL gr8, gr8 \u05e9\u05dc\u05d5\u05dd   brb");
const QString Translation = QStringLiteral("be right back \U0001F600 laughing out loud gr8, great \u05e9\u05dc\u05d5\u05dd be right back");

qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto match = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

void translateAFreshMessage(ProgramWindow& w)
{
    ProgramWindow::click(w.form->Label2); // Clear
    w.form->Text1->setText(Message);
    w.pressEnter();
    ASSERT_EQ(w.form->Text2->text(), Translation);
}

void openAndCloseTheAboutWindow(ProgramWindow& w)
{
    Form2* about = w.openAbout();
    ASSERT_NE(about, nullptr);
    ProgramWindow::click(about->imgX);
    ASSERT_FALSE(about->isVisible());
}

TEST(Session, ADayOfUseKeepsMemoryFlatAndEndsCleanly)
{
    ProgramWindow w;
    translateAFreshMessage(w);
    openAndCloseTheAboutWindow(w);
    const qint64 warmedUp = residentKilobytes();
    ASSERT_GT(warmedUp, 0);
    const qsizetype widgets = QApplication::allWidgets().size();

    for (int round = 0; round < Translations && !HasFatalFailure(); ++round)
        translateAFreshMessage(w);
    for (int round = 0; round < AboutWindowOpenings && !HasFatalFailure(); ++round)
        openAndCloseTheAboutWindow(w);

    const qint64 growth = residentKilobytes() - warmedUp;
    RecordProperty("resident_growth_kB", int(growth));
    if (!VERBOLET_QUARANTINED_MEMORY) {
        EXPECT_LT(growth, AllowedGrowthKilobytes) << "resident memory grew by " << growth << " kB";
    }
    EXPECT_EQ(QApplication::allWidgets().size(), widgets) << "every window and element made was deleted again";
    EXPECT_TRUE(w.platform.errors.isEmpty()) << w.platform.errors.join('\n').toStdString();

    expectProgramEnds(w.platform, 0, [&] { ProgramWindow::click(w.form->imgX); });
}

} // namespace
