#pragma once

#include "translation/dictionary.h"

#include <QString>

#include <cstdio>

// The command-line translator's input and output: raw bytes in large blocks.
namespace StandardStreams {

// Standard input and output carry bytes as they are (no line-end conversion on Windows).
void useBinaryMode();

// Translates every line of `input` to `output`; false when reading or writing failed.
bool translate(const Dictionary& dictionary, std::FILE* input, std::FILE* output);

// Writes `text` and a line end as UTF-8.
void writeLine(std::FILE* stream, const QString& text);

} // namespace StandardStreams
