#pragma once

#include <QImage>

// The emblem of the Verbolet Project on the about window: a small speech bubble with a short
// word behind a larger one with the word written out ("ab" grows into "abc"). It is painted on
// the about window's own colour and has no transparent pixels.
class EmblemPainter final {
public:
    static constexpr int size = 48;

    QImage paint() const;
};
