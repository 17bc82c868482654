// Date and time text of the settings store, in the original platform's format tokens.
#include "store/QNTKITDateText.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <cmath>

#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITTypes.h"
#include "store/QNTKITStoreStrings.h"

namespace qnt {

namespace {

const QDate kEpoch(1899, 12, 30);
constexpr double kMSecsPerDay = 86400000.0;
constexpr qint64 kMinDay = -693593;  // 0001-01-01
constexpr qint64 kMaxDay = 2958465;  // 9999-12-31
constexpr int kTwoDigitYearWindow = 50;

constexpr std::array<const char16_t*, 7> kShortDays{u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
constexpr std::array<const char16_t*, 7> kLongDays{u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                                   u"Thursday", u"Friday", u"Saturday"};
constexpr std::array<const char16_t*, 12> kShortMonths{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                       u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
constexpr std::array<const char16_t*, 12> kLongMonths{u"January",   u"February", u"March",    u"April",
                                                      u"May",       u"June",     u"July",     u"August",
                                                      u"September", u"October",  u"November", u"December"};

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

[[noreturn]] void RaiseDateTime() { throw EConvertError(StoreText(stInvalidDateTime).toStdU16String()); }

QString Pad(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QChar(u'0')); }

qsizetype RunLength(const QString& s, qsizetype i) {
  const QChar c = s[i].toLower();
  qsizetype n = 1;
  while (i + n < s.size() && s[i + n].toLower() == c) ++n;
  return n;
}

bool StartsWithCI(const QString& s, qsizetype i, QStringView what) {
  return QStringView(s).mid(i, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

bool UsesTwelveHours(const QString& format) {
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    if (c == u'"' || c == u'\'') {
      const auto close = format.indexOf(c, i + 1);
      if (close < 0) break;
      i = close;
    } else if (StartsWithCI(format, i, u"am/pm") || StartsWithCI(format, i, u"a/p") ||
               StartsWithCI(format, i, u"ampm")) {
      return true;
    }
  }
  return false;
}

void AppendFormatted(QString& out, const QString& format, QDate date, QTime time, int depth) {
  if (depth > 3) return;  // formats that name each other
  const bool twelve = UsesTwelveHours(format);
  bool afterHour = false;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    const char16_t lc = c.toLower().unicode();
    if (c == u'"' || c == u'\'') {
      auto close = format.indexOf(c, i + 1);
      if (close < 0) close = format.size();
      out += format.mid(i + 1, close - i - 1);
      i = close + 1;
      continue;
    }
    const qsizetype n = RunLength(format, i);
    switch (lc) {
      case u'd':
        if (n == 1)
          out += QString::number(date.day());
        else if (n == 2)
          out += Pad(date.day(), 2);
        else if (n == 3)
          out += QString::fromUtf16(kShortDays[static_cast<std::size_t>(date.dayOfWeek() % 7)]);
        else if (n == 4)
          out += QString::fromUtf16(kLongDays[static_cast<std::size_t>(date.dayOfWeek() % 7)]);
        else
          AppendFormatted(out, Q(FormatSettings.ShortDateFormat), date, time, depth + 1);
        afterHour = false;
        i += n;
        continue;
      case u'm':
        if (afterHour && n <= 2) {
          out += n == 1 ? QString::number(time.minute()) : Pad(time.minute(), 2);
        } else {
          if (n == 1)
            out += QString::number(date.month());
          else if (n == 2)
            out += Pad(date.month(), 2);
          else if (n == 3)
            out += QString::fromUtf16(kShortMonths[static_cast<std::size_t>(date.month() - 1)]);
          else
            out += QString::fromUtf16(kLongMonths[static_cast<std::size_t>(date.month() - 1)]);
        }
        afterHour = false;
        i += n;
        continue;
      case u'y':
        out += n <= 2 ? Pad(date.year() % 100, 2) : Pad(date.year(), 4);
        afterHour = false;
        i += n;
        continue;
      case u'h': {
        int h = time.hour();
        if (twelve) h = h % 12 == 0 ? 12 : h % 12;
        out += n == 1 ? QString::number(h) : Pad(h, 2);
        afterHour = true;
        i += n;
        continue;
      }
      case u'n':
        out += n == 1 ? QString::number(time.minute()) : Pad(time.minute(), 2);
        afterHour = false;
        i += n;
        continue;
      case u's':
        out += n == 1 ? QString::number(time.second()) : Pad(time.second(), 2);
        afterHour = false;
        i += n;
        continue;
      case u'z':
        out += n < 3 ? QString::number(time.msec()) : Pad(time.msec(), 3);
        afterHour = false;
        i += n;
        continue;
      case u't':
        AppendFormatted(out, Q(n == 1 ? FormatSettings.ShortTimeFormat : FormatSettings.LongTimeFormat), date,
                        time, depth + 1);
        afterHour = false;
        i += n;
        continue;
      case u'c':
        AppendFormatted(out, Q(FormatSettings.ShortDateFormat), date, time, depth + 1);
        if (time.msecsSinceStartOfDay() != 0) {
          out += u' ';
          AppendFormatted(out, Q(FormatSettings.LongTimeFormat), date, time, depth + 1);
        }
        afterHour = false;
        ++i;
        continue;
      case u'a': {
        const bool pm = time.hour() >= 12;
        if (StartsWithCI(format, i, u"am/pm")) {
          const QString marker = format.mid(pm ? i + 3 : i, 2);  // the case the format gives
          out += marker;
          i += 5;
        } else if (StartsWithCI(format, i, u"a/p")) {
          out += format[pm ? i + 2 : i];
          i += 3;
        } else if (StartsWithCI(format, i, u"ampm")) {
          out += Q(pm ? FormatSettings.TimePMString : FormatSettings.TimeAMString);
          i += 4;
        } else {
          out += c;
          ++i;
        }
        continue;
      }
      case u'/':
        out += QChar(FormatSettings.DateSeparator);
        ++i;
        continue;
      case u':':
        out += QChar(FormatSettings.TimeSeparator);
        ++i;
        continue;
      default:
        out += c;
        ++i;
        continue;
    }
  }
}

bool AllDigits(QStringView s) {
  if (s.isEmpty()) return false;
  for (QChar c : s)
    if (c < u'0' || c > u'9') return false;
  return true;
}

/// The order of the day, month and year fields in a date format, as a text of "D", "M" and "Y".
QString FieldOrder(const QString& format) {
  QString order;
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    if (c == u'"' || c == u'\'') {
      const auto close = format.indexOf(c, i + 1);
      if (close < 0) break;
      i = close;
      continue;
    }
    const QChar f = c.toUpper();
    if ((f == u'D' || f == u'M' || f == u'Y') && !order.contains(f)) order += f;
  }
  for (QChar f : {QChar(u'M'), QChar(u'D'), QChar(u'Y')})
    if (!order.contains(f)) order += f;
  return order;
}

int WindowYear(int year) {
  const int current = QDate::currentDate().year();
  const int century = current - kTwoDigitYearWindow;
  year += century / 100 * 100;
  if (year < century) year += 100;
  return year;
}

std::optional<TDateTime> DateOf(int year, int month, int day) {
  const QDate d(year, month, day);
  if (!d.isValid() || year < 1 || year > 9999) return std::nullopt;
  return EncodeDate(d);
}

}  // namespace

TDateTime EncodeDate(QDate date) { return static_cast<TDateTime>(kEpoch.daysTo(date)); }

TDateTime EncodeTime(QTime time) { return time.msecsSinceStartOfDay() / kMSecsPerDay; }

bool DecodeDateTime(TDateTime value, QDate& date, QTime& time) {
  if (!std::isfinite(value)) return false;
  const double whole = std::trunc(value);
  if (whole < static_cast<double>(kMinDay) || whole > static_cast<double>(kMaxDay)) return false;
  auto ms = std::llround(std::fabs(value - whole) * kMSecsPerDay);
  if (ms >= static_cast<long long>(kMSecsPerDay)) ms = static_cast<long long>(kMSecsPerDay) - 1;
  date = kEpoch.addDays(static_cast<qint64>(whole));
  time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
  return date.isValid() && time.isValid();
}

QString FormatDateTimeText(const QString& format, TDateTime value) {
  QDate date;
  QTime time;
  if (!DecodeDateTime(value, date, time)) RaiseDateTime();
  QString out;
  AppendFormatted(out, format, date, time, 0);
  return out;
}

QString IsoDateText(TDateTime value) {
  QDate date;
  QTime time;
  if (!DecodeDateTime(value, date, time)) RaiseDateTime();
  return Pad(date.year(), 4) + u'-' + Pad(date.month(), 2) + u'-' + Pad(date.day(), 2);
}

QString IsoTimeText(TDateTime value) {
  QDate date;
  QTime time;
  if (!DecodeDateTime(value, date, time)) RaiseDateTime();
  return Pad(time.hour(), 2) + u':' + Pad(time.minute(), 2);
}

std::optional<TDateTime> ParseDateText(const QString& text, const QString& dateFormat) {
  static const QRegularExpression kIso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
  static const QRegularExpression kRelative(QStringLiteral("^([+-])(\\d{1,7})$"));
  if (const auto m = kIso.match(text); m.hasMatch())
    return DateOf(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
  if (const auto m = kRelative.match(text); m.hasMatch()) {
    const qint64 days = m.captured(2).toLongLong() * (m.captured(1) == u"-" ? -1 : 1);
    const QDate d = QDate::currentDate().addDays(days);
    if (!d.isValid() || d.year() < 1 || d.year() > 9999) return std::nullopt;
    return EncodeDate(d);
  }

  const QString order = FieldOrder(dateFormat);
  QStringList fields;  // in the order of the format; the year may be missing
  QString fieldOrder = order;
  if (AllDigits(text) && (text.size() == 4 || text.size() == 6 || text.size() == 8)) {
    if (text.size() == 4) fieldOrder.remove(u'Y');
    qsizetype at = 0;
    for (QChar f : fieldOrder) {
      const qsizetype width = (f == u'Y' && text.size() == 8) ? 4 : 2;
      fields << text.mid(at, width);
      at += width;
    }
  } else {
    QString separators = QStringLiteral("/.-");
    separators += QChar(FormatSettings.DateSeparator);
    QString current;
    for (QChar c : text) {
      if (separators.contains(c)) {
        fields << current.trimmed();
        current.clear();
      } else {
        current += c;
      }
    }
    fields << current.trimmed();
    if (fields.size() == 2) fieldOrder.remove(u'Y');
    if (fields.size() != fieldOrder.size()) return std::nullopt;
  }
  int day = 0, month = 0, year = QDate::currentDate().year();
  for (qsizetype i = 0; i < fields.size(); ++i) {
    const QString& f = fields[i];
    if (!AllDigits(f) || f.size() > 4) return std::nullopt;
    const int v = f.toInt();
    switch (fieldOrder[i].unicode()) {
      case u'D': day = v; break;
      case u'M': month = v; break;
      default: year = f.size() <= 2 ? WindowYear(v) : v; break;
    }
  }
  return DateOf(year, month, day);
}

std::optional<TDateTime> ParseTimeText(const QString& text) {
  QString t = text;
  int marker = 0;  // 1 morning, 2 afternoon
  const QString am = Q(FormatSettings.TimeAMString), pm = Q(FormatSettings.TimePMString);
  // Longest markers first, so "AM" is not read as "A".
  const std::array<std::pair<QString, int>, 6> markers{{{am, 1},
                                                        {pm, 2},
                                                        {QStringLiteral("AM"), 1},
                                                        {QStringLiteral("PM"), 2},
                                                        {QStringLiteral("A"), 1},
                                                        {QStringLiteral("P"), 2}}};
  for (const auto& [m, kind] : markers) {
    if (m.isEmpty()) continue;
    if (t.endsWith(m, Qt::CaseInsensitive)) {
      t.chop(m.size());
    } else if (t.startsWith(m, Qt::CaseInsensitive)) {
      t.remove(0, m.size());
    } else {
      continue;
    }
    marker = kind;
    t = t.trimmed();
    break;
  }
  QStringList parts;
  if (AllDigits(t) && (t.size() == 4 || t.size() == 6)) {
    for (qsizetype i = 0; i < t.size(); i += 2) parts << t.mid(i, 2);
  } else {
    QString separators = QStringLiteral(":.,");
    separators += QChar(FormatSettings.TimeSeparator);
    QString current;
    for (QChar c : t) {
      if (separators.contains(c)) {
        parts << current;
        current.clear();
      } else {
        current += c;
      }
    }
    parts << current;
  }
  if (parts.size() > 4 || (parts.size() == 1 && marker == 0)) return std::nullopt;
  for (qsizetype i = 0; i < parts.size(); ++i) {
    parts[i] = parts[i].trimmed();
    if (!AllDigits(parts[i]) || parts[i].size() > (i == 3 ? 3 : 2)) return std::nullopt;
  }
  int h = parts[0].toInt();
  const int m = parts.size() > 1 ? parts[1].toInt() : 0;
  const int s = parts.size() > 2 ? parts[2].toInt() : 0;
  const int ms = parts.size() > 3 ? parts[3].leftJustified(3, u'0').toInt() : 0;  // a fraction of a second
  if (marker != 0) {
    if (h < 0 || h > 12) return std::nullopt;
    if (h == 12) h = 0;
    if (marker == 2) h += 12;
  }
  const QTime time(h, m, s, ms);
  if (!time.isValid()) return std::nullopt;
  return EncodeTime(time);
}

}  // namespace qnt
