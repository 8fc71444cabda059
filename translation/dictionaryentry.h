#pragma once

#include <QString>

// One line of the dictionary, split at its TABs and nothing trimmed.
struct DictionaryEntry final {
    QString abbreviation; // the text before the first TAB: the look-up key
    QString expansion;    // the text between the first and the second TAB
    int fieldCount = 2;   // fields on the line; those after the second are ignored
};
