// Two ways to run the calculator window for a value:
//
//   TQNTCalculator         a non-visual component holding every calculator setting. Execute /
//                          ExecutePos run a fresh window modally, and on Exit take the result and the
//                          settings the user changed back; LoadFromStore / SaveToStore keep the settings
//                          in a settings store; CalcEngine hands out a configured engine for windowless
//                          use; CalcEditGlyph is the button picture of attached calculator edits.
//   ShowCalculatorDialog   a free routine: runs a window for one value, carrying the angle mode, the
//                          memory and the display font over from one call to the next in the unit
//                          variables below, which it also keeps in the kit's default store.
//
// The calculator edit uses an attached component when it has one, the free routine otherwise. Both hand
// the value to the engine at full precision, and take the engine's full-precision value back.
#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "calc/QNTKITCalcEngine.h"
#include "calc/QNTKITCalcForm.h"
#include "controls/QNTKITColorSets.h"
#include "controls/QNTKITPanels.h"
#include "controls/QNTKITUICtrl.h"
#include "kit/QNTKITTypes.h"
#include "store/QNTKITStoreCtrl.h"

namespace qnt {

// ---- Carried-over defaults of the calculator (user-interface thread only)

/// Angle mode of the next dialog: true radians, false degrees (initially true).
extern bool CalcRadiansDefault;
/// Memory register carried from one dialog to the next (initially 0).
extern Extended CalcMemoryDefault;
/// Font of the buttons and displays of a new calculator window (initially "Arial").
extern QString CalcFontName;

/// Fired just before the component's window is shown; the handler may change the window.
using TQNTCalcFormEvent = std::function<void(QObject* Sender, TQNTCalcForm& CalcForm)>;
/// Replaces the whole of Execute.
using TQNTCalcExecuteEvent = std::function<void(QObject* Sender, bool& Result)>;
/// Replaces the whole of ExecutePos.
using TQNTCalcExecutePosEvent = std::function<void(QObject* Sender, int LeftPos, int TopPos, bool& Result)>;

/// The calculator component.
class TQNTCalculator : public QObject {
  Q_OBJECT

 public:
  explicit TQNTCalculator(QObject* owner = nullptr);
  /// Attached calculator edits forget the component (and show their own glyph again).
  ~TQNTCalculator() override;

  // ---- Links (referred to, never owned)
  TQNTUICtrl* UICtrl() const { return fUICtrl.data(); }
  void SetUICtrl(TQNTUICtrl* value);
  TQNTStoreCtrl* StoreCtrl() const { return fStoreCtrl.Get(); }
  void SetStoreCtrl(TQNTStoreCtrl* value) { fStoreCtrl.Set(value); }
  /// Section of the store the settings are kept in (initially DefaultIniSection).
  const QString& StoreSection() const { return fStoreSection; }
  void SetStoreSection(const QString& value) { fStoreSection = value; }
  /// The store's kind, or eriNeither without a store; writing sets the store's kind.
  TQNTRegIniType RegIni() const;
  void SetRegIni(TQNTRegIniType value);

  // ---- Look
  /// Colour set of the window's decimal-places spin edit when no preferences component is attached.
  TQNTEditColorSet* ColorSet() const { return fColorSet.get(); }
  void SetColorSet(const TQNTEditColorSet& value) { fColorSet->Assign(value); }
  bool FlatSpin() const { return fColorSet->Flat(); }
  void SetFlatSpin(bool value) { fColorSet->SetFlat(value); }
  bool Flat() const { return fFlat; }
  void SetFlat(bool value) { fFlat = value; }
  bool SmallCalc() const { return fSmallCalc; }
  void SetSmallCalc(bool value) { fSmallCalc = value; }
  const QString& DispFont() const { return fDispFont; }
  void SetDispFont(const QString& value) { fDispFont = value; }
  const QString& Title() const { return fTitle; }
  void SetTitle(const QString& value) { fTitle = value; }
  TColor ColorBackground() const { return fBackgroundColor; }
  void SetColorBackground(TColor value) { fBackgroundColor = value; }
  const QString& ExitHint() const { return fExitHint; }
  void SetExitHint(const QString& value) { fExitHint = value; }
  TPosition Position() const { return fPosition; }
  void SetPosition(TPosition value) { fPosition = value; }
  /// Kept in the store only (no published property in the original).
  bool StayOnTop() const { return fStayOnTop; }
  void SetStayOnTop(bool value) { fStayOnTop = value; }
  QString Version() const;

  // ---- Glyphs
  const QPixmap& CalcEditGlyph() const { return fGlyph; }
  /// Copies the picture and tells every attached calculator edit to redraw its glyph.
  void SetCalcEditGlyph(const QPixmap& value);
  bool HiColorOnly() const { return fHiColorOnly; }
  void SetHiColorOnly(bool value);
  const QPixmap& CloseGlyph() const { return fCloseGlyph; }
  void SetCloseGlyph(const QPixmap& value) { fCloseGlyph = value; }
  const QPixmap& CancelGlyph() const { return fCancelGlyph; }
  void SetCancelGlyph(const QPixmap& value) { fCancelGlyph = value; }
  const QPixmap& CopyGlyph() const { return fCopyGlyph; }
  void SetCopyGlyph(const QPixmap& value) { fCopyGlyph = value; }
  const QPixmap& PasteGlyph() const { return fPasteGlyph; }
  void SetPasteGlyph(const QPixmap& value) { fPasteGlyph = value; }
  /// CalcEditGlyph is set and may be shown (not HiColorOnly on a screen of 16 bits per pixel or less).
  bool UseGlyph() const;
  /// Lists an edit to tell when the glyph changes (no check for duplicates).
  void AddToNotifyGlyphChanges(TQNTCustomBtnPanel* value);
  /// Removes the first occurrence.
  void RemoveFromNotifyGlyphChanges(TQNTCustomBtnPanel* value);
  /// The listed edits that still exist.
  QList<TQNTCustomBtnPanel*> GlyphNotifyList() const;

  // ---- Value and engine settings
  Extended Value() const { return fValue; }
  void SetValue(Extended value) { fValue = value; }
  /// Display text of the last result.
  const QString& ValueDisp() const { return fValueDisp; }
  void SetValueDisp(const QString& value) { fValueDisp = value; }
  Extended Memory() const { return fMemory; }
  /// Also becomes the memory of the next free dialog (CalcMemoryDefault).
  void SetMemory(Extended value);
  bool Radians() const { return fRadians; }
  void SetRadians(bool value) { fRadians = value; }
  /// Whether LoadFromStore restores the memory.
  bool LoadMemoryAtStart() const { return fUseMemory; }
  void SetLoadMemoryAtStart(bool value) { fUseMemory = value; }
  std::uint8_t DecimalPlaces() const { return fDecimals; }
  void SetDecimalPlaces(std::uint8_t value) { fDecimals = value; }
  bool Precedence() const { return fPrecedence; }
  void SetPrecedence(bool value) { fPrecedence = value; }
  bool PrefixFunctions() const { return fPrefixFunctions; }
  void SetPrefixFunctions(bool value) { fPrefixFunctions = value; }
  bool TrimTrailingZeroes() const { return fTrimTrailingZeroes; }
  void SetTrimTrailingZeroes(bool value) { fTrimTrailingZeroes = value; }
  bool OperatorSameLine() const { return fOperatorSameLine; }
  void SetOperatorSameLine(bool value) { fOperatorSameLine = value; }
  bool ShowThousandsSeparators() const { return fShowThousandsSeparators; }
  void SetShowThousandsSeparators(bool value) { fShowThousandsSeparators = value; }
  bool LakhFormatting() const { return fLakhFormatting; }
  void SetLakhFormatting(bool value) { fLakhFormatting = value; }
  bool BinaryPercent() const { return fBinaryPercent; }
  void SetBinaryPercent(bool value) { fBinaryPercent = value; }
  /// A calculator edit does not push its decimal places and trimming into the component.
  bool OverrideDecimalPlaces() const { return fOverrideDecimalPlaces; }
  void SetOverrideDecimalPlaces(bool value) { fOverrideDecimalPlaces = value; }
  /// A calculator edit takes the decimal places back from the component.
  bool ReturnDecimalPlaces() const { return fReturnDecimalPlaces; }
  void SetReturnDecimalPlaces(bool value) { fReturnDecimalPlaces = value; }
  /// The window's decimal-places spin edit is read-only.
  bool ReadOnlyDecimalPlaces() const { return fReadOnlyDecimalPlaces; }
  void SetReadOnlyDecimalPlaces(bool value) { fReadOnlyDecimalPlaces = value; }
  /// The engine's error text of the last Execute (also after Cancel).
  const QString& LastError() const { return fLastError; }

  /// The component's own engine, configured from the properties with the entry reset to Value (every
  /// read does this). It stays the same engine for the component's life.
  std::shared_ptr<IQNTCalcEngine> CalcEngine();

  // ---- Running the window
  /// Runs the window modally; true when it was left with Exit (or its close box), and then the result
  /// and the settings changed in the window are taken back.
  bool Execute();
  /// Execute with the window's top-left corner at a screen position.
  bool ExecutePos(int leftPos, int topPos);

  // ---- Persistence (only with a store whose kind is not eriNeither)
  /// Reads every setting under StoreSection, each with its current value as default; a stored number of
  /// decimal places or position outside its range is limited to it.
  virtual void LoadFromStore();
  virtual void SaveToStore();

  TQNTCalcFormEvent OnStartCalculator;
  TQNTCalcExecuteEvent OnExecute;
  TQNTCalcExecutePosEvent OnExecutePos;

 private:
  void ConfigureEngine(IQNTCalcEngine& engine) const;
  void NotifyGlyphChanged();
  /// Runs `work` between the store's OpenStorage and CloseStorage with both of its sections set to
  /// StoreSection, restoring them afterwards (also on error).
  template <class F>
  void WithOwnSection(F&& work);

  TQNTStoreLink fStoreCtrl{this};
  QString fStoreSection;
  std::unique_ptr<TQNTEditColorSet> fColorSet;
  QPointer<TQNTUICtrl> fUICtrl;
  QString fLastError;
  bool fRadians = true;
  Extended fMemory = 0;
  bool fUseMemory = true;
  Extended fValue = 0;
  QString fValueDisp = QStringLiteral("0");
  std::uint8_t fDecimals = 4;
  QString fTitle;
  QString fDispFont;
  bool fFlat = false;
  bool fSmallCalc = false;
  QPixmap fGlyph;
  QPixmap fCloseGlyph, fCopyGlyph, fPasteGlyph, fCancelGlyph;
  QList<QPointer<TQNTCustomBtnPanel>> fGlyphNotifyList;
  bool fHiColorOnly = false;
  int fLeftPos = 0;
  int fTopPos = 0;
  bool fUsePos = false;
  bool fOverrideDecimalPlaces = false;
  bool fReturnDecimalPlaces = false;
  bool fReadOnlyDecimalPlaces = false;
  TColor fBackgroundColor = clBackground;
  bool fTrimTrailingZeroes = false;
  bool fOperatorSameLine = false;
  bool fLakhFormatting = false;
  bool fStayOnTop = false;
  bool fPrefixFunctions = false;
  bool fBinaryPercent = true;
  bool fShowThousandsSeparators = true;
  QString fExitHint;
  TPosition fPosition = poScreenCenter;
  bool fPrecedence = true;
  std::shared_ptr<IQNTCalcEngine> fCalcEngine;
};

// ---- The free dialog routine

/// Runs a calculator window for Value; true (and Value := the engine's value) when it was left with Exit
/// or its close box. Left or Top other than -1 place the window there; a non-empty FontName is the
/// window's font for this call. The angle mode and memory of the last dialog come back, and the ones
/// of this dialog are kept (also after Cancel) and saved with SaveCalculatorDefaults; store errors
/// propagate after the window was freed.
bool ShowCalculatorDialog(const QString& title, Extended& value, int left, int top, const QString& fontName,
                          std::uint8_t decimals, bool flat);
/// Centred on the screen.
bool ShowCalculatorDialog(const QString& title, Extended& value, std::uint8_t decimals, bool flat);
/// At a screen position.
bool ShowCalculatorDialog(const QString& title, Extended& value, int left, int top, std::uint8_t decimals,
                          bool flat);

/// Reads "Radians", "Memory" and "DispFont" into the carried-over defaults from the kit's default store
/// (DefaultRegIniType with its path and section, placeholders expanded). Nothing with eriNeither.
void LoadCalculatorDefaults();
/// Writes the carried-over defaults there.
void SaveCalculatorDefaults();

}  // namespace qnt
