#include "palette.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <vector>

namespace {

struct Swatch {
    std::array<int, 3> channels{};
    int count = 0;
};

using Box = std::vector<Swatch>;

std::vector<Swatch> swatchesOf(const QImage& image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb pixel = image.pixel(x, y); qAlpha(pixel) >= 128)
                ++counts[pixel | 0xff000000u];
    std::vector<Swatch> swatches;
    for (const auto& [colour, count] : counts)
        swatches.push_back({{qRed(colour), qGreen(colour), qBlue(colour)}, count});
    return swatches;
}

int widestChannel(const Box& box, int& range)
{
    int best = 0;
    range = -1;
    for (int channel = 0; channel < 3; ++channel) {
        const auto [low, high] = std::minmax_element(box.begin(), box.end(), [channel](const Swatch& a, const Swatch& b) {
            return a.channels.at(channel) < b.channels.at(channel);
        });
        if (const int spread = high->channels.at(channel) - low->channels.at(channel); spread > range) {
            range = spread;
            best = channel;
        }
    }
    return best;
}

// Splits the box with the widest spread at the median of its pixels along that spread.
bool splitWidest(std::vector<Box>& boxes)
{
    size_t chosen = boxes.size();
    int chosenRange = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
        int range = 0;
        widestChannel(boxes[i], range);
        if (boxes[i].size() > 1 && range > chosenRange) {
            chosenRange = range;
            chosen = i;
        }
    }
    if (chosen == boxes.size())
        return false;
    Box& box = boxes[chosen];
    int range = 0;
    const int channel = widestChannel(box, range);
    std::sort(box.begin(), box.end(),
              [channel](const Swatch& a, const Swatch& b) { return a.channels.at(channel) < b.channels.at(channel); });
    int total = 0;
    for (const Swatch& swatch : box)
        total += swatch.count;
    size_t cut = 1;
    for (int seen = box.front().count; cut + 1 < box.size() && seen * 2 < total; ++cut)
        seen += box[cut].count;
    boxes.emplace_back(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
    boxes[chosen].resize(cut);
    return true;
}

QRgb averageOf(const Box& box)
{
    std::array<long, 3> sums{};
    long total = 0;
    for (const Swatch& swatch : box) {
        for (size_t channel = 0; channel < 3; ++channel)
            sums.at(channel) += static_cast<long>(swatch.channels.at(channel)) * swatch.count;
        total += swatch.count;
    }
    const auto mean = [total](long sum) { return static_cast<int>((sum + total / 2) / total); };
    return qRgb(mean(sums[0]), mean(sums[1]), mean(sums[2]));
}

int distance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return 3 * red * red + 4 * green * green + 2 * blue * blue;
}

}

Palette::Palette(const QImage& image, int capacity)
{
    std::vector<Swatch> swatches = swatchesOf(image);
    std::vector<Box> boxes;
    if (!swatches.empty())
        boxes.push_back(std::move(swatches));
    while (static_cast<int>(boxes.size()) < capacity - 1 && splitWidest(boxes)) {
    }
    for (const Box& box : boxes)
        m_colours.append(averageOf(box));
    if (!m_colours.contains(qRgb(0, 0, 0)))
        m_colours.append(qRgb(0, 0, 0));
}

const QList<QRgb>& Palette::colours() const
{
    return m_colours;
}

int Palette::nearest(QRgb colour) const
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < m_colours.size(); ++i) {
        if (const int d = distance(m_colours[i], colour | 0xff000000u); d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}
