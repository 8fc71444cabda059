#pragma once

#include "translation/dictionary.h"

#include <QString>
#include <QStringView>

// The output box's text for the input box's text `boxText`, taken as it stands after
// Translate has appended its one space (so "brb lol " for a typed "brb lol"; the last item
// is then always empty). The text is split at every single space into items, empty ones
// kept; every line of the dictionary is applied in file order to every item (whole item
// against whole abbreviation, both lower-cased, chains and repeated replacements included);
// the items are joined with single spaces, empty items leaving no trace, and leading and
// trailing spaces removed. There is no limit on the number of items.
QString translate(const Dictionary& dictionary, QStringView boxText);
