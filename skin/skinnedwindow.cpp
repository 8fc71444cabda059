#include "skin/skinnedwindow.h"

#include "controls/image.h"
#include "controls/picturefile.h"
#include "datafiles/programfolder.h"
#include "fader/faderdesign.h"

// From here on the window is layered and transparent until its first activation fades it in.
SkinnedWindow::SkinnedWindow(win32::Platform& platform, QString programFolder, const WindowDesign& design)
    : Form(design)
    , Fader1(new Fader(this, platform))
    , m_platform(platform)
    , m_programFolder(std::move(programFolder))
{
    Fader1->load(FaderDesign::windowSettings());
}

QString SkinnedWindow::programFile(const QString& relative) const
{
    return ProgramFolder::join(m_programFolder, relative);
}

QString SkinnedWindow::skinFile(const SkinFile& file) const
{
    return programFile(QLatin1String(Skin::Folder) + QLatin1String(file.name));
}

void SkinnedWindow::loadSkin(std::initializer_list<std::pair<Image*, SkinFile>> pictures) const
{
    for (const auto& [image, file] : pictures)
        image->setPicture(LoadPicture(skinFile(file)));
}

void SkinnedWindow::showPressedFace(Image& button, const ButtonFaces& faces)
{
    m_faces.showPressed(button, skinFile(faces.pressed));
}

void SkinnedWindow::showReleasedFace(Image& button, const ButtonFaces& faces)
{
    m_faces.showReleased(button, skinFile(faces.released));
}
