#include "mainwindowfixture.h"

#include <QTest>

QByteArray testDictionary(const Entries& entries)
{
    QByteArray content;
    for (const auto& [abbreviation, expansion] : entries)
        content += abbreviation + '\t' + expansion + "\r\n";
    for (auto line = entries.size(); line < 1622; ++line)
        content += "zzunused" + QByteArray::number(qulonglong(line)) + "\tnever typed\r\n";
    return content;
}

MainWindow::MainWindow()
{
    folder.copyProgramData();
    useDictionary(testDictionary(SampleEntries));
    form = std::make_unique<Form1>(platform, folder.path());
    form->LoadSkinPictures();
    form->show();
    (void)QTest::qWaitForWindowExposed(form.get());
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());
}

void MainWindow::useDictionary(const QByteArray& content) const
{
    folder.write("SMS.dic", content);
}

void MainWindow::click(QPoint at, Qt::MouseButton button)
{
    QTest::mouseClick(form->windowHandle(), button, {}, at);
}

void MainWindow::press(QPoint at, Qt::MouseButton button)
{
    QTest::mousePress(form->windowHandle(), button, {}, at);
}

void MainWindow::release(QPoint at, Qt::MouseButton button)
{
    QTest::mouseRelease(form->windowHandle(), button, {}, at);
}

QPoint MainWindow::centreOf(const QWidget* element)
{
    return element->geometry().center();
}
