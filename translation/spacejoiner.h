#pragma once

#include <cstddef>

// Builds a line of output item by item as Translate builds the output box's text: the text
// so far, one space and the item, then spaces (spaces only, not TABs) trimmed from both ends.
// The text so far never ends in a space, so this comes down to: the item's trailing spaces
// go, its leading spaces go too while the line is still empty, and an item of nothing but
// spaces leaves no trace. Spaces inside an item stay.
//
// Works on UTF-16 text with QChar and on UTF-8 with char (where a space is one byte). The
// output takes each piece with `appendPiece(bool spaceBefore, const Char* piece, size)`.
template <typename Char>
class SpaceJoiner final {
public:
    void startLine() { m_lineHasText = false; }

    template <typename Output>
    void append(Output& output, const Char* item, std::size_t size)
    {
        while (size > 0 && item[size - 1] == Space)
            --size;
        if (size == 0)
            return;
        const bool spaceBefore = m_lineHasText;
        if (!m_lineHasText) {
            for (; *item == Space; --size)
                ++item;
            m_lineHasText = true;
        }
        output.appendPiece(spaceBefore, item, size);
    }

private:
    static constexpr Char Space = Char(u' ');

    bool m_lineHasText = false;
};
