#include "skin/picturebuttonfaces.h"

#include "controls/image.h"
#include "controls/picturefile.h"
#include "datafiles/filefault.h"
#include "platform/faultreport.h"

#include <QTimer>

PictureButtonFaces::PictureButtonFaces(win32::Platform& platform, QObject* window)
    : m_platform(platform)
    , m_window(window)
{
}

void PictureButtonFaces::showPressed(Image& button, const QString& faceFile)
{
    load(button, faceFile);
}

// The click follows the release within the same event, so a report posted now comes after it.
void PictureButtonFaces::showReleased(Image& button, const QString& faceFile)
{
    load(button, faceFile);
    if (!m_held.isEmpty())
        QTimer::singleShot(0, m_window, [this] { reportHeldFaults(); });
}

void PictureButtonFaces::load(Image& button, const QString& faceFile)
{
    try {
        button.setPicture(LoadPicture(faceFile));
        m_reported.remove(faceFile);
    } catch (const FileFault& fault) {
        if (m_reported.value(faceFile) == fault.message())
            return;
        m_reported.insert(faceFile, fault.message());
        m_held << fault.message();
    }
}

void PictureButtonFaces::reportHeldFaults()
{
    const QStringList faults = std::exchange(m_held, {});
    for (const QString& fault : faults)
        ReportFault(m_platform, FaultConsequence::ButtonKeepsItsFace, fault);
}
