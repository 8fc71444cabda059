#include "mainwindowfixture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QStyleHints>
#include <QTest>

namespace {

// Each press comes as if after a pause, so that it is never taken for the second press
// of a double-click, even after a test whose release never returned (its handler ended
// the program) and so left QTest's clock where it was.
int afterAPause()
{
    return QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1;
}

} // namespace

QByteArray testDictionary(const Entries& entries)
{
    QByteArray content;
    for (const auto& [abbreviation, expansion] : entries)
        content += abbreviation + '\t' + expansion + "\r\n";
    for (auto line = entries.size(); line < 1622; ++line)
        content += "zzunused" + QByteArray::number(qulonglong(line)) + "\tnever typed\r\n";
    return content;
}

QByteArray pngPicture(QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

MainWindow::MainWindow(Start when)
{
    folder.copyProgramData();
    useDictionary(testDictionary(SampleEntries));
    form = std::make_unique<Form1>(platform, folder.path());
    if (when == Start::Now)
        start();
}

void MainWindow::start()
{
    form->show();
    (void)QTest::qWaitForWindowExposed(form.get());
    activate();
}

void MainWindow::activate()
{
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());
}

void MainWindow::useDictionary(const QByteArray& content) const
{
    folder.write("SMS.dic", content);
}

QString MainWindow::skinFile(const QString& name) const
{
    return folder.path() + "/Skins/Default/" + name;
}

void MainWindow::click(QPoint at, Qt::MouseButton button)
{
    QTest::mouseClick(form->windowHandle(), button, {}, at, afterAPause());
}

void MainWindow::press(QPoint at, Qt::MouseButton button)
{
    QTest::mousePress(form->windowHandle(), button, {}, at, afterAPause());
}

void MainWindow::release(QPoint at, Qt::MouseButton button)
{
    QTest::mouseRelease(form->windowHandle(), button, {}, at, afterAPause());
}

void MainWindow::doubleClick(QPoint at, Qt::MouseButton button)
{
    QTest::mouseDClick(form->windowHandle(), button, {}, at, afterAPause());
}

QPoint MainWindow::centreOf(const QWidget* element)
{
    return element->geometry().center();
}
