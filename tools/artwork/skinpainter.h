#pragma once

#include <QImage>
#include <QSize>

// The frame pieces of the Default skin: title bar, side and bottom borders and the faces of the
// caption buttons. Each piece has the size the windows' layout expects.
class SkinPainter final {
public:
    static constexpr QSize titleBarSize{273, 17};
    static constexpr QSize sideSize{5, 209};
    static constexpr QSize bottomSize{313, 9};
    static constexpr QSize captionFaceSize{73, 17};

    QImage titleBar() const;
    QImage side() const;
    QImage bottom() const;
    QImage captionFace(bool pressed) const;
};
