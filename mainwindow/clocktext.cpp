#include "mainwindow/clocktext.h"

#include <QRegularExpression>

namespace {

// Text between single quotes is literal, not a field.
QString fieldsOf(const QString& format)
{
    static const QRegularExpression quoted(QStringLiteral("'[^']*'?"));
    return QString(format).remove(quoted);
}

} // namespace

namespace ClockText {

QString date(QDate day, const QLocale& locale)
{
    return locale.toString(day, QLocale::ShortFormat);
}

QString time(QTime moment, const QLocale& locale)
{
    // The long form would have seconds, but here it appends the time zone too.
    return locale.toString(moment, withSeconds(locale.timeFormat(QLocale::ShortFormat)));
}

QString withSeconds(const QString& timeFormat)
{
    if (fieldsOf(timeFormat).contains(QLatin1Char('s')))
        return timeFormat;
    static const QRegularExpression hoursThenMinutes(QStringLiteral("[hH]{1,2}([^hHmM]*?)(m{1,2})"));
    const QRegularExpressionMatch match = hoursThenMinutes.match(timeFormat);
    if (!match.hasMatch())
        return timeFormat + QStringLiteral(":ss");
    QString separator = match.captured(1);
    if (separator.isEmpty() || separator.contains(QLatin1Char('\'')))
        separator = QStringLiteral(":");
    return QString(timeFormat).insert(match.capturedEnd(2), separator + QStringLiteral("ss"));
}

} // namespace ClockText
