#include "about/aboutwindow.h"

#include "about/form2.h"
#include "datafiles/filefault.h"
#include "platform/faultreport.h"

#include <QGuiApplication>
#include <QScreen>

AboutWindow::AboutWindow(win32::Platform& platform, QString programFolder, QWidget* mainWindow)
    : m_platform(platform)
    , m_programFolder(std::move(programFolder))
    , m_mainWindow(mainWindow)
{
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::open()
{
    if (!m_form) {
        m_form = createAndLoad();
        if (!m_form)
            return;
    }
    m_form->show();
    m_form->raise();
    m_form->activateWindow();
}

std::unique_ptr<Form2> AboutWindow::createAndLoad()
{
    auto form = std::make_unique<Form2>(m_platform, m_programFolder);
    centreOverMainWindow(*form);
    try {
        form->load();
        return form;
    } catch (const FileFault& fault) {
        form->hide();
        form.reset();
        ReportFault(m_platform, FaultConsequence::AboutWindowNotOpened, fault.message());
        return nullptr;
    }
}

void AboutWindow::centreOverMainWindow(Form2& form) const
{
    QRect over;
    if (m_mainWindow)
        over = m_mainWindow->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        over = screen->availableGeometry();
    if (over.isValid())
        form.move(over.center() - form.rect().center());
}
