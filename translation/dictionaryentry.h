#pragma once

#include <QStringView>

// One line of the dictionary, split at its TABs and nothing trimmed. The fields are views
// into the text the lines were parsed from, which the DictionaryIndex holding the entries keeps.
struct DictionaryEntry final {
    QStringView abbreviation; // the text before the first TAB: the look-up key
    QStringView expansion;    // the text between the first and the second TAB
    int fieldCount = 2;       // fields on the line; those after the second are ignored
};
