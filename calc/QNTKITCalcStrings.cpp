// The calculator layer's text table: the texts as shipped, English to be added beside them.
#include "calc/QNTKITCalcStrings.h"

#include <iterator>

namespace qnt {

namespace {

constexpr TQNTTextRow kCalcTexts[] = {
    /* ctError            */ {u"Error!", {}},
    /* ctErrorLine        */ {u"- - - - ERROR - - - -", {}},
    /* ctPaperLine        */ {u"- - - - - - - - - - -", {}},
    /* ctMemoryPrefix     */ {u"M: ", {}},
    /* ctMemoryClear      */ {u"MC", {}},
    /* ctMemoryAdd        */ {u"M+", {}},
    /* ctMemorySubtract   */ {u"M-", {}},
    /* ctMemoryRecall     */ {u"MR", {}},
    /* ctPowerLabel       */ {u"x ^ y", {}},
    /* ctRootLabel        */ {u"x ^ 1/y", {}},
    /* ctChangeSign       */ {u"+/-", {}},
    /* ctDegrees          */ {u"гра", {}},
    /* ctRadians          */ {u"рад", {}},
    /* ctGrads            */ {u"gra", {}},
    /* ctInvalidEquation  */ {u"Invalid Equation", {}},
    /* ctDivisionByZero   */ {u"Деление на ноль", {}},
    /* ctNegativeRoot     */ {u"Квадратный корень из отрицательного", {}},
    /* ctNotReal          */ {u"Не действительное значение", {}},
    /* ctAtMostOne        */ {u"Значение должно быть <= 1", {}},
    /* ctAngleTooLarge    */ {u"Величина угла слишком велика", {}},
    /* ctMustBePositive   */ {u"Значение должно быть > 0", {}},
    /* ctUndefined        */ {u"Не определено для этого значения", {}},
    /* ctFloatOverflow    */ {u"Floating point overflow", {}},
    /* ctFloatInvalid     */ {u"Invalid floating point operation", {}},
    /* ctFloatZeroDivide  */ {u"Floating point division by zero", {}},
    /* ctRoundPlaces      */ {u"Rounding places must be from -18 to 18", {}},
    /* ctOutOfMemory      */ {u"Out of memory", {}},
    /* ctUnexpectedError  */ {u"Unexpected error", {}},
    /* ctUnknownFunction  */ {u"Unknown Function", {}},
    /* ctLabelSin         */ {u"sin", {}},
    /* ctLabelArcSin      */ {u"arcsin", {}},
    /* ctLabelSinh        */ {u"sinh", {}},
    /* ctLabelArSinh      */ {u"arsinh", {}},
    /* ctLabelCos         */ {u"cos", {}},
    /* ctLabelArcCos      */ {u"arccos", {}},
    /* ctLabelCosh        */ {u"cosh", {}},
    /* ctLabelArCosh      */ {u"arcosh", {}},
    /* ctLabelTan         */ {u"tan", {}},
    /* ctLabelArcTan      */ {u"arctan", {}},
    /* ctLabelTanh        */ {u"tanh", {}},
    /* ctLabelArTanh      */ {u"artanh", {}},
    /* ctLabelLog         */ {u"log", {}},
    /* ctLabelTenPower    */ {u"10^x", {}},
    /* ctLabelLn          */ {u"ln", {}},
    /* ctLabelExp         */ {u"e^x", {}},
    /* ctLabelLog2        */ {u"log2", {}},
    /* ctLabelTwoPower    */ {u"2^x", {}},
    /* ctLabelSqrt        */ {u"sqrt", {}},
    /* ctLabelSquare      */ {u"x^2", {}},
    /* ctLabelInvert      */ {u"1/x", {}},
    /* ctLabelAbs         */ {u"abs", {}},
    /* ctLabelFloor       */ {u"floor", {}},
    /* ctLabelCeiling     */ {u"ceiling", {}},
    /* ctLabelSign        */ {u"sign", {}},
    /* ctLabelGamma       */ {u"gamma", {}},
    /* ctLabelLnGamma     */ {u"ln gamma", {}},
    /* ctLabelRound       */ {u"round", {}},
};
static_assert(std::size(kCalcTexts) == ctCalcTextCount);

}  // namespace

std::u16string_view CalcText(TQNTCalcTextId id) {
  return id < ctCalcTextCount ? kCalcTexts[id].In(TextLanguage) : std::u16string_view{};
}

}  // namespace qnt
