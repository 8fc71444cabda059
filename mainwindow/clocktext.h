#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The date and the time as the clock labels show them, in the forms of the regional
// settings.
namespace ClockText {

// The short date form: "06/12/2026", "6 Dec 2026", ...
QString date(QDate day, const QLocale& locale = QLocale::system());

// The locale's short time form with seconds: "20:31:50", "8:31:50 PM", ...
QString time(QTime moment, const QLocale& locale = QLocale::system());

// `timeFormat` (a QTime format) with seconds after its minutes, using the separator
// that stands between its hours and minutes; a format with seconds is left as it is.
QString withSeconds(const QString& timeFormat);

} // namespace ClockText
