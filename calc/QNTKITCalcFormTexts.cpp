// The calculator window's text table.
#include "calc/QNTKITCalcFormTexts.h"

#include <iterator>

#include "kit/QNTKITStrings.h"

namespace qnt {

namespace {

constexpr TQNTTextRow kCalcFormTexts[] = {
    /* cfCalculator            */ {u"Calculator", {}},
    /* cfSinCaption            */ {u"sin", {}},
    /* cfCosCaption            */ {u"cos", {}},
    /* cfTanCaption            */ {u"tan", {}},
    /* cfInvCaption            */ {u"инв", u"inv"},
    /* cfLogCaption            */ {u"log", {}},
    /* cfLnCaption             */ {u"ln", {}},
    /* cfAllClearCaption       */ {u"AC", {}},
    /* cfClearCaption          */ {u"C", {}},
    /* cfMemoryClearCaption    */ {u"MC", {}},
    /* cfMemoryAddCaption      */ {u"M+", {}},
    /* cfMemorySubtractCaption */ {u"M-", {}},
    /* cfMemoryRecallCaption   */ {u"MR", {}},
    /* cfCopyHint              */ {u"Копировать значение в буфер обмена", u"Copy Value to ClipBoard"},
    /* cfPasteHint             */ {u"Вставить значение из буфера обмена", u"Paste Value from Clipboard"},
    /* cfDecimalPlacesHint     */ {u"Десятичных разрядов", u"Decimal Places"},
    /* cfCancelHint            */ {u"Выход без передачи результата", u"Exit and Do Not Transfer Result"},
    /* cfExitHint              */ {u"Выход и передача результата", u"Exit and Transfer Result"},
    /* cfSinHint               */ {u"Синус значения", u"Sine of Value"},
    /* cfCosHint               */ {u"Косинус значения", u"Cosine of Value"},
    /* cfTanHint               */ {u"Тангенс значения", u"Tangent of Value"},
    /* cfPercentHint           */ {u"x процент y", u"x Percent of y"},
    /* cfRadHint               */ {u"Радианы или градусы", u"Radians or Degrees"},
    /* cfInvHint               */ {u"Инвертировать операцию", u"Inverse Operation"},
    /* cfPowerHint             */ {u"Возвести в степень", u"Raised to the Power of"},
    /* cfSquareHint            */ {u"Квадрат значения", u"Squares the Value"},
    /* cfSqRootHint            */ {u"Квадратный корень из значения", u"Square Roots the Value"},
    /* cfInvertHint            */ {u"Инвертировать значение", u"Inverts the Value"},
    /* cfLogHint               */ {u"Десятичный логарифм", u"Logarithm to Base 10"},
    /* cfLnHint                */ {u"Натуральный логарифм", u"Natural Logarithm"},
    /* cfMultiplyHint          */ {u"Умножить", u"Multiply"},
    /* cfAllClearHint          */ {u"Очистить все", u"All Clear"},
    /* cfMemoryClearHint       */ {u"Очистка памяти", u"Clear Memory"},
    /* cfDivideHint            */ {u"Делить", u"Divide"},
    /* cfClearHint             */ {u"Очистить", u"Clear"},
    /* cfMemoryAddHint         */ {u"Сложить с памятью", u"Add To Memory"},
    /* cfAddHint               */ {u"Сложить", u"Add"},
    /* cfPiHint                */ {u"Pi (константа)", u"Pi (Constant)"},
    /* cfMemorySubtractHint    */ {u"Вычесть из памяти", u"Subtract From Memory"},
    /* cfChangeSignHint        */ {u"Изменить знак", u"Change Sign"},
    /* cfSubtractHint          */ {u"Вычесть", u"Subtract"},
    /* cfEHint                 */ {u"Натуральная константа", u"Natural Constant"},
    /* cfMemoryRecallHint      */ {u"Вызов памяти", u"Memory Recall"},
    /* cfBackSpaceHint         */ {u"BackSpace", {}},
    /* cfValueHint             */ {u"Значение", u"Value"},
    /* cfMemoryHint            */ {u"Память", u"Memory"},
};
static_assert(std::size(kCalcFormTexts) == cfCalcFormTextCount);

}  // namespace

QString CalcFormText(TQNTCalcFormTextId id) {
  if (id >= cfCalcFormTextCount) return {};
  const std::u16string_view text = kCalcFormTexts[id].In(TextLanguage);
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qnt
