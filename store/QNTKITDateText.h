// Dates and times as the settings store writes and reads them. A date-time is the original
// platform's serial number: days since 1899-12-30, the fraction being the time of day (before that
// day the whole part counts back and the fraction still counts forward, so -1.25 is 1899-12-29 06:00).
//
// Formats use the original platform's tokens (FormatSettings documents them): d dd ddd dddd ddddd,
// m mm mmm mmmm (minutes right after h or hh), yy yyyy, h hh, n nn, s ss, z zzz, ampm, am/pm, a/p,
// t tt c, "/" and ":" for the date and time separators, quoted text as is. Letters match in any case.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace qnt {

using TDateTime = double;

/// The serial number of a date (midnight).
TDateTime EncodeDate(QDate date);
/// The fraction of a day of a time.
TDateTime EncodeTime(QTime time);
/// Splits a serial number; false for NaN, the infinities and values outside the years 1 to 9999.
bool DecodeDateTime(TDateTime value, QDate& date, QTime& time);

/// The value written with a format of original tokens; raises EConvertError ("Не верные дата/время")
/// for a value that is no date-time.
QString FormatDateTimeText(const QString& format, TDateTime value);

/// "yyyy-MM-dd", the form the store writes dates in; raises as FormatDateTimeText.
QString IsoDateText(TDateTime value);
/// "HH:mm", the form the store writes times in; raises as FormatDateTimeText.
QString IsoTimeText(TDateTime value);

/// Reads a date (the text already trimmed): "yyyy-mm-dd"; "+n" or "-n" days from today; 4, 6 or 8
/// digits split into the fields of `dateFormat`; or numbers separated by the date separator (or "/",
/// "." or "-") in the order of `dateFormat`, the year optional (this year) and two-digit years taken
/// within 50 years of today. Nullopt when the text is no date.
std::optional<TDateTime> ParseDateText(const QString& text, const QString& dateFormat);

/// Reads a time of day (the text already trimmed): 4 or 6 digits as hhnn or hhnnss; hours, minutes and
/// optional seconds and milliseconds separated by ":", ".", "," or the time separator; an AM or PM
/// marker before or after. Nullopt when the text is no time.
std::optional<TDateTime> ParseTimeText(const QString& text);

}  // namespace qnt
