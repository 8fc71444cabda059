#pragma once

#include <QImage>
#include <QPoint>

// The link pointer: a hand with the index finger pointing up, black outline, white fill, the
// rest transparent. The hot spot is the tip of the finger.
class HandCursor final {
public:
    static constexpr int size = 32;
    static constexpr QPoint hotspot{13, 5};

    QImage paint() const;
};
