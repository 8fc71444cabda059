#pragma once

#include <QByteArrayView>
#include <QString>

// Turning the bytes of the dictionary and of piped messages into text.
namespace TextDecoding {

// The dictionary's text: UTF-8 when the bytes are valid UTF-8 (a leading byte order mark
// is dropped), otherwise Windows-1252, the code page the dictionary was first written in.
QString dictionaryText(QByteArrayView bytes);

// Windows-1252 to text; the five bytes the code page leaves undefined keep their own code.
QString fromWindows1252(QByteArrayView bytes);

// UTF-8 to text. Every invalid sequence becomes U+FFFD, and a byte order mark is kept as a
// character wherever it stands, so decoding pieces gives the same text as decoding the whole.
// `valid` (when given) tells whether the bytes were valid UTF-8.
QString fromUtf8(QByteArrayView bytes, bool* valid = nullptr);

} // namespace TextDecoding
