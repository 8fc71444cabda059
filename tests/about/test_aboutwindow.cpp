#include "aboutfixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList LoadedFiles = {"Skins/Default/grad.skt", "Skins/Default/side.sks", "Skins/Default/xup.btn",
    "Skins/Default/bottom.skk", "Skins/Default/buttonidle.btn", "Skins/Default/buttonpush.btn", "OpenURL.cur"};

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            shown << window;
    return shown;
}

TEST(AboutWindow, IsCreatedAtTheFirstOpeningAndNotBefore)
{
    AboutFixture f;
    EXPECT_EQ(f.about->form(), nullptr);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{f.mainWindow.get()});
    Form2& form = f.openAbout();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isActiveWindow());
}

TEST(AboutWindow, LaterOpeningsShowTheSameWindowWithoutLoadingItAgain)
{
    AboutFixture f;
    Form2& form = f.openAbout();
    // Were anything but the close button's faces read again, it would fail now.
    for (const QString& file : LoadedFiles)
        if (!file.endsWith("xup.btn"))
            QFile::remove(f.folder.path() + "/" + file);

    f.about->open(); // while it is open
    EXPECT_EQ(f.about->form(), &form);
    AboutFixture::click(&form, AboutFixture::centreOf(form.imgX));
    ASSERT_FALSE(form.isVisible());

    f.mainWindow->activateWindow();
    (void)QTest::qWaitForWindowActive(f.mainWindow.get());
    f.platform.clear();
    Form2& again = f.openAbout();
    EXPECT_EQ(&again, &form);
    EXPECT_TRUE(again.isVisible());
    EXPECT_TRUE(again.isActiveWindow());
    EXPECT_TRUE(f.platform.errors.isEmpty()) << f.platform.errors.join("\n").toStdString();
    const std::vector<int> alphas = f.platform.alphas(again.hwnd());
    ASSERT_FALSE(alphas.empty());
    EXPECT_EQ(alphas.back(), 253) << "the reopened window fades in";
}

TEST(AboutWindow, AFailedLoadIsReportedShowsNothingAndTheNextOpeningTriesAgain)
{
    for (const QString& file : LoadedFiles) {
        for (const bool damaged : {false, true}) {
            const std::string what = file.toStdString() + (damaged ? " damaged" : " missing");
            AboutFixture f;
            const QRect mainPlace = f.mainWindow->geometry();
            const QString path = f.folder.path() + "/" + file;
            if (damaged)
                f.folder.write(file, "not a picture");
            else
                QFile::remove(path);

            f.about->open();

            ASSERT_EQ(f.platform.errors.size(), 1) << what;
            EXPECT_TRUE(f.platform.errors.first().contains(QDir::toNativeSeparators(path))) << what;
            EXPECT_EQ(f.about->form(), nullptr) << what;
            EXPECT_EQ(visibleWindows(), QList<QWidget*>{f.mainWindow.get()}) << what;
            EXPECT_EQ(f.mainWindow->geometry(), mainPlace) << what;
            EXPECT_TRUE(f.platform.callsNamed("ExitProcess").empty()) << what;

            f.folder.copyProgramData();
            f.about->open();
            ASSERT_NE(f.about->form(), nullptr) << what;
            EXPECT_TRUE(f.about->form()->isVisible()) << what;
            EXPECT_EQ(f.platform.errors.size(), 1) << what;
        }
    }
}

} // namespace
