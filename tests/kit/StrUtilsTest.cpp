// The 1-based string utilities that the edits use for caret and separator positions.
#include "kit/QNTKITStrUtils.h"
#include "tests/kit/KitFixture.h"

namespace qnt::test {
namespace {

TEST(StrUtils, PositionsAreOneBasedAndZeroMeansAbsent) {
  EXPECT_EQ(CharPos(u'.', u"12.5"), 3u);
  EXPECT_EQ(CharPos(u'.', u"12.5", 4), 0u);
  EXPECT_EQ(CharPos(u'.', u"12.5", -7), 3u) << "a start below 1 counts as 1";
  EXPECT_EQ(CharPos(u'.', u"", 1), 0u);
  EXPECT_EQ(CharPos(u'.', u"1.2", 99), 0u);
  EXPECT_EQ(CharPosNth(u',', u"1,234,567", 2), 6u);
  EXPECT_EQ(CharPosNth(u',', u"1,234,567", 3), 0u);
  EXPECT_EQ(CharPosNth(u',', u"1,234,567", 0), 0u);
  EXPECT_EQ(CharPosNth(u',', u"1,234,567", 1, 3), 6u);
}

TEST(StrUtils, PiecesAndPadding) {
  EXPECT_EQ(CharRun(u'0', 3), u"000");
  EXPECT_EQ(CharRun(u'0', 0), u"");
  EXPECT_EQ(CharRun(u'0', -2), u"");
  EXPECT_EQ(SpaceRun(2), u"  ");
  EXPECT_EQ(LeftChars(u"abcdef", 2), u"ab");
  EXPECT_EQ(LeftChars(u"ab", 5), u"ab");
  EXPECT_EQ(RightChars(u"abcdef", 2), u"ef");
  EXPECT_EQ(RightChars(u"ab", 5), u"ab");
  EXPECT_EQ(TextAfterPos(u"abcdef", 2), u"cdef");
  EXPECT_EQ(TextAfterPos(u"abc", 3), u"");
  EXPECT_EQ(TextAfterPos(u"abc", 0), u"abc");
  EXPECT_EQ(PadLeftChar(u"7", u'0', 3), u"007");
  EXPECT_EQ(PadLeftChar(u"1234", u'0', 3), u"1234");
  EXPECT_EQ(StripChar(u"1,234,567", u','), u"1234567");
  EXPECT_EQ(StripTrailingChar(u"1.500", u'0'), u"1.5");
  EXPECT_EQ(ReplaceChar(u"1.5.6", u'.', u','), u"1,5,6");
  EXPECT_EQ(TrimBlanks(u"\t\n 12 \r\x01"), u"12") << "every code of 32 or less is a blank";
}

TEST(StrUtils, StripThousandSeparatorsUsesTheCurrentSeparator) {
  KitGlobalsGuard guard;
  FormatSettings.ThousandSeparator = u'\u00A0';
  EXPECT_EQ(StripThousandSeparators(u" 1\u00A0234 "), u" 1234 ");
  EXPECT_EQ(StripThousandSeparators(u" 1\u00A0234 ", true), u"1234");
}

}  // namespace
}  // namespace qnt::test
