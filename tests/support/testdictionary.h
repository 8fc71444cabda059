#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The dictionaries of the tests: lines given by the test, then filler lines that no test
// message matches, up to line 1622, every line ended by CR LF.
namespace TestDictionary {

inline constexpr int LineCount = 1622;

inline QString fillerLine(int number) { return QStringLiteral("~filler%1~\t~unused%1~").arg(number); }

// `first` and then filler, `count` lines in all.
inline QByteArray withFiller(QStringList first, int count = LineCount)
{
    for (int number = int(first.size()) + 1; number <= count; ++number)
        first << fillerLine(number);
    QByteArray out;
    for (const QString& line : first.mid(0, count))
        out += line.toUtf8() + "\r\n";
    return out;
}

// The window tests' dictionary: brb, lol and gr8 on lines 1 to 3, line `number` (1-based) replaced by `line`.
inline QByteArray chatWith(int number, const QString& line, int count = LineCount)
{
    QStringList first{"brb\tbe right back", "lol\tlaughing out loud", "gr8\tgreat"};
    while (first.size() < number)
        first << fillerLine(int(first.size()) + 1);
    if (number > 0)
        first[number - 1] = line;
    return withFiller(first, count);
}

inline QByteArray chat(int count = LineCount) { return chatWith(0, {}, count); }

} // namespace TestDictionary
