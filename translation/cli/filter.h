#pragma once

#include "translation/cli/output.h"
#include "translation/dictionary.h"

// Translates all that `input` (a descriptor) holds into `output`, one message a line. Gives 0,
// or the error number of a read that failed (what came before it is translated); a failure
// of the output is kept in `output`.
//
// Output is gathered while reads come back full, the input flooding in, and written out after
// a read that returned less: then whoever writes the input may be waiting for the answer, and
// gets it at once. To a terminal, every read's lines are written at once.
int translateStream(const Dictionary& dictionary, int input, Output& output);
