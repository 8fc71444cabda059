#pragma once

#include "controls/form.h"
#include "fader/fader.h"
#include "platform/win32.h"
#include "skin/picturebuttonfaces.h"
#include "skin/skinfiles.h"

#include <QString>

#include <initializer_list>
#include <utility>

class Image;

// A frameless window dressed in the skin, as both of the program's windows are: it fades in
// and out through its Fader1 (loaded with the settings both windows keep: speed 4 each way),
// reads its pictures from the skin folder of the program folder, and reads its picture
// buttons' faces afresh at every press and release.
class SkinnedWindow : public Form {
    Q_OBJECT
public:
    Fader* const Fader1;

    // The folder of the dictionary, the skin and the other data files, without a trailing separator.
    const QString& programFolder() const { return m_programFolder; }

protected:
    SkinnedWindow(win32::Platform& platform, QString programFolder, const WindowDesign& design);

    win32::Platform& platform() const { return m_platform; }

    // The path of a data file given as "\SMS.dic", "\Read Me.htm", ...
    QString programFile(const QString& relative) const;
    QString skinFile(const SkinFile& file) const;

    // Loads each picture into its image, in the order given. Throws FileFault at the first
    // file that is missing or cannot be read.
    void loadSkin(std::initializer_list<std::pair<Image*, SkinFile>> pictures) const;

    void showPressedFace(Image& button, const ButtonFaces& faces);
    void showReleasedFace(Image& button, const ButtonFaces& faces);

private:
    win32::Platform& m_platform;
    QString m_programFolder;
    PictureButtonFaces m_faces{m_platform, this};
};
