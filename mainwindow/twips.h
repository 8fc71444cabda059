#pragma once

// The main window's run-time heights and positions are in twips, 1/1440 inch: 15 to a
// pixel at 96 dots per inch. Pixels are whole, so twips round to the nearest pixel.
inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    const int half = TwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / TwipsPerPixel : -((-twips + half) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}
