#pragma once

#include "translation/dictionaryentry.h"
#include "translation/dictionaryfault.h"

#include <QString>
#include <QStringView>

#include <variant>
#include <vector>

// Splits the dictionary's text into its 1622 entries.
namespace DictionaryParser {

// Lines end at CR LF, a lone CR or a lone LF; each of the first 1622 lines is split at its
// TABs with nothing trimmed. The entries are views into `text`, which must outlive them.
// Faults name `path` and, like a translation reading the file line by line, the first line
// that fails.
std::variant<std::vector<DictionaryEntry>, DictionaryFault> parse(QStringView text, const QString& path);

} // namespace DictionaryParser
