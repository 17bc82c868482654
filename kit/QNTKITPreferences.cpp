// The preference-resolution rule shared by every kit control.
#include "kit/QNTKITPreferences.h"

#include "kit/QNTKITDefaults.h"

namespace qnt {

TQNTNavigationPrefs ResolveNavigation(const IQNTUIPreferences* ui, TQNTUIUsageTypes usage) {
  if (UsesPreferences(ui, usage, eutNavigation))
    return {ui->EnterAsTab(), ui->ESCAsUndo(), ui->ArrowsAsTab(), ui->NoTabStopOnReadOnly()};
  return {DefaultEnterAsTab, DefaultESCAsUndo, DefaultArrowsAsTab, DefaultNoTabStopOnReadOnly};
}

TQNTBlankNullPrefs ResolveBlankNull(const IQNTUIPreferences* ui, TQNTUIUsageTypes usage, TQNTBlankType kind,
                                    const TQNTBlankNullPrefs& own) {
  if (!UsesPreferences(ui, usage, eutBlank_Null)) return own;
  TQNTBlankNullPrefs r;
  r.NullStr = ui->NullStr();
  r.AllowKbdNull = ui->AllowKbdNull();
  const TQNTBlankType typed = ui->UseTypesInBlanks() ? kind : btAll;
  switch (typed) {
    case btDate:
      r.BlankWhenNull = ui->DateBlankWhenNull();
      r.BlankWhenZero = ui->DateBlankWhenZero();
      r.BlankIsNull = ui->DateBlankIsNull();
      break;
    case btCurrency:
      r.BlankWhenNull = ui->CurrBlankWhenNull();
      r.BlankWhenZero = ui->CurrBlankWhenZero();
      r.BlankIsNull = ui->CurrBlankIsNull();
      break;
    case btAll:
      r.BlankWhenNull = ui->BlankWhenNull();
      r.BlankWhenZero = ui->BlankWhenZero();
      r.BlankIsNull = ui->BlankIsNull();
      break;
  }
  return r;
}

bool ResolveNegAsBrackets(const IQNTUIPreferences* ui, TQNTUIUsageTypes usage, bool own) {
  return UsesPreferences(ui, usage, eutFormat) ? ui->NegAsBrackets() : own;
}

bool UsesPreferenceColorSet(const IQNTUIPreferences* ui, TQNTUIUsageTypes usage) {
  return UsesPreferences(ui, usage, eutColorSet) && ui->HasColorSet();
}

}  // namespace qnt
