// OpenURL.cur, the mail link's pointer, in every bad state: the report names the file and
// the fault; when the about window cannot load it, the window is not shown, the main window
// goes on, and the next opening tries again.

#include "aboutopening.h"
#include "controls/cursorfile.h"
#include "damage.h"
#include "platform/filefault.h"
#include "platform/programfolder.h"
#include "tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class BadCursor : public ::testing::TestWithParam<Damage> { };

TEST_P(BadCursor, LoadingItIsReportedByName)
{
    const Damage& damage = GetParam();
    SKIP_UNFELT_DAMAGE(damage);
    TempFolder folder;
    const QString path = ProgramFolder::join(folder.path(), "\\OpenURL.cur");
    inflict(damage, path);
    try {
        LoadCursorFile(path);
        ADD_FAILURE() << "the damaged file was taken";
    } catch (const FileFault& fault) {
        EXPECT_EQ(fault.path(), path);
        EXPECT_TRUE(fault.message().contains(QDir::toNativeSeparators(path))) << fault.message().toStdString();
        EXPECT_TRUE(fault.message().contains(damage.fault)) << fault.message().toStdString();
    }
}

TEST_P(BadCursor, OpeningTheAboutWindowReportsItAndTheMainWindowGoesOn)
{
    const Damage& damage = GetParam();
    SKIP_UNFELT_DAMAGE(damage);
    expectAboutWindowFaultReportedAndRetried(damage, "\\OpenURL.cur", soundCursor());
}

INSTANTIATE_TEST_SUITE_P(EveryState, BadCursor, ::testing::ValuesIn(cursorDamages()), DamageName());

} // namespace
