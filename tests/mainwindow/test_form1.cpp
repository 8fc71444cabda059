#include "mainwindowfixture.h"

#include "controls/picturefile.h"
#include "platform/filefault.h"

#include <QAccessible>
#include <QBuffer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

QByteArray png(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

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

TEST(Form1, SkinPicturesSizeTheirImagesExceptTheStretchedTitle)
{
    MainWindow w;
    const QString skin = w.folder.path() + "/Skins/Default/";
    EXPECT_EQ(w.form->imgTop->geometry(), QRect(-24, 0, 273, 17));
    EXPECT_EQ(w.form->imgLeft->size(), LoadPicture(skin + "side.sks").size());
    EXPECT_EQ(w.form->imgX->size(), LoadPicture(skin + "xup.btn").size());

    w.folder.write("Skins/Default/side.sks", png({9, 300}));
    w.folder.write("Skins/Default/grad.skt", png({10, 40}));
    w.form->LoadSkinPictures();
    EXPECT_EQ(w.form->imgLeft->geometry(), QRect(0, 16, 9, 300)) << "grows from its designed top-left corner";
    EXPECT_EQ(w.form->imgRight->geometry(), QRect(307, 16, 9, 300));
    EXPECT_EQ(w.form->imgTop->geometry(), QRect(-24, 0, 273, 17)) << "the title keeps its box";
}

TEST(Form1, AMissingOrDamagedSkinFileIsAFaultNamingIt)
{
    for (const char* file : {"xup.btn", "buttonpush.btn", "grad.skt"}) {
        for (const bool damaged : {false, true}) {
            MainWindow w;
            const QString path = w.folder.path() + "/Skins/Default/" + file;
            if (damaged)
                w.folder.write(QString("Skins/Default/") + file, "not a picture");
            else
                QFile::remove(path);
            try {
                w.form->LoadSkinPictures();
                ADD_FAILURE() << file << " was not missed";
            } catch (const FileFault& fault) {
                EXPECT_EQ(fault.path(), path);
                EXPECT_TRUE(fault.message().contains(file));
            }
        }
    }
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
    EXPECT_EQ(w.form->Timer1->interval(), 0) << "the clock does not tick before start-up";
}

} // namespace
