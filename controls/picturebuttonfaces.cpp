#include "controls/picturebuttonfaces.h"

#include "controls/image.h"
#include "controls/picturefile.h"
#include "platform/filefault.h"

PictureButtonFaces::PictureButtonFaces(win32::Platform& platform)
    : m_platform(platform)
{
}

void PictureButtonFaces::load(Image& button, const QString& faceFile)
{
    try {
        button.setPicture(LoadPicture(faceFile));
        m_reported.remove(faceFile);
    } catch (const FileFault& fault) {
        if (m_reported.contains(faceFile))
            return;
        m_reported.insert(faceFile);
        m_platform.ReportError(
            QStringLiteral("A button picture could not be loaded; the button keeps the picture it shows.\n\n%1")
                .arg(fault.message()));
    }
}
