#include "mainwindowfixture.h"

#include <QAccessible>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

TEST(Form1, IsAFramelessCentredWindowWithTheProgramIcon)
{
    MainWindow w;
    EXPECT_TRUE(w.form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.form->size(), QSize(313, 225));
    EXPECT_EQ(w.form->windowTitle(), "..::Verbolet::..");
    EXPECT_EQ(w.form->frameGeometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    const QList<QSize> sizes = w.form->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
    EXPECT_EQ(w.form->TrayIcon->picture().availableSizes(), sizes) << "the picture box holds the same icon";
}

TEST(Form1, TheProgramIconShowsWhatLiesBehindItsCorners)
{
    MainWindow w;
    for (const int size : {16, 32}) {
        const QImage icon = w.form->windowIcon().pixmap(size).toImage();
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(icon.pixelColor(0, size - 1).alpha(), 0) << size << ": the corner beside the stand";
        EXPECT_EQ(icon.pixelColor(size / 2, size / 2).alpha(), 255) << size << ": the screen";
    }
}

TEST(Form1, DrawsInTheClassicSchemeNotBlackOnBlack)
{
    MainWindow w;
    const QImage shot = w.form->grab().toImage();
    EXPECT_EQ(shot.pixelColor(156, 112), QColor(212, 208, 200)) << "the window colour, between the two captions";
    EXPECT_EQ(w.form->LblAdd->foreColor(), QColor(58, 110, 165));
    EXPECT_EQ(w.form->Label3->foreColor(), QColor(0, 0, 0));
}

TEST(Form1, TextIsSizedInPixelsSoTheLayoutHoldsOnAnyScreen)
{
    MainWindow w;
    for (const QWidget* element : {static_cast<QWidget*>(w.form->Text1), static_cast<QWidget*>(w.form->Label4),
             static_cast<QWidget*>(w.form->Label1), static_cast<QWidget*>(w.form->lblLink)})
        EXPECT_EQ(QFontInfo(element->font()).pixelSize(), 11) << element->objectName().toStdString();
}

TEST(Form1, TheWebLinkShowsTheStoredHand)
{
    MainWindow w;
    const QCursor hand = w.form->lblLink->cursor();
    EXPECT_EQ(hand.hotSpot(), QPoint(13, 5));
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
}

TEST(Form1, ElementsThatActHaveNamesForScreenReaders)
{
    MainWindow w;
    const struct {
        QWidget* element;
        const char* name;
        QAccessible::Role role;
    } cases[] = {
        {w.form->Text1, "Message", QAccessible::EditableText},
        {w.form->Text2, "Translation", QAccessible::EditableText},
        {w.form->Label3, "Translate", QAccessible::Button},
        {w.form->Label2, "Clear", QAccessible::Button},
        {w.form->ImgH, "Help", QAccessible::Button},
        {w.form->imgI, "About", QAccessible::Button},
        {w.form->img_, "Minimise", QAccessible::Button},
        {w.form->imgX, "Close", QAccessible::Button},
        {w.form->lblLink, "Web site", QAccessible::Link},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(c.element);
        ASSERT_NE(access, nullptr) << c.name;
        EXPECT_EQ(access->text(QAccessible::Name), c.name);
        EXPECT_EQ(access->role(), c.role) << c.name;
    }
}

TEST(Form1, HiddenElementsStayHidden)
{
    MainWindow w;
    for (const QWidget* element :
        {static_cast<QWidget*>(w.form->invup), static_cast<QWidget*>(w.form->invdown), static_cast<QWidget*>(w.form->lbReady)})
        EXPECT_FALSE(element->isVisible()) << element->objectName().toStdString();
}

} // namespace
