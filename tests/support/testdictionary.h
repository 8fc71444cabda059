#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The dictionaries of the tests: lines given by the test, then filler lines that no test
// message matches, up to line 1622, every line ended by CR LF.
namespace TestDictionary {

inline constexpr int LineCount = 1622;

inline QString fillerLine(int number)
{
    return QStringLiteral("~filler%1~\t~unused%1~").arg(number);
}

// `first` and then filler, `count` lines in all.
inline QStringList lines(QStringList first, int count = LineCount)
{
    for (int number = int(first.size()) + 1; number <= count; ++number)
        first << fillerLine(number);
    return first.mid(0, count);
}

inline QByteArray bytes(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

inline QByteArray withFiller(const QStringList& first, int count = LineCount)
{
    return bytes(lines(first, count));
}

// The dictionary of the window tests: brb, lol and gr8 on lines 1 to 3.
inline QStringList chatLines(int count = LineCount)
{
    return lines({"brb\tbe right back", "lol\tlaughing out loud", "gr8\tgreat"}, count);
}

inline QByteArray chat(int count = LineCount)
{
    return bytes(chatLines(count));
}

// The same with line `number` (1-based) replaced by `line`.
inline QByteArray chatWith(int number, const QString& line)
{
    QStringList all = chatLines();
    all[number - 1] = line;
    return bytes(all);
}

} // namespace TestDictionary
