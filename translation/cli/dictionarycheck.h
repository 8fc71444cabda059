#pragma once

#include "translation/dictionary.h"

#include <QStringList>

// Entries of a sound dictionary that never take effect or take effect in ways that are
// easy to miss, one finding per line of text ("SMS.dic: line 12: ..."), in line order.
namespace DictionaryCheck {

QStringList findings(const Dictionary& dictionary);

// How the dictionary's text was read: "SMS.dic: read as UTF-8".
QString decodingOf(const Dictionary& dictionary);

// The line that says there are no findings.
QString noFindings(const Dictionary& dictionary);

} // namespace DictionaryCheck
