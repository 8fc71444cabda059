#pragma once

#include "translation/dictionary.h"

#include <QString>

#include <cstdio>

// The command-line translator's input and output: raw bytes in large blocks, passed on as
// soon as they arrive, so that a program talking to it line by line gets each answer at once.
namespace StandardStreams {

// Standard input and output carry bytes as they are (no line-end conversion on Windows).
void useBinaryMode();

// Translates every line of standard input to standard output; false when reading or writing
// failed.
bool translate(const Dictionary& dictionary);

// Writes `text` and a line end as UTF-8.
void writeLine(std::FILE* stream, const QString& text);

} // namespace StandardStreams
