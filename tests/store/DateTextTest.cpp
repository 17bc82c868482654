// Date and time text: the serial numbers, the original platform's format tokens, and the reading rules.
#include <cmath>
#include <limits>

#include "store/QNTKITDateText.h"
#include "tests/store/StoreFixture.h"

namespace qnt::test {
namespace {

class DateTextTest : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    FormatSettings.DateSeparator = u'.';
    FormatSettings.TimeSeparator = u':';
    FormatSettings.ShortDateFormat = u"dd/mm/yyyy";
    FormatSettings.ShortTimeFormat = u"h:nn";
    FormatSettings.LongTimeFormat = u"hh:nn:ss";
  }
};

TEST(DateSerial, CountsDaysFrom1899_12_30) {
  EXPECT_EQ(EncodeDate(QDate(1899, 12, 30)), 0.0);
  EXPECT_EQ(EncodeDate(QDate(2024, 2, 29)), 45351.0);
  EXPECT_EQ(EncodeDate(QDate(1899, 12, 29)), -1.0);
  EXPECT_EQ(EncodeTime(QTime(6, 0)), 0.25);
  QDate d;
  QTime t;
  ASSERT_TRUE(DecodeDateTime(-1.25, d, t));  // before the epoch the fraction still counts forward
  EXPECT_EQ(d, QDate(1899, 12, 29));
  EXPECT_EQ(t, QTime(6, 0));
  ASSERT_TRUE(DecodeDateTime(45351.999999999, d, t));
  EXPECT_EQ(d, QDate(2024, 2, 29));
  EXPECT_EQ(t, QTime(23, 59, 59, 999));
  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 3.0e6, -7.0e5})
    EXPECT_FALSE(DecodeDateTime(bad, d, t)) << bad;
}

TEST_F(DateTextTest, FormatsWithTheOriginalTokens) {
  const double v = EncodeDate(QDate(2024, 3, 5)) + EncodeTime(QTime(14, 7, 9, 45));
  const struct {
    const char* format;
    const char* expected;
  } cases[] = {
      {"d/m/yy", "5.3.24"},
      {"dd/mm/yyyy", "05.03.2024"},
      {"YYYY-MM-DD", "2024-03-05"},
      {"ddd dddd mmm mmmm", "Tue Tuesday Mar March"},
      {"hh:mm", "14:07"},  // m right after h is minutes
      {"h:n:s.zzz", "14:7:9.045"},
      {"hh:nn:ss", "14:07:09"},
      {"h:nn am/pm", "2:07 pm"},
      {"h:nn AM/PM", "2:07 PM"},
      {"h a/p", "2 p"},
      {"hh ampm", "02 PM"},
      {"ddddd", "05.03.2024"},
      {"t", "14:07"},
      {"tt", "14:07:09"},
      {"c", "05.03.2024 14:07:09"},
      {"'d' \"m\" d", "d m 5"},
      {"yyyy/mm", "2024.03"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatDateTimeText(QString::fromUtf8(c.format), v), QString::fromUtf8(c.expected)) << c.format;
  EXPECT_EQ(FormatDateTimeText("c", EncodeDate(QDate(2024, 3, 5))),
            "05.03.2024");  // no time part at midnight
  EXPECT_EQ(FormatDateTimeText("h:nn am/pm", 0.0), "12:00 am");
  EXPECT_EQ(IsoDateText(v), "2024-03-05");
  EXPECT_EQ(IsoTimeText(v), "14:07");
  EXPECT_EQ(IsoTimeText(0.0), "00:00");
  EXPECT_THAT([] { IsoTimeText(std::nan("")); },
              ::testing::ThrowsMessage<EConvertError>(::testing::StrEq("Не верные дата/время")));
}

TEST_F(DateTextTest, ReadsDates) {
  const int year = QDate::currentDate().year();
  const struct {
    const char* text;
    const char* format;
    QDate expected;
  } cases[] = {
      {"2024-03-05", "dd/mm/yyyy", QDate(2024, 3, 5)},  // the store's own form in any locale
      {"2024-3-5", "mm/dd/yyyy", QDate(2024, 3, 5)},    {"05.03.2024", "dd/mm/yyyy", QDate(2024, 3, 5)},
      {"5/3/2024", "dd/mm/yyyy", QDate(2024, 3, 5)},    {"03/05/2024", "mm/dd/yyyy", QDate(2024, 3, 5)},
      {"2024.03.05", "yyyy/mm/dd", QDate(2024, 3, 5)},  {"05032024", "dd/mm/yyyy", QDate(2024, 3, 5)},
      {"03052024", "mm/dd/yyyy", QDate(2024, 3, 5)},    {"050324", "dd/mm/yy", QDate(2024, 3, 5)},
      {"0503", "dd/mm/yyyy", QDate(year, 3, 5)},        {"5.3", "dd/mm/yyyy", QDate(year, 3, 5)},
      {"29.02.2024", "dd/mm/yyyy", QDate(2024, 2, 29)},
  };
  for (const auto& c : cases) {
    const auto r = ParseDateText(QString::fromUtf8(c.text), QString::fromUtf8(c.format));
    ASSERT_TRUE(r.has_value()) << c.text;
    EXPECT_EQ(*r, EncodeDate(c.expected)) << c.text;
  }
  const double today = EncodeDate(QDate::currentDate());
  EXPECT_EQ(ParseDateText("+3", "dd/mm/yyyy"), today + 3);
  EXPECT_EQ(ParseDateText("-10", "dd/mm/yyyy"), today - 10);
  // Two-digit years fall within 50 years of today.
  const auto y =
      ParseDateText(QStringLiteral("01.01.%1").arg((year + 10) % 100, 2, 10, QChar(u'0')), "dd/mm/yy");
  ASSERT_TRUE(y.has_value());
  EXPECT_EQ(*y, EncodeDate(QDate(year + 10, 1, 1)));

  for (const char* bad : {"abc", "31.02.2024", "1.2.3.4", "2024-13-01", "12345", "1.x.2024", "+", "5..3"})
    EXPECT_FALSE(ParseDateText(QString::fromUtf8(bad), "dd/mm/yyyy").has_value()) << bad;
}

TEST_F(DateTextTest, ReadsTimes) {
  const struct {
    const char* text;
    QTime expected;
  } cases[] = {
      {"14:07", QTime(14, 7)},     {"9:05", QTime(9, 5)},         {"00:00", QTime(0, 0)},
      {"14.07", QTime(14, 7)},     {"14,07", QTime(14, 7)},       {"1407", QTime(14, 7)},
      {"140709", QTime(14, 7, 9)}, {"14:07:09", QTime(14, 7, 9)}, {"14:07:09.5", QTime(14, 7, 9, 500)},
      {"2:07 PM", QTime(14, 7)},   {"2:07pm", QTime(14, 7)},      {"12:30 AM", QTime(0, 30)},
      {"12:30 PM", QTime(12, 30)}, {"AM 9:15", QTime(9, 15)},     {"11 p", QTime(23, 0)},
  };
  for (const auto& c : cases) {
    const auto r = ParseTimeText(QString::fromUtf8(c.text));
    ASSERT_TRUE(r.has_value()) << c.text;
    EXPECT_DOUBLE_EQ(*r, EncodeTime(c.expected)) << c.text;
  }
  for (const char* bad : {"24:00", "12:60", "13:00 PM", "abc", "12", "1:2:3:4:5", "12:", "12345"})
    EXPECT_FALSE(ParseTimeText(QString::fromUtf8(bad)).has_value()) << bad;
}

}  // namespace
}  // namespace qnt::test
