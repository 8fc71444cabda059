#pragma once

#include <QString>

// Why a dictionary cannot be used, told the way the user knows the file.
struct DictionaryFault final {
    enum class Kind {
        Unreadable,  // missing, not a file, or failing while read
        TooLarge,    // its first 1622 lines alone exceed what a dictionary can sensibly be
        TooFewLines, // the file ends before line 1622
        NoTab,       // one of lines 1 to 1622 has no TAB (an empty line among them)
        Utf16,       // the file is UTF-16 text
        InvalidUtf8, // it begins with a UTF-8 byte order mark, yet a line is not UTF-8
    };

    // `fault` in the words of OpenDataFile: "file not found", "cannot be read: ...".
    static DictionaryFault unreadable(const QString& path, const QString& fault);
    static DictionaryFault utf16(const QString& path);
    static DictionaryFault invalidUtf8(const QString& path, int line);
    static DictionaryFault tooLarge(const QString& path, qint64 limit);
    static DictionaryFault tooFewLines(const QString& path, int lineCount);
    static DictionaryFault noTab(const QString& path, int line, bool lineIsEmpty);

    Kind kind = Kind::Unreadable;
    QString path;    // the path the dictionary was loaded from
    int line = 0;    // the line at fault, or the last line of a short file; 0 when none
    QString message; // one line, e.g. "SMS.dic: line 17 has no TAB (/opt/verbolet/SMS.dic)"
};
