#pragma once

#include <QByteArrayView>
#include <QString>

#include <utility>
#include <vector>

// Turning the bytes of the dictionary and of messages into text.
namespace TextDecoding {

// How the dictionary's bytes were read.
struct DictionaryText final {
    enum class Encoding { Utf8, Windows1252 };

    QString text;
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false; // the bytes began with a UTF-8 byte order mark (never part of the text)
    int firstNonUtf8Line = 0;   // read as Windows-1252: the first line that is not valid UTF-8
    // Read as Windows-1252: the lines that are valid UTF-8 all the same and would read
    // otherwise as UTF-8 (the line, 1-based, and that reading).
    std::vector<std::pair<int, QString>> utf8Readings;
};

// The dictionary's text: UTF-8 when the bytes are valid UTF-8 (a leading byte order mark
// is dropped), otherwise Windows-1252, the code page the dictionary was first written in.
DictionaryText dictionaryText(QByteArrayView bytes);

// Whether the bytes look like UTF-16: they begin with its byte order mark, or with two
// characters whose other byte is zero.
bool looksLikeUtf16(QByteArrayView bytes);

// Windows-1252 to text; the five bytes the code page leaves undefined keep their own code.
QString fromWindows1252(QByteArrayView bytes);

// UTF-8 to text. Every invalid sequence becomes U+FFFD, and a byte order mark is kept as a
// character wherever it stands, so decoding pieces gives the same text as decoding the whole.
// `valid` (when given) tells whether the bytes were valid UTF-8.
QString fromUtf8(QByteArrayView bytes, bool* valid = nullptr);

} // namespace TextDecoding
