#pragma once

// The skin: the pictures in the folder "Skins\Default" beside the program, each by its file
// name and its role. Both windows, the artwork generator and the tests take the names from here.
// Any picture format will do; the format is recognised from the content, not the extension.

struct SkinFile {
    const char* name;
    const char* role;
};

// A picture button's two faces: shown at rest and while a mouse button is held on it.
struct ButtonFaces {
    SkinFile released;
    SkinFile pressed;
};

namespace Skin {

inline constexpr char Folder[] = "\\Skins\\Default\\";

inline constexpr SkinFile TitleBar{"grad.skt", "title bar background, stretched to the title bar"};
inline constexpr SkinFile Side{"side.sks", "left and right border (one picture for both sides)"};
inline constexpr SkinFile Bottom{"bottom.skk", "bottom border"};
inline constexpr ButtonFaces CloseButton{{"xup.btn", "close button, released"}, {"xdown.btn", "close button, pressed"}};
inline constexpr ButtonFaces MinimiseButton{{"_up.btn", "minimise button, released"},
    {"_down.btn", "minimise button, pressed"}};
inline constexpr ButtonFaces AboutButton{{"iup.btn", "about button, released"}, {"idown.btn", "about button, pressed"}};
inline constexpr ButtonFaces HelpButton{{"hup.btn", "help button, released"}, {"hdown.btn", "help button, pressed"}};
// The Translate and Clear captions' face, which the windows also hold in their hidden images
// invup and invdown.
inline constexpr ButtonFaces CaptionFace{{"buttonidle.btn", "face of a caption button, released"},
    {"buttonpush.btn", "face of a caption button, pressed"}};

inline constexpr SkinFile Files[] = {TitleBar, Side, Bottom, CloseButton.released, CloseButton.pressed,
    MinimiseButton.released, MinimiseButton.pressed, AboutButton.released, AboutButton.pressed, HelpButton.released,
    HelpButton.pressed, CaptionFace.released, CaptionFace.pressed};

} // namespace Skin
