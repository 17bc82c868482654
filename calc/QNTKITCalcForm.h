// The calculator window: a small fixed-size modal dialog with a value display, a memory display, a
// decimal-places spin edit and a grid of speed buttons, driving one calculation engine. The window only
// maps buttons and keys onto engine operations, mirrors the engine's display, memory and decimal
// places, copies and pastes through the clipboard and tells its caller how it was left (Cancelled).
//
//   key press --(key preview: the window sees every key first)--> FormKeyDown / FormKeyPress tables
//   button click ------------------------------------------------> the button's engine operation
//   engine --OnDisplayChange / OnMemoryChange / OnDecimalPlacesChange--> ValueDisplay, MemoryDisplay, DPSpin
//
// It is created, configured and freed by the calculator component and the dialog routine
// (QNTKITCalculator.h), which the calculator edit uses for its drop-down.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "calc/QNTKITCalcEngine.h"
#include "controls/QNTKITPanels.h"
#include "kit/QNTKITTypes.h"

class QMouseEvent;

namespace qnt {

/// Help context of the full layout (40100) and of the small layout (40200).
extern int CalcHelpContext;
extern int SmallCalcHelpContext;

/// Where a window is placed when shown, with the original platform's ordinals (stored as numbers).
enum TPosition : std::uint8_t {
  poDesigned,         ///< where the caller put it
  poDefault,          ///< where the window system puts it
  poDefaultPosOnly,   ///< as poDefault
  poDefaultSizeOnly,  ///< as poDesigned (the size is fixed anyway)
  poScreenCenter,     ///< centred on the work area of its screen
  poDesktopCenter,    ///< centred on its whole screen
  poMainFormCenter,   ///< centred over the application's active window
  poOwnerFormCenter   ///< centred over its owner window
};
/// The largest valid TPosition ordinal.
inline constexpr int kLastPosition = poOwnerFormCenter;

class TQNTCalcForm : public QDialog {
  Q_OBJECT

 public:
  /// Creates the window with its controls and a fresh engine (all clear), in the full layout.
  explicit TQNTCalcForm(QWidget* parent = nullptr);
  /// When the window was not cancelled, its angle mode and memory become the carried-over defaults of
  /// the next dialog (CalcRadiansDefault, CalcMemoryDefault); then the engine is released.
  ~TQNTCalcForm() override;

  // ---- Components (owned by the window)
  QFrame* CalcPanel = nullptr;  ///< holds everything; keeps the keyboard focus
  TQNTSpeedBtn *ZeroBtn = nullptr, *OneBtn = nullptr, *TwoBtn = nullptr, *ThreeBtn = nullptr,
               *FourBtn = nullptr, *FiveBtn = nullptr, *SixBtn = nullptr, *SevenBtn = nullptr,
               *EightBtn = nullptr, *NineBtn = nullptr;
  TQNTSpeedBtn *PointBtn = nullptr, *ChangeSignBtn = nullptr, *EqualsBtn = nullptr, *SubtractBtn = nullptr,
               *AddBtn = nullptr, *DivideBtn = nullptr, *MultiplyBtn = nullptr, *LeftBracketBtn = nullptr,
               *RightBracketBtn = nullptr, *AllClearBtn = nullptr, *ClearBtn = nullptr;
  TQNTSpeedBtn *MemoryClearBtn = nullptr, *MemoryAddBtn = nullptr, *MemorySubtractBtn = nullptr,
               *MemoryRecallBtn = nullptr;
  TQNTSpeedBtn *PowerBtn = nullptr, *PiBtn = nullptr, *EBtn = nullptr, *SquareBtn = nullptr,
               *SqRootBtn = nullptr, *InvertBtn = nullptr, *LogBtn = nullptr, *LNBtn = nullptr;
  TQNTSpeedBtn *ExitBtn = nullptr, *CopyBtn = nullptr, *PasteBtn = nullptr, *CancelBtn = nullptr;
  TQNTSpeedBtn *SinBtn = nullptr, *CosBtn = nullptr, *TanBtn = nullptr, *InvBtn = nullptr;
  TQNTSpeedBtn *BackSpaceBtn = nullptr, *RadBtn = nullptr, *PercentBtn = nullptr;
  QLabel* ValueDisplay = nullptr;
  QLabel* MemoryDisplay = nullptr;
  TQNTPosSpinEdit* DPSpin = nullptr;  ///< the engine's decimal places, 0 .. 18, changed by its buttons only

  /// True when the window was left with Cancel (or Esc). Exit, F10, Ctrl+X and the close box leave it.
  bool Cancelled = false;

  /// The window's engine; callers configure it before showing the window and read it afterwards.
  const std::shared_ptr<IQNTCalcEngine>& CalcEngine() const { return fCalcEngine; }

  // ---- Operations used by the callers
  /// Font of every button (except those drawn in "Symbol"), of the spin edit and of both displays.
  void SetFontName(const QString& fontName);
  /// Caption, button captions and hints from the text table in the kit's current language.
  void UpdateLanguage();
  bool CalcFlat() const { return fFlat; }
  /// Flat buttons and spin edit, and the panel in the button face colour instead of clBackground.
  void SetCalcFlat(bool value);
  bool HideFnBtns() const { return fHideFnBtns; }
  /// The small layout without the thirteen function buttons.
  void SetHideFnBtns(bool value);
  bool IsStayOnTop() const { return fStayOnTop; }
  /// Keeps the window above all others (a visible window is not activated, moved or resized).
  void StayOnTop(bool value);
  /// Lays the window out for the current layout (sizes, rows, visible buttons, help context).
  void RedrawCalc();
  /// Flat look of the decimal-places spin edit's colour set; writing sets Flat and FlatBtns.
  bool FlatSpin() const;
  void SetFlatSpin(bool value);
  /// The panel's colour (clBackground; clBtnFace while flat).
  TColor PanelColor() const { return fPanelColor; }
  void SetPanelColor(TColor value);
  int HelpContext() const { return fHelpContext; }
  /// Placement when shown (poScreenCenter unless a caller chose otherwise).
  TPosition Position() const { return fPosition; }
  void SetPosition(TPosition value);
  /// Puts the window at a screen position and switches it to poDesigned.
  void PlaceAt(int left, int top);

  // ---- The key preview's tables (run for every key the window gets)
  /// The character table: letters are taken upper case; the key is passed on unchanged.
  void FormKeyPress(char16_t& key);
  /// The key-down table; a key it handles is set to 0 (consumed).
  void FormKeyDown(std::uint16_t& key, TShiftState shift);

  // ---- Click handlers with more than an engine operation
  void ExitBtnClick();
  void CancelBtnClick();
  void CopyBtnClick();
  void PasteBtnClick();
  void RadBtnClick();
  void DPSpinChange();
  /// Runs the click handler of one of the window's buttons (also a hidden one), as the key map does.
  void ClickButton(TQNTSpeedBtn* button);

  /// The window's speed buttons, in creation order.
  const std::vector<TQNTSpeedBtn*>& Buttons() const { return fButtons; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  using TClickHandler = void (*)(TQNTCalcForm&);
  void CreateControls();
  void FormCreate();
  void RefreshDisplays();
  void ApplyPanelColor();
  void ApplyStayOnTop();
  void PlaceOnShow();
  bool PreviewKey(QWidget* receiver, QKeyEvent* event);
  bool IsPanelPart(const QWidget* widget) const;

  std::shared_ptr<IQNTCalcEngine> fCalcEngine;
  std::vector<TQNTSpeedBtn*> fButtons;
  std::vector<std::pair<TQNTSpeedBtn*, TClickHandler>> fHandlers;
  bool fFlat = false;
  bool fHideFnBtns = false;
  bool fStayOnTop = false;
  TColor fPanelColor = clBackground;
  int fHelpContext = 0;
  TPosition fPosition = poScreenCenter;
  // The key event being previewed and the widget it was last seen at: the same event travelling on
  // to the parents of that widget is not previewed again.
  const QEvent* fPreviewEvent = nullptr;
  QPointer<QWidget> fPreviewReceiver;
};

}  // namespace qnt
