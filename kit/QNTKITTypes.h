// Shared types of the component kit: the extended float, colours, sets, the enumerations every kit
// unit uses, the event types, and the kit's exceptions. Plain C++: no Qt in this layer.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

class QObject;  // the sender of kit events; the kit itself never dereferences it

namespace qnt {

/// The 80-bit x87 extended float every value, factor and intermediate result uses.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64, "x87 80-bit extended expected");

/// The version every kit component reports.
inline constexpr char16_t kKitVersion[] = u"6.3.1";

// ---------------------------------------------------------------------------------------------
// Sets of enumerators (the original's "set of" types), as a bit mask over the ordinal.

template <class E>
class TQNTSet {
  static_assert(std::is_enum_v<E>);

 public:
  constexpr TQNTSet() = default;
  constexpr TQNTSet(std::initializer_list<E> items) {
    for (E e : items) fBits |= Bit(e);
  }
  static constexpr TQNTSet FromBits(std::uint32_t bits) {
    TQNTSet s;
    s.fBits = bits;
    return s;
  }
  constexpr bool Contains(E e) const { return (fBits & Bit(e)) != 0; }
  constexpr TQNTSet& Include(E e) {
    fBits |= Bit(e);
    return *this;
  }
  constexpr TQNTSet& Exclude(E e) {
    fBits &= ~Bit(e);
    return *this;
  }
  constexpr bool Empty() const { return fBits == 0; }
  constexpr std::uint32_t Bits() const { return fBits; }
  friend constexpr bool operator==(TQNTSet a, TQNTSet b) = default;

 private:
  static constexpr std::uint32_t Bit(E e) { return std::uint32_t{1} << static_cast<unsigned>(e); }
  std::uint32_t fBits = 0;
};

// ---------------------------------------------------------------------------------------------
// Colours: $00BBGGRR for an explicit colour (red in the lowest byte), $FF0000nn for system colour nn.
// Kept as the raw 32-bit value end to end (stores write it as a signed decimal); the Qt layers resolve
// it to a QColor only when painting.

using TColor = std::int32_t;

constexpr TColor ColorValue(std::uint32_t raw) { return static_cast<TColor>(raw); }
constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return ColorValue(std::uint32_t{r} | (std::uint32_t{g} << 8) | (std::uint32_t{b} << 16));
}
constexpr bool IsSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u; }
constexpr int SystemColorIndex(TColor c) { return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu); }
constexpr std::uint8_t ColorRed(TColor c) { return static_cast<std::uint8_t>(static_cast<std::uint32_t>(c)); }
constexpr std::uint8_t ColorGreen(TColor c) { return static_cast<std::uint8_t>(static_cast<std::uint32_t>(c) >> 8); }
constexpr std::uint8_t ColorBlue(TColor c) { return static_cast<std::uint8_t>(static_cast<std::uint32_t>(c) >> 16); }

/// Kit meaning in colour sets: not set, the related colour applies instead.
inline constexpr TColor clNone = ColorValue(0x1FFFFFFF);
/// Kit meaning in colour sets: the matching `Default...` global applies.
inline constexpr TColor clDefault = ColorValue(0x20000000);

// Explicit colours.
inline constexpr TColor clBlack = ColorValue(0x000000);
inline constexpr TColor clMaroon = ColorValue(0x000080);
inline constexpr TColor clGreen = ColorValue(0x008000);
inline constexpr TColor clOlive = ColorValue(0x008080);
inline constexpr TColor clNavy = ColorValue(0x800000);
inline constexpr TColor clPurple = ColorValue(0x800080);
inline constexpr TColor clTeal = ColorValue(0x808000);
inline constexpr TColor clGray = ColorValue(0x808080);
inline constexpr TColor clSilver = ColorValue(0xC0C0C0);
inline constexpr TColor clRed = ColorValue(0x0000FF);
inline constexpr TColor clLime = ColorValue(0x00FF00);
inline constexpr TColor clYellow = ColorValue(0x00FFFF);
inline constexpr TColor clBlue = ColorValue(0xFF0000);
inline constexpr TColor clFuchsia = ColorValue(0xFF00FF);
inline constexpr TColor clAqua = ColorValue(0xFFFF00);
inline constexpr TColor clWhite = ColorValue(0xFFFFFF);
inline constexpr TColor clMoneyGreen = ColorValue(0xC0DCC0);
inline constexpr TColor clSkyBlue = ColorValue(0xF0CAA6);
inline constexpr TColor clCream = ColorValue(0xF0FBFF);
inline constexpr TColor clMedGray = ColorValue(0xA4A0A0);

// System colours.
inline constexpr TColor clScrollBar = ColorValue(0xFF000000);
inline constexpr TColor clBackground = ColorValue(0xFF000001);
inline constexpr TColor clActiveCaption = ColorValue(0xFF000002);
inline constexpr TColor clInactiveCaption = ColorValue(0xFF000003);
inline constexpr TColor clMenu = ColorValue(0xFF000004);
inline constexpr TColor clWindow = ColorValue(0xFF000005);
inline constexpr TColor clWindowFrame = ColorValue(0xFF000006);
inline constexpr TColor clMenuText = ColorValue(0xFF000007);
inline constexpr TColor clWindowText = ColorValue(0xFF000008);
inline constexpr TColor clCaptionText = ColorValue(0xFF000009);
inline constexpr TColor clActiveBorder = ColorValue(0xFF00000A);
inline constexpr TColor clInactiveBorder = ColorValue(0xFF00000B);
inline constexpr TColor clAppWorkSpace = ColorValue(0xFF00000C);
inline constexpr TColor clHighlight = ColorValue(0xFF00000D);
inline constexpr TColor clHighlightText = ColorValue(0xFF00000E);
inline constexpr TColor clBtnFace = ColorValue(0xFF00000F);
inline constexpr TColor clBtnShadow = ColorValue(0xFF000010);
inline constexpr TColor clGrayText = ColorValue(0xFF000011);
inline constexpr TColor clBtnText = ColorValue(0xFF000012);
inline constexpr TColor clInactiveCaptionText = ColorValue(0xFF000013);
inline constexpr TColor clBtnHighlight = ColorValue(0xFF000014);
inline constexpr TColor cl3DDkShadow = ColorValue(0xFF000015);
inline constexpr TColor cl3DLight = ColorValue(0xFF000016);
inline constexpr TColor clInfoText = ColorValue(0xFF000017);
inline constexpr TColor clInfoBk = ColorValue(0xFF000018);
inline constexpr TColor clHotLight = ColorValue(0xFF00001A);
inline constexpr TColor clGradientActiveCaption = ColorValue(0xFF00001B);
inline constexpr TColor clGradientInactiveCaption = ColorValue(0xFF00001C);
inline constexpr TColor clMenuHighlight = ColorValue(0xFF00001D);
inline constexpr TColor clMenuBar = ColorValue(0xFF00001E);

/// Resolves a colour that may hold `clDefault` against its kit global.
constexpr TColor ResolveDefault(TColor c, TColor global) { return c == clDefault ? global : c; }

// ---------------------------------------------------------------------------------------------
// Fonts and keys.

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TQNTSet<TFontStyle>;

enum TShiftStateItem : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TQNTSet<TShiftStateItem>;

// ---------------------------------------------------------------------------------------------
// Shared enumerations. Ordinals start at 0 in the order given; names and ordinals are stored data.

/// When thousand separators appear in numeric edits: never, when the text is redisplayed, live.
enum TQNTSeparatorStyle : std::uint8_t { essNone, essExit, essAuto };
/// Comparison prefix of float edits: "= ", "<> ", "> ", ">= ", "< ", "<= ".
enum TQNTComparisonType : std::uint8_t { ecEqual, ecNotEqual, ecGreater, ecGreaterEq, ecLess, ecLessEq };
/// When an edit uses its special colours.
enum TQNTSpecialColorType : std::uint8_t { escNone, escEvent, escPopup, escAutoPopup };
/// Result of the bounds check of numeric edits.
enum TQNTBoundsValidationtype : std::uint8_t { evtNone, evtBelowLower, evtAboveUpper };
/// Groups of settings a control takes from an attached interface-preferences component.
enum TQNTUIUsageType : std::uint8_t { eutColorSet, eutBlank_Null, eutNavigation, eutFormat };
using TQNTUIUsageTypes = TQNTSet<TQNTUIUsageType>;
inline constexpr TQNTUIUsageTypes kAllUIUsage{eutColorSet, eutBlank_Null, eutNavigation, eutFormat};
/// Data kind of an edit, choosing which blank/null preferences apply.
enum TQNTBlankType : std::uint8_t { btAll, btDate, btCurrency };
/// Item and heading styles of the complete colour set.
enum TQNTLabelStyle : std::uint8_t { elsNormal, elsRaised, elsSunken };
/// Group frame style of the complete colour set.
enum TQNTGroupFrameStyle : std::uint8_t { egfsNone, egfsNormal, egfsSimple, egfsRound };
/// Storage kind of the settings store.
enum TQNTRegIniType : std::uint8_t { eriNeither, eriRegistry, eriIniFile, eriBufferedIniFile };
/// Glyph of the calculator edit's button.
enum TQNTCalcGlyphType : std::uint8_t { ecgCalcGlyFX, ecgCalc1, ecgCalc2 };
/// Angle unit of the calculator.
enum TQNTAngleMode : std::uint8_t { amDegrees, amRadians, amGradiants };

/// A digit key of the calculation engine.
using TQNTZeroToNine = std::uint8_t;
/// A growable array of extended values (the engine's operand stack).
using TQNTFloatVector = std::vector<Extended>;

// ---------------------------------------------------------------------------------------------
// Event types: empty means "not assigned"; reference parameters are the original's var parameters.

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TKeyEvent = std::function<void(QObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(QObject* Sender, char16_t& Key)>;
using TQNTSpecialColorEvent = std::function<void(QObject* Sender, bool& UseSpecialColor)>;
using TQNTBoundsValidationEvent =
    std::function<void(QObject* Sender, const std::u16string& Value, TQNTBoundsValidationtype ErrType)>;
using TQNTConvertFloatEvent = std::function<void(QObject* Sender, const std::u16string& Text, Extended& Value)>;
using TQNTExitStartEvent = std::function<void(QObject* Sender, std::u16string& Text, bool& FurtherChecking)>;
using TQNTConvertErrorEvent = std::function<void(QObject* Sender, const std::u16string& Text)>;
using TQNTCalcEvent = std::function<void(QObject* Sender, Extended& Value)>;
using TQNTFloatEvent = std::function<void(QObject* Sender, Extended& Value)>;

// ---------------------------------------------------------------------------------------------
// Exceptions. Messages are UTF-8 in what() and UTF-16 in Message(), the text shown to the user.

/// Base of the kit's exceptions: carries the user-visible message as UTF-16.
class EQNTError : public std::runtime_error {
 public:
  explicit EQNTError(const std::u16string& message);
  const std::u16string& Message() const noexcept { return fMessage; }

 private:
  std::u16string fMessage;
};

/// Arithmetic and range errors (below absolute zero, division by zero, overflow, invalid operation).
class EMathError : public EQNTError {
 public:
  using EQNTError::EQNTError;
};

/// Text that is not a number where a number is required.
class EConvertError : public EQNTError {
 public:
  using EQNTError::EQNTError;
};

/// UTF-16 to UTF-8 (unpaired surrogates become U+FFFD).
std::string ToUtf8(std::u16string_view text);
/// UTF-8 to UTF-16 (invalid bytes become U+FFFD).
std::u16string FromUtf8(std::string_view text);

}  // namespace qnt
