#include "aboutopening.h"

#include "programwindow.h"

#include <QDir>

#include <gtest/gtest.h>

void expectAboutWindowFaultReportedAndRetried(const Damage& damage, const QString& relative, const QByteArray& sound)
{
    SCOPED_TRACE(relative.toStdString());
    ProgramWindow w;
    const QString path = w.file(relative);
    inflict(damage, path);
    const QString typed = QStringLiteral("half a message, brb");
    w.form->Text1->setText(typed);

    ProgramWindow::click(w.form->imgI);

    EXPECT_EQ(ProgramWindow::openAboutWindow(), nullptr) << "a window that failed to load is not shown";
    ASSERT_EQ(w.platform.errors.size(), 1);
    const QString report = w.platform.errors.front();
    EXPECT_TRUE(report.contains(QDir::toNativeSeparators(path))) << report.toStdString();
    EXPECT_TRUE(report.contains(damage.fault)) << report.toStdString();
    EXPECT_TRUE(w.platform.callsNamed("ExitProcess").empty());
    EXPECT_TRUE(w.form->isVisible()) << "the main window goes on";
    EXPECT_EQ(w.form->Text1->text(), typed) << "what the user typed is kept";
    w.form->Text1->setText("brb");
    w.pressEnter();
    EXPECT_EQ(w.form->Text2->text(), "be right back");

    mend(path, sound);
    ProgramWindow::click(w.form->imgI);
    EXPECT_NE(ProgramWindow::openAboutWindow(), nullptr) << "the next opening tries again";
    EXPECT_EQ(w.platform.errors.size(), 1);
}
