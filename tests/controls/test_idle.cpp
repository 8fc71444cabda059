// What the elements do while nobody uses the window: the text box's caret comes to
// rest, and a change repaints only what it must.
#include "controls/image.h"
#include "controls/label.h"
#include "controls/textbox.h"
#include "testform.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

constexpr int FlashTime = 100; // ms: the caret is drawn and hidden every 50 ms
constexpr auto RestAfter = 200ms;
constexpr int WaitLimit = 5000;

// Runs a test with a flash time of its own and gives the application's back.
class FlashTimeForTheTest final {
public:
    FlashTimeForTheTest() { QApplication::setCursorFlashTime(FlashTime); }
    ~FlashTimeForTheTest() { QApplication::setCursorFlashTime(m_saved); }
    FlashTimeForTheTest(const FlashTimeForTheTest&) = delete;
    FlashTimeForTheTest& operator=(const FlashTimeForTheTest&) = delete;

private:
    int m_saved = QApplication::cursorFlashTime();
};

// Counts the paint events each watched widget gets, by object name.
class PaintLog final : public QObject {
public:
    void watch(QWidget* widget) { widget->installEventFilter(this); }
    void clear() { m_painted.clear(); }
    QSet<QString> painted() const { return QSet<QString>(m_painted.begin(), m_painted.end()); }
    qsizetype count(const QString& name) const { return m_painted.count(name); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted.append(watched->objectName());
        return false;
    }

private:
    QStringList m_painted;
};

std::vector<ElementRow<TestForm>> twoBoxes()
{
    const TextBoxDesign look{.backColor = Qt::white, .foreColor = Qt::black};
    return {
        {.layer = 1, .name = "Box", .box = {10, 10, 150, 24}, .look = look},
        {.layer = 2, .name = "Other", .box = {10, 50, 150, 24}, .look = look},
    };
}

// A shown and active window whose box "Box" has the focus and rests its caret soon.
struct FocusedBox {
    FlashTimeForTheTest flashTime;
    TestForm form{twoBoxes()};
    TextBox* box = form.element<TextBox>("Box");
    TextBox* other = form.element<TextBox>("Other");

    FocusedBox()
    {
        box->setCaretBlinkTimeout(RestAfter);
        other->setCaretBlinkTimeout(RestAfter);
        showAndWait(form);
        form.activateWindow();
        (void)QTest::qWaitForWindowActive(&form);
        box->setFocus();
    }

    bool waitForRest() { return QTest::qWaitFor([this] { return box->caretRests(); }, WaitLimit); }
};

// Black pixels inside the box's border: with no text, only the caret's.
int caretPixels(TextBox* box)
{
    constexpr int Border = 2;
    const QImage shot = box->grab().toImage();
    int dark = 0;
    for (int y = Border; y < shot.height() - Border; ++y)
        for (int x = Border; x < shot.width() - Border; ++x)
            dark += qGray(shot.pixel(x, y)) < 64;
    return dark;
}

TEST(TextBoxCaret, StopsBlinkingAfterTheTimeoutAndStaysShown)
{
    FocusedBox t;
    t.box->setCaretBlinkTimeout(TextBox::DefaultCaretBlinkTimeout);
    PaintLog paints;
    paints.watch(t.box);
    QTest::qWait(FlashTime * 3);
    EXPECT_FALSE(t.box->caretRests());
    EXPECT_GE(paints.count("Box"), 2) << "the caret blinks at first";

    t.box->setCaretBlinkTimeout(RestAfter);
    ASSERT_TRUE(t.waitForRest());
    EXPECT_EQ(QApplication::cursorFlashTime(), 0);
    QTest::qWait(10);
    paints.clear();
    QTest::qWait(FlashTime * 3);
    EXPECT_EQ(paints.count("Box"), 0) << "a resting caret is not redrawn";
    EXPECT_GT(caretPixels(t.box), 0) << "the caret stays shown";

    t.other->setFocus();
    EXPECT_EQ(caretPixels(t.box), 0) << "without the focus the box has no caret";
}

TEST(TextBoxCaret, InputSetsItBlinkingAgain)
{
    const struct {
        const char* input;
        std::function<void(TextBox*)> give;
    } rows[] = {
        {"a key", [](TextBox* box) { QTest::keyClick(box, Qt::Key_A); }},
        {"Backspace", [](TextBox* box) { QTest::keyClick(box, Qt::Key_Backspace); }},
        {"a key that moves the caret", [](TextBox* box) { QTest::keyClick(box, Qt::Key_Home); }},
        {"a click", [](TextBox* box) { QTest::mouseClick(box, Qt::LeftButton); }},
        {"a double-click", [](TextBox* box) { QTest::mouseDClick(box, Qt::LeftButton); }},
        {"a right-button press", [](TextBox* box) { QTest::mousePress(box, Qt::RightButton); }},
        {"a new text from the program", [](TextBox* box) { box->setText("translated"); }},
        {"the caret moved by the program", [](TextBox* box) { box->setCursorPosition(0); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.input);
        FocusedBox t;
        t.box->setText("some words");
        ASSERT_TRUE(t.waitForRest());
        row.give(t.box);
        EXPECT_FALSE(t.box->caretRests());
        EXPECT_EQ(QApplication::cursorFlashTime(), FlashTime);
        EXPECT_TRUE(t.waitForRest()) << "and it comes to rest again after the next quiet spell";
    }
}

TEST(TextBoxCaret, TheApplicationsFlashTimeComesBackWhenTheBoxLetsGo)
{
    const struct {
        const char* how;
        std::function<void(FocusedBox&)> letGo;
    } rows[] = {
        {"another box takes the focus", [](FocusedBox& t) { t.other->setFocus(); }},
        {"another window becomes active",
            [](FocusedBox&) {
                auto* window = new TestForm({});
                window->setAttribute(Qt::WA_DeleteOnClose);
                showAndWait(*window);
                window->activateWindow();
                (void)QTest::qWaitForWindowActive(window);
                window->close();
            }},
        {"the box is hidden", [](FocusedBox& t) { t.box->hide(); }},
        {"the box is disabled", [](FocusedBox& t) { t.box->setEnabled(false); }},
        {"the box is destroyed", [](FocusedBox& t) { delete t.box; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        FocusedBox t;
        ASSERT_TRUE(t.waitForRest());
        row.letGo(t);
        EXPECT_EQ(QApplication::cursorFlashTime(), FlashTime);
    }
}

TEST(TextBoxCaret, ABoxWithTheFocusElsewhereNeverRests)
{
    FocusedBox t;
    t.other->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.other->caretRests(); }, WaitLimit));
    EXPECT_FALSE(t.box->caretRests());
    t.box->setText("changed while the other box has the focus");
    EXPECT_TRUE(t.other->caretRests()) << "a change in a box without the focus wakes no caret";
}

TEST(TextBoxCaret, StaysStillWhereTheDesktopDoesNotBlinkAtAll)
{
    FocusedBox t;
    QApplication::setCursorFlashTime(0);
    QTest::qWait(int(RestAfter.count()) * 2);
    EXPECT_FALSE(t.box->caretRests());
    QTest::keyClick(t.box, Qt::Key_A);
    EXPECT_EQ(QApplication::cursorFlashTime(), 0) << "a key does not start a blinking the desktop turned off";
}

// The window's clock is an opaque label whose bottom row lies under the text box;
// a picture lies over part of another label.
std::vector<ElementRow<TestForm>> clockUnderABox()
{
    const QColor windowColor(212, 208, 200);
    return {
        {.layer = 1, .name = "Box", .box = {8, 40, 180, 57},
            .look = TextBoxDesign{.backColor = Qt::white, .foreColor = Qt::black}},
        {.layer = 2, .name = "Clock", .box = {120, 24, 65, 17},
            .look = LabelDesign{.caption = "10:00:00", .foreColor = Qt::blue, .backColor = windowColor}},
        {.layer = 3, .name = "Caption", .box = {8, 24, 65, 17}, .look = LabelDesign{.caption = "Date"}},
        {.layer = 4, .name = "Picture", .box = {8, 110, 60, 20}, .look = ImageDesign{.stretch = true}},
        {.layer = 5, .name = "Under", .box = {40, 115, 65, 17}, .look = LabelDesign{.caption = "under"}},
    };
}

TEST(Repaint, AChangeRepaintsOnlyWhatShowsIt)
{
    const struct {
        const char* change;
        std::function<void(TestForm&)> make;
        QSet<QString> painted;
    } rows[] = {
        {"the opaque clock ticks", [](TestForm& f) { f.element<Label>("Clock")->setCaption("10:00:01"); },
            {"Clock"}},
        {"a transparent label's caption changes", [](TestForm& f) { f.element<Label>("Caption")->setCaption("Day"); },
            {"Form", "Caption"}},
        {"a label under a picture changes",
            [](TestForm& f) { f.element<Label>("Under")->setCaption("changed"); }, {"Form", "Under", "Picture"}},
        {"the text box is redrawn (its caret blinks)", [](TestForm& f) { f.element<TextBox>("Box")->update(); },
            {"Box"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.change);
        TestForm form(clockUnderABox());
        form.setObjectName("Form");
        QPixmap picture(4, 4);
        picture.fill(Qt::red);
        form.element<Image>("Picture")->setPicture(picture);
        PaintLog paints;
        paints.watch(&form);
        for (QWidget* element : form.findChildren<QWidget*>())
            paints.watch(element);
        showAndWait(form);
        QTest::qWait(50);
        paints.clear();
        row.make(form);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !paints.painted().isEmpty(); }, WaitLimit));
        EXPECT_EQ(paints.painted(), row.painted);
    }
}

// The style rounds the box's corners; there the window's colour shows, as it did
// when the window was drawn under the box, rather than whatever was drawn there before.
TEST(Repaint, AnOpaqueTextBoxShowsTheWindowsColourAtItsCorners)
{
    TestForm form(clockUnderABox());
    auto* box = form.element<TextBox>("Box");
    showAndWait(form);
    box->clearFocus();
    QImage expected(box->size(), QImage::Format_RGB32);
    expected.fill(form.palette().color(QPalette::Window));
    {
        QLineEdit plain(&form);
        plain.setGeometry(box->geometry());
        plain.setPalette(box->palette());
        QPainter painter(&expected);
        plain.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    QTest::qWait(50); // the window is drawn again without the box's focus
    const QRect area = box->geometry();
    const QImage drawn = form.screen()
                             ->grabWindow(form.winId(), area.x(), area.y(), area.width(), area.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const int right = box->width() - 3;
    const int bottom = box->height() - 3;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        const QRect patch(corner, QSize(3, 3));
        EXPECT_EQ(drawn.copy(patch), expected.copy(patch)) << "corner at " << corner.x() << "," << corner.y();
    }
}

} // namespace
