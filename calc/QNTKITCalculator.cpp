// The calculator component, the free dialog routine and the carried-over defaults.
#include "calc/QNTKITCalculator.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <algorithm>
#include <charconv>
#include <string>

#include "calc/QNTKITCalcEdit.h"
#include "calc/QNTKITCalcFormTexts.h"
#include "calc/QNTKITCalcGlyphs.h"
#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITNumText.h"

namespace qnt {

bool CalcRadiansDefault = true;
Extended CalcMemoryDefault = 0;
QString CalcFontName = QStringLiteral("Arial");

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

/// The window a calculator window belongs to: the active one, so it stays above it.
QWidget* DialogParent() { return QApplication::activeWindow(); }

/// Holds a window for one modal run and frees it afterwards (also on error). A window that went away
/// with its parent during the run is not freed twice.
class TFormHolder {
 public:
  TFormHolder() : fForm(new TQNTCalcForm(DialogParent())) {}
  ~TFormHolder() { delete fForm.data(); }
  TFormHolder(const TFormHolder&) = delete;
  TFormHolder& operator=(const TFormHolder&) = delete;
  TQNTCalcForm* operator->() const { return fForm.data(); }
  TQNTCalcForm* get() const { return fForm.data(); }
  /// Shows the window modally; false when it went away during the run.
  bool Run() {
    fForm->exec();
    return !fForm.isNull();
  }

 private:
  QPointer<TQNTCalcForm> fForm;
};

/// A stored integer limited to 0 .. last.
int ClampedIndex(std::int32_t stored, int last) { return std::clamp<std::int32_t>(stored, 0, last); }

/// A stored memory value: the exact text the defaults are written in, else any number the store reads.
Extended ReadMemoryValue(TQNTStoreCtrl& store, const QString& ident, Extended defaultValue) {
  static const QRegularExpression kPlain(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
  const QString text = store.ReadString(ident, QString()).trimmed();
  if (kPlain.match(text).hasMatch()) {
    std::string ascii = text.toStdString();
    if (ascii.front() == '+') ascii.erase(0, 1);
    Extended value = 0;
    const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec == std::errc() && ptr == ascii.data() + ascii.size()) return value;
  }
  return TextToFloatOrDefault(text.toStdU16String(), defaultValue);
}

}  // namespace

// =============================================================================================
// TQNTCalculator

TQNTCalculator::TQNTCalculator(QObject* owner)
    : QObject(owner),
      fStoreSection(Q(DefaultIniSection)),
      fColorSet(std::make_unique<TQNTEditColorSet>()),
      fTitle(CalcFormText(cfCalculator)),
      fDispFont(CalcFontName),
      fExitHint(CalcFormText(cfExitHint)),
      fCalcEngine(TQNTCalcEngine::Create()) {}

TQNTCalculator::~TQNTCalculator() {
  if (fUICtrl) fUICtrl->RemoveFromNotifyList(this);
  // The edits are told first, while this component is whole: they drop the link and take their own
  // glyph again, without asking the component anything.
  const bool redraw = !QCoreApplication::closingDown();
  const auto list = fGlyphNotifyList;
  fGlyphNotifyList.clear();
  for (const auto& panel : list) {
    if (!panel) continue;
    if (auto* edit = qobject_cast<TQNTCalcEdit*>(panel.data()))
      edit->CalculatorGone(this, redraw);
    else if (redraw)
      panel->RedrawGlyph();
  }
}

QString TQNTCalculator::Version() const { return QString::fromUtf16(kKitVersion); }

void TQNTCalculator::SetUICtrl(TQNTUICtrl* value) {
  if (value == fUICtrl.data()) return;
  // The preferences component lists controls only, so it never calls the calculator back.
  if (fUICtrl) fUICtrl->RemoveFromNotifyList(this);
  fUICtrl = value;
  if (value) value->AddToNotifyList(this);
}

TQNTRegIniType TQNTCalculator::RegIni() const { return fStoreCtrl ? fStoreCtrl->RegIniType() : eriNeither; }

void TQNTCalculator::SetRegIni(TQNTRegIniType value) {
  if (fStoreCtrl) fStoreCtrl->SetRegIniType(value);
}

void TQNTCalculator::SetMemory(Extended value) {
  fMemory = value;
  CalcMemoryDefault = value;
}

// ---- Glyphs

void TQNTCalculator::SetCalcEditGlyph(const QPixmap& value) {
  fGlyph = value;
  NotifyGlyphChanged();
}

void TQNTCalculator::SetHiColorOnly(bool value) {
  if (value == fHiColorOnly) return;
  fHiColorOnly = value;
  NotifyGlyphChanged();
}

bool TQNTCalculator::UseGlyph() const {
  if (fGlyph.isNull()) return false;
  if (!fHiColorOnly) return true;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr && screen->depth() > 16;
}

void TQNTCalculator::AddToNotifyGlyphChanges(TQNTCustomBtnPanel* value) { fGlyphNotifyList.append(value); }

void TQNTCalculator::RemoveFromNotifyGlyphChanges(TQNTCustomBtnPanel* value) {
  for (qsizetype i = 0; i < fGlyphNotifyList.size(); ++i)
    if (fGlyphNotifyList[i].data() == value) {
      fGlyphNotifyList.removeAt(i);
      return;
    }
}

QList<TQNTCustomBtnPanel*> TQNTCalculator::GlyphNotifyList() const {
  QList<TQNTCustomBtnPanel*> list;
  for (const auto& panel : fGlyphNotifyList)
    if (panel) list.append(panel.data());
  return list;
}

void TQNTCalculator::NotifyGlyphChanged() {
  const auto list = fGlyphNotifyList;  // a redraw may change the list
  for (const auto& panel : list)
    if (panel) panel->RedrawGlyph();
}

// ---- Engine

void TQNTCalculator::ConfigureEngine(IQNTCalcEngine& engine) const {
  engine.SetPrecedence(fPrecedence);
  engine.SetDecimalPlaces(fDecimals);
  engine.SetTrimTrailingZeroes(fTrimTrailingZeroes);
  engine.SetOperatorSameLine(fOperatorSameLine);
  engine.SetThousandsSeparators(fShowThousandsSeparators);
  engine.SetLakhFormatting(fLakhFormatting);
  engine.SetPrefixFunctions(fPrefixFunctions);
  engine.SetBinaryPercent(fBinaryPercent);
  engine.InputValue(fValue);
  engine.SetMemory(fMemory);
}

std::shared_ptr<IQNTCalcEngine> TQNTCalculator::CalcEngine() {
  ConfigureEngine(*fCalcEngine);
  fCalcEngine->SetAngleMode(fRadians ? amRadians : amDegrees);
  return fCalcEngine;
}

// ---- Running the window

bool TQNTCalculator::Execute() {
  if (OnExecute) {
    bool result = false;
    OnExecute(this, result);
    return result;
  }
  TFormHolder form;
  form->ExitBtn->setToolTip(fExitHint);
  if (fUsePos)
    form->PlaceAt(fLeftPos, fTopPos);
  else
    form->SetPosition(fPosition);
  if (fStayOnTop) form->StayOnTop(true);
  form->setWindowTitle(fTitle);
  IQNTCalcEngine& engine = *form->CalcEngine();
  ConfigureEngine(engine);
  for (QLabel* display : {form->ValueDisplay, form->MemoryDisplay}) {
    QFont font = display->font();
    font.setFamily(fDispFont);
    display->setFont(font);
  }
  if (fUICtrl)
    form->DPSpin->SetUICtrl(fUICtrl);
  else
    form->DPSpin->SetColorSet(*fColorSet);
  engine.SetAngleMode(fRadians ? amRadians : amDegrees);
  form->DPSpin->SetValue(engine.GetDecimalPlaces());
  form->DPSpin->SetReadOnly(fReadOnlyDecimalPlaces);
  form->MemoryDisplay->setText(Q(engine.GetMemoryContents()));
  form->ValueDisplay->setText(Q(engine.GetDisplayStr()));
  form->RadBtn->setText(Q(engine.GetAngleModeStr()));
  form->SetPanelColor(fBackgroundColor);
  form->SetCalcFlat(fFlat);
  form->SetHideFnBtns(fSmallCalc);
  const std::pair<const QPixmap*, TQNTSpeedBtn*> glyphs[] = {{&fCloseGlyph, form->ExitBtn},
                                                             {&fCopyGlyph, form->CopyBtn},
                                                             {&fPasteGlyph, form->PasteBtn},
                                                             {&fCancelGlyph, form->CancelBtn}};
  for (const auto& [glyph, button] : glyphs) {
    if (glyph->isNull()) continue;
    const int images = std::max(glyph->width() / std::max(glyph->height(), 1), 1);
    button->setIcon(GlyphStripIcon(*glyph, images));
    button->setIconSize(QSize(glyph->width() / images, glyph->height()));
  }
  if (OnStartCalculator) OnStartCalculator(this, *form.get());

  if (!form.Run()) return false;
  const bool result = !form->Cancelled;
  const std::shared_ptr<IQNTCalcEngine> used = form->CalcEngine();
  fLastError = Q(used->GetLastError());
  if (result) {
    fRadians = used->GetAngleMode() == amRadians;
    fValue = used->GetDisplayValue();
    fValueDisp = Q(used->GetDisplayStr());
    fMemory = used->GetMemoryValue();  // the field only: the window's destruction sets the default
    fDecimals = used->GetDecimalPlaces();
    fTrimTrailingZeroes = used->GetTrimTrailingZeroes();
    fOperatorSameLine = used->GetOperatorSameLine();
    fShowThousandsSeparators = used->GetThousandsSeparators();
    fLakhFormatting = used->GetLakhFormatting();
    fPrefixFunctions = used->GetPrefixFunctions();
    fBinaryPercent = used->GetBinaryPercent();
    fPrecedence = used->GetPrecedence();
  }
  return result;
}

bool TQNTCalculator::ExecutePos(int leftPos, int topPos) {
  if (OnExecutePos) {
    bool result = false;
    OnExecutePos(this, leftPos, topPos, result);
    return result;
  }
  fUsePos = true;
  fLeftPos = leftPos;
  fTopPos = topPos;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{fUsePos};
  return Execute();
}

// ---- Persistence

template <class F>
void TQNTCalculator::WithOwnSection(F&& work) {
  TQNTStoreCtrl* store = fStoreCtrl.Get();
  if (store == nullptr || store->RegIniType() == eriNeither) return;
  struct Restore {
    TQNTStoreCtrl* store;
    QString iniSection, regSection;
    ~Restore() {
      store->SetIniSection(iniSection);
      store->SetRegSection(regSection);
    }
  } restore{store, store->IniSection(), store->RegSection()};
  store->SetIniSection(fStoreSection);
  store->SetRegSection(fStoreSection);
  store->WithStorage([&] { work(*store); });
}

void TQNTCalculator::LoadFromStore() {
  WithOwnSection([this](TQNTStoreCtrl& s) {
    fRadians = s.ReadBoolean(QStringLiteral("Radians"), fRadians);
    // A number of decimal places beyond the calculator's 18 is limited to it.
    fDecimals = static_cast<std::uint8_t>(
        ClampedIndex(s.ReadInteger(QStringLiteral("Decimal Places"), fDecimals), kMaxDecimals));
    fUseMemory = s.ReadBoolean(QStringLiteral("Use Memory"), fUseMemory);
    if (fUseMemory)
      fMemory = s.ReadFloat(QStringLiteral("Memory"), static_cast<double>(fMemory));
    else
      fMemory = 0;
    fDispFont = s.ReadString(QStringLiteral("DispFont"), fDispFont);
    fTrimTrailingZeroes = s.ReadBoolean(QStringLiteral("Trim Trailing Zeroes"), fTrimTrailingZeroes);
    fShowThousandsSeparators =
        s.ReadBoolean(QStringLiteral("Show Thousands Separators"), fShowThousandsSeparators);
    fLakhFormatting = s.ReadBoolean(QStringLiteral("Lakh Formatting"), fLakhFormatting);
    fPrefixFunctions = s.ReadBoolean(QStringLiteral("Prefix Functions"), fPrefixFunctions);
    fPrecedence = s.ReadBoolean(QStringLiteral("Precedence"), fPrecedence);
    // A position that is no form position is limited to the valid ones.
    fPosition = static_cast<TPosition>(
        ClampedIndex(s.ReadInteger(QStringLiteral("Position"), fPosition), kLastPosition));
    fStayOnTop = s.ReadBoolean(QStringLiteral("Stay On Top"), fStayOnTop);
    fOperatorSameLine = s.ReadBoolean(QStringLiteral("Operator Same Line"), fOperatorSameLine);
    fBinaryPercent = s.ReadBoolean(QStringLiteral("Binary Percent"), fBinaryPercent);
  });
}

void TQNTCalculator::SaveToStore() {
  WithOwnSection([this](TQNTStoreCtrl& s) {
    s.WriteBoolean(QStringLiteral("Radians"), fRadians);
    s.WriteInteger(QStringLiteral("Decimal Places"), fDecimals);
    s.WriteBoolean(QStringLiteral("Use Memory"), fUseMemory);
    s.WriteFloat(QStringLiteral("Memory"), static_cast<double>(fMemory), 15);
    s.WriteString(QStringLiteral("DispFont"), fDispFont);
    s.WriteBoolean(QStringLiteral("Trim Trailing Zeroes"), fTrimTrailingZeroes);
    s.WriteBoolean(QStringLiteral("Show Thousands Separators"), fShowThousandsSeparators);
    s.WriteBoolean(QStringLiteral("Lakh Formatting"), fLakhFormatting);
    s.WriteBoolean(QStringLiteral("Prefix Functions"), fPrefixFunctions);
    s.WriteBoolean(QStringLiteral("Precedence"), fPrecedence);
    s.WriteInteger(QStringLiteral("Position"), fPosition);
    s.WriteBoolean(QStringLiteral("Stay On Top"), fStayOnTop);
    s.WriteBoolean(QStringLiteral("Operator Same Line"), fOperatorSameLine);
    s.WriteBoolean(QStringLiteral("Binary Percent"), fBinaryPercent);
  });
}

// =============================================================================================
// The free dialog routine

bool ShowCalculatorDialog(const QString& title, Extended& value, int left, int top, const QString& fontName,
                          std::uint8_t decimals, bool flat) {
  const QString heldFontName = CalcFontName;
  struct RestoreFont {
    const QString& held;
    ~RestoreFont() { CalcFontName = held; }
  } restoreFont{heldFontName};
  if (!fontName.isEmpty()) CalcFontName = fontName;

  bool result = false;
  {
    TFormHolder form;
    LoadCalculatorDefaults();
    IQNTCalcEngine& engine = *form->CalcEngine();
    engine.SetAngleMode(CalcRadiansDefault ? amRadians : amDegrees);
    engine.SetMemory(CalcMemoryDefault);
    if (left != -1 || top != -1) {
      form->PlaceAt(left != -1 ? left : form->x(), top != -1 ? top : form->y());
    }
    form->setWindowTitle(title);
    engine.SetDecimalPlaces(decimals);
    form->MemoryDisplay->setText(Q(engine.GetMemoryContents()));
    form->ValueDisplay->setText(Q(engine.GetDisplayStr()));
    form->RadBtn->setText(Q(engine.GetAngleModeStr()));
    // The whole 80-bit value: leaving the window with Exit gives back exactly the value it was given.
    engine.InputValue(value);
    form->SetCalcFlat(flat);
    if (!form.Run()) return false;
    result = !form->Cancelled;
    const std::shared_ptr<IQNTCalcEngine> used = form->CalcEngine();
    if (result) value = used->GetDisplayValue();
    CalcRadiansDefault = used->GetAngleMode() == amRadians;
    CalcMemoryDefault = used->GetMemoryValue();
  }
  // Saved after the window was freed, so a store error reaches the caller with the window gone.
  SaveCalculatorDefaults();
  return result;
}

bool ShowCalculatorDialog(const QString& title, Extended& value, std::uint8_t decimals, bool flat) {
  return ShowCalculatorDialog(title, value, -1, -1, QString(), decimals, flat);
}

bool ShowCalculatorDialog(const QString& title, Extended& value, int left, int top, std::uint8_t decimals,
                          bool flat) {
  return ShowCalculatorDialog(title, value, left, top, QString(), decimals, flat);
}

// ---- Carried-over defaults in the kit's default store

void LoadCalculatorDefaults() {
  if (DefaultRegIniType == eriNeither) return;
  TQNTStoreCtrl store;  // the kit's default kind, paths and sections, with their placeholders expanded
  store.WithStorage([&] {
    CalcRadiansDefault = store.ReadBoolean(QStringLiteral("Radians"), CalcRadiansDefault);
    CalcMemoryDefault = ReadMemoryValue(store, QStringLiteral("Memory"), CalcMemoryDefault);
    CalcFontName = store.ReadString(QStringLiteral("DispFont"), CalcFontName);
  });
}

void SaveCalculatorDefaults() {
  if (DefaultRegIniType == eriNeither) return;
  TQNTStoreCtrl store;
  store.WithStorage([&] {
    store.WriteBoolean(QStringLiteral("Radians"), CalcRadiansDefault);
    // The shortest text that reads back to the same 80-bit value.
    store.WriteString(QStringLiteral("Memory"),
                      QString::fromStdString(FloatToShortestText(CalcMemoryDefault)));
    store.WriteString(QStringLiteral("DispFont"), CalcFontName);
  });
  store.UpdateFile();  // a buffered file is written now, so its errors reach the caller
}

}  // namespace qnt
