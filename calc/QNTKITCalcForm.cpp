// The calculator window: controls built from a table, the layout pass, the key preview, clipboard,
// flat look, stay-on-top, placement and the carried-over defaults.
#include "calc/QNTKITCalcForm.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <iterator>

#include "calc/QNTKITCalcFormTexts.h"
#include "calc/QNTKITCalcGlyphs.h"
#include "calc/QNTKITCalculator.h"
#include "controls/QNTKITColorSets.h"
#include "controls/QNTKITErrorDisplay.h"
#include "controls/QNTKITKeys.h"
#include "kit/QNTKITDefaults.h"

namespace qnt {

int CalcHelpContext = 40100;
int SmallCalcHelpContext = 40200;

namespace {

constexpr int kButtonWidth = 30;   // W
constexpr int kButtonHeight = 22;  // H
constexpr int kDisplayHeight = 24;
constexpr int kColumnX[] = {5, 35, 65, 95, 125, 155};
constexpr int kNoText = -1;
constexpr int kWindowFont = 0;  // the window's own font (Arial 8 pt bold)

enum TRow : std::uint8_t {
  rwTop,
  rwFunction1,
  rwFunction2,
  rwDigits1,
  rwDigits2,
  rwDigits3,
  rwDigits4,
  rwBrackets
};

QString Q(std::u16string_view s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }

template <TQNTZeroToNine N>
void Digit(TQNTCalcForm& f) {
  f.CalcEngine()->InputDigit(N);
}
template <void (IQNTCalcEngine::*Op)()>
void Engine(TQNTCalcForm& f) {
  (f.CalcEngine().get()->*Op)();
}

/// One button of the window: where it sits, what it shows and what its click does.
struct TButtonSpec {
  TQNTSpeedBtn* TQNTCalcForm::*field;
  const char* name;
  int column;  // 1 .. 6
  TRow row;
  bool function;                // one of the thirteen function buttons the small layout hides
  std::u16string_view caption;  // a fixed caption
  int captionText;              // or a caption from the text table (TQNTCalcFormTextId)
  int hint;                     // TQNTCalcFormTextId or kNoText
  int glyph;                    // TQNTCalcFormGlyph or kNoText
  int points;                   // caption font size; kWindowFont for the window's font
  void (*click)(TQNTCalcForm&);
};

// In the order the window creates its buttons. The point button's caption is the decimal separator and
// the angle-mode button's the engine's label; both are set when the window is created.
const TButtonSpec kButtons[] = {
    {&TQNTCalcForm::ZeroBtn, "ZeroBtn", 1, rwDigits4, false, u"0", kNoText, kNoText, kNoText, 12, &Digit<0>},
    {&TQNTCalcForm::OneBtn, "OneBtn", 1, rwDigits3, false, u"1", kNoText, kNoText, kNoText, 12, &Digit<1>},
    {&TQNTCalcForm::TwoBtn, "TwoBtn", 2, rwDigits3, false, u"2", kNoText, kNoText, kNoText, 12, &Digit<2>},
    {&TQNTCalcForm::ThreeBtn, "ThreeBtn", 3, rwDigits3, false, u"3", kNoText, kNoText, kNoText, 12,
     &Digit<3>},
    {&TQNTCalcForm::FourBtn, "FourBtn", 1, rwDigits2, false, u"4", kNoText, kNoText, kNoText, 12, &Digit<4>},
    {&TQNTCalcForm::FiveBtn, "FiveBtn", 2, rwDigits2, false, u"5", kNoText, kNoText, kNoText, 12, &Digit<5>},
    {&TQNTCalcForm::SixBtn, "SixBtn", 3, rwDigits2, false, u"6", kNoText, kNoText, kNoText, 12, &Digit<6>},
    {&TQNTCalcForm::SevenBtn, "SevenBtn", 1, rwDigits1, false, u"7", kNoText, kNoText, kNoText, 12,
     &Digit<7>},
    {&TQNTCalcForm::EightBtn, "EightBtn", 2, rwDigits1, false, u"8", kNoText, kNoText, kNoText, 12,
     &Digit<8>},
    {&TQNTCalcForm::NineBtn, "NineBtn", 3, rwDigits1, false, u"9", kNoText, kNoText, kNoText, 12, &Digit<9>},
    {&TQNTCalcForm::PointBtn, "PointBtn", 2, rwDigits4, false, u".", kNoText, kNoText, kNoText, 12,
     &Engine<&IQNTCalcEngine::InputDecimalSeparator>},
    {&TQNTCalcForm::ChangeSignBtn,
     "ChangeSignBtn",
     3,
     rwDigits4,
     false,
     {},
     kNoText,
     cfChangeSignHint,
     cgChangeSign,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoChangeSign>},
    {&TQNTCalcForm::EqualsBtn, "EqualsBtn", 4, rwBrackets, false, u"=", kNoText, kNoText, kNoText, 14,
     &Engine<&IQNTCalcEngine::DoEquals>},
    {&TQNTCalcForm::SubtractBtn,
     "SubtractBtn",
     4,
     rwDigits4,
     false,
     {},
     kNoText,
     cfSubtractHint,
     cgSubtract,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoSubtract>},
    {&TQNTCalcForm::AddBtn,
     "AddBtn",
     4,
     rwDigits3,
     false,
     {},
     kNoText,
     cfAddHint,
     cgAdd,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoAdd>},
    {&TQNTCalcForm::DivideBtn,
     "DivideBtn",
     4,
     rwDigits2,
     false,
     {},
     kNoText,
     cfDivideHint,
     cgDivide,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoDivide>},
    {&TQNTCalcForm::MultiplyBtn,
     "MultiplyBtn",
     4,
     rwDigits1,
     false,
     {},
     kNoText,
     cfMultiplyHint,
     cgMultiply,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoMultiply>},
    {&TQNTCalcForm::LeftBracketBtn, "LeftBracketBtn", 1, rwBrackets, false, u"(", kNoText, kNoText, kNoText,
     12, &Engine<&IQNTCalcEngine::InputLeftBracket>},
    {&TQNTCalcForm::RightBracketBtn, "RightBracketBtn", 2, rwBrackets, false, u")", kNoText, kNoText, kNoText,
     12, &Engine<&IQNTCalcEngine::InputRightBracket>},
    {&TQNTCalcForm::AllClearBtn,
     "AllClearBtn",
     5,
     rwDigits1,
     false,
     {},
     cfAllClearCaption,
     cfAllClearHint,
     kNoText,
     10,
     &Engine<&IQNTCalcEngine::AllClear>},
    {&TQNTCalcForm::ClearBtn,
     "ClearBtn",
     5,
     rwDigits2,
     false,
     {},
     cfClearCaption,
     cfClearHint,
     kNoText,
     10,
     &Engine<&IQNTCalcEngine::ClearDisplay>},
    {&TQNTCalcForm::MemoryClearBtn,
     "MemoryClearBtn",
     6,
     rwDigits1,
     false,
     {},
     cfMemoryClearCaption,
     cfMemoryClearHint,
     kNoText,
     10,
     &Engine<&IQNTCalcEngine::MemoryClear>},
    {&TQNTCalcForm::MemoryAddBtn,
     "MemoryAddBtn",
     6,
     rwDigits2,
     false,
     {},
     cfMemoryAddCaption,
     cfMemoryAddHint,
     kNoText,
     10,
     &Engine<&IQNTCalcEngine::MemoryAdd>},
    {&TQNTCalcForm::MemorySubtractBtn,
     "MemorySubtractBtn",
     6,
     rwDigits3,
     false,
     {},
     cfMemorySubtractCaption,
     cfMemorySubtractHint,
     kNoText,
     10,
     &Engine<&IQNTCalcEngine::MemorySubtract>},
    {&TQNTCalcForm::MemoryRecallBtn,
     "MemoryRecallBtn",
     6,
     rwDigits4,
     false,
     {},
     cfMemoryRecallCaption,
     cfMemoryRecallHint,
     kNoText,
     10,
     &Engine<&IQNTCalcEngine::MemoryRecall>},
    {&TQNTCalcForm::PowerBtn,
     "PowerBtn",
     1,
     rwFunction2,
     true,
     {},
     kNoText,
     cfPowerHint,
     cgPower,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoPower>},
    {&TQNTCalcForm::PiBtn,
     "PiBtn",
     5,
     rwDigits3,
     true,
     {},
     kNoText,
     cfPiHint,
     cgPi,
     kWindowFont,
     &Engine<&IQNTCalcEngine::InputPi>},
    {&TQNTCalcForm::EBtn, "EBtn", 5, rwDigits4, true, u"e", kNoText, cfEHint, kNoText, 14,
     &Engine<&IQNTCalcEngine::InputNaturalConstant>},
    {&TQNTCalcForm::SquareBtn,
     "SquareBtn",
     2,
     rwFunction2,
     true,
     {},
     kNoText,
     cfSquareHint,
     cgSquare,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoSquare>},
    {&TQNTCalcForm::SqRootBtn,
     "SqRootBtn",
     3,
     rwFunction2,
     true,
     {},
     kNoText,
     cfSqRootHint,
     cgSqRoot,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoSqRoot>},
    {&TQNTCalcForm::InvertBtn,
     "InvertBtn",
     4,
     rwFunction2,
     true,
     {},
     kNoText,
     cfInvertHint,
     cgInvert,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoInvert>},
    {&TQNTCalcForm::LogBtn,
     "LogBtn",
     5,
     rwFunction2,
     true,
     {},
     cfLogCaption,
     cfLogHint,
     kNoText,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoLog>},
    {&TQNTCalcForm::LNBtn,
     "LNBtn",
     6,
     rwFunction2,
     true,
     {},
     cfLnCaption,
     cfLnHint,
     kNoText,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoLN>},
    {&TQNTCalcForm::ExitBtn,
     "ExitBtn",
     6,
     rwTop,
     false,
     {},
     kNoText,
     cfExitHint,
     cgExit,
     kWindowFont,
     [](TQNTCalcForm& f) { f.ExitBtnClick(); }},
    {&TQNTCalcForm::CopyBtn,
     "CopyBtn",
     1,
     rwTop,
     false,
     {},
     kNoText,
     cfCopyHint,
     cgCopy,
     kWindowFont,
     [](TQNTCalcForm& f) { f.CopyBtnClick(); }},
    {&TQNTCalcForm::PasteBtn,
     "PasteBtn",
     2,
     rwTop,
     false,
     {},
     kNoText,
     cfPasteHint,
     cgPaste,
     kWindowFont,
     [](TQNTCalcForm& f) { f.PasteBtnClick(); }},
    {&TQNTCalcForm::SinBtn,
     "SinBtn",
     1,
     rwFunction1,
     true,
     {},
     cfSinCaption,
     cfSinHint,
     kNoText,
     8,
     &Engine<&IQNTCalcEngine::DoSin>},
    {&TQNTCalcForm::CosBtn,
     "CosBtn",
     2,
     rwFunction1,
     true,
     {},
     cfCosCaption,
     cfCosHint,
     kNoText,
     8,
     &Engine<&IQNTCalcEngine::DoCos>},
    {&TQNTCalcForm::TanBtn,
     "TanBtn",
     3,
     rwFunction1,
     true,
     {},
     cfTanCaption,
     cfTanHint,
     kNoText,
     8,
     &Engine<&IQNTCalcEngine::DoTan>},
    {&TQNTCalcForm::InvBtn,
     "InvBtn",
     6,
     rwFunction1,
     true,
     {},
     cfInvCaption,
     cfInvHint,
     kNoText,
     kWindowFont,
     &Engine<&IQNTCalcEngine::DoInv>},
    {&TQNTCalcForm::CancelBtn,
     "CancelBtn",
     5,
     rwTop,
     false,
     {},
     kNoText,
     cfCancelHint,
     cgCancel,
     kWindowFont,
     [](TQNTCalcForm& f) { f.CancelBtnClick(); }},
    {&TQNTCalcForm::BackSpaceBtn,
     "BackSpaceBtn",
     3,
     rwBrackets,
     false,
     {},
     kNoText,
     cfBackSpaceHint,
     cgBackSpace,
     kWindowFont,
     &Engine<&IQNTCalcEngine::InputBackspace>},
    {&TQNTCalcForm::RadBtn,
     "RadBtn",
     5,
     rwFunction1,
     true,
     {},
     kNoText,
     cfRadHint,
     kNoText,
     kWindowFont,
     [](TQNTCalcForm& f) { f.RadBtnClick(); }},
    {&TQNTCalcForm::PercentBtn, "PercentBtn", 4, rwFunction1, false, u"%", kNoText, cfPercentHint, kNoText,
     10, &Engine<&IQNTCalcEngine::DoPercent>},
};

QFont ArialFont(int points, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

}  // namespace

// =============================================================================================
// Creation and destruction

TQNTCalcForm::TQNTCalcForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  CreateControls();
  FormCreate();
  QApplication::instance()->installEventFilter(this);
}

TQNTCalcForm::~TQNTCalcForm() {
  QApplication::instance()->removeEventFilter(this);
  // The focus leaves while every control is whole: a spin edit whose editor still had the focus when
  // it is freed would hear of the focus loss half destroyed.
  if (QWidget* focus = QApplication::focusWidget(); focus != nullptr && isAncestorOf(focus))
    focus->clearFocus();
  if (fCalcEngine) {
    if (!Cancelled) {
      CalcRadiansDefault = fCalcEngine->GetAngleMode() == amRadians;
      CalcMemoryDefault = fCalcEngine->GetMemoryValue();
    }
    // A caller may still hold the engine: it must not call back into a window that is gone.
    fCalcEngine->SetOnDisplayChange({});
    fCalcEngine->SetOnMemoryChange({});
    fCalcEngine->SetOnDecimalPlacesChange({});
    fCalcEngine.reset();
  }
  if (DPSpin) DPSpin->OnChange = nullptr;
}

void TQNTCalcForm::CreateControls() {
  // The window as stored: Arial 8 pt bold, 190 x 240 before the first layout pass, fixed size.
  setFont(ArialFont(8, true));
  setWindowTitle(CalcFormText(cfCalculator));
  setSizeGripEnabled(false);
  resize(190, 240);

  CalcPanel = new QFrame(this);
  CalcPanel->setObjectName(QStringLiteral("CalcPanel"));
  CalcPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  CalcPanel->setLineWidth(1);
  CalcPanel->setAutoFillBackground(true);
  CalcPanel->setFocusPolicy(Qt::StrongFocus);
  CalcPanel->setGeometry(rect());
  ApplyPanelColor();

  for (const TButtonSpec& spec : kButtons) {
    auto* button = new TQNTSpeedBtn(CalcPanel);
    this->*spec.field = button;
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setGeometry(kColumnX[spec.column - 1], 0, kButtonWidth, kButtonHeight);
    if (spec.points != kWindowFont) button->setFont(ArialFont(spec.points, true));
    if (spec.glyph != kNoText) {
      const QPixmap glyph = CalcFormGlyph(static_cast<TQNTCalcFormGlyph>(spec.glyph));
      button->setIcon(GlyphStripIcon(glyph, 1));
      button->setIconSize(glyph.size());
      button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
      button->setText(Q(spec.caption));
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    fButtons.push_back(button);
    fHandlers.emplace_back(button, spec.click);
    connect(button, &QToolButton::clicked, this, [this, button] { ClickButton(button); });
  }
  EqualsBtn->resize(3 * kButtonWidth, kButtonHeight);

  for (QLabel** display : {&ValueDisplay, &MemoryDisplay}) {
    auto* label = new QLabel(CalcPanel);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(2);
    label->setIndent(3);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFont(ArialFont(8, false));
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, ColorToQColor(clBtnFace));
    pal.setColor(QPalette::WindowText, ColorToQColor(clBtnText));
    label->setPalette(pal);
    label->setGeometry(5, 5, 180, kDisplayHeight);
    *display = label;
  }
  ValueDisplay->setObjectName(QStringLiteral("ValueDisplay"));
  MemoryDisplay->setObjectName(QStringLiteral("MemoryDisplay"));

  DPSpin = new TQNTPosSpinEdit(CalcPanel);
  DPSpin->setObjectName(QStringLiteral("DPSpin"));
  DPSpin->SetAutoSize(false);
  DPSpin->SetMax(18);
  DPSpin->SetEditorEnabled(false);
  DPSpin->SetAlignment(taCenter);
  DPSpin->ColorSet()->SetFlat(true);
  DPSpin->SetMaxLength(0);
  DPSpin->setGeometry(66, 0, 56, kButtonHeight);
  DPSpin->SetHeight(kButtonHeight);
  DPSpin->OnChange = [this](QObject*) { DPSpinChange(); };
  // A click on a spin button is a click in the window: the keys stay with the panel afterwards.
  DPSpin->OnAfterUpClick =
      DPSpin->OnAfterDownClick = [this](QObject*) { CalcPanel->setFocus(Qt::OtherFocusReason); };
}

void TQNTCalcForm::FormCreate() {
  PointBtn->setText(QString(QChar(FormatSettings.DecimalSeparator)));
  fHelpContext = CalcHelpContext;
  fFlat = false;
  fHideFnBtns = false;
  SetFontName(CalcFontName);
  UpdateLanguage();

  fCalcEngine = TQNTCalcEngine::Create();
  fCalcEngine->AllClear();
  // The window has no history tape and shows errors through the display text only; the Inv and Hyp
  // state is not shown either, so those notifications stay unassigned.
  fCalcEngine->SetOnDisplayChange(
      [this](IQNTCalcEngine* e) { ValueDisplay->setText(QString::fromStdU16String(e->GetDisplayStr())); });
  fCalcEngine->SetOnMemoryChange([this](IQNTCalcEngine* e) {
    MemoryDisplay->setText(QString::fromStdU16String(e->GetMemoryContents()));
  });
  fCalcEngine->SetOnDecimalPlacesChange(
      [this](IQNTCalcEngine* e) { DPSpin->SetValue(e->GetDecimalPlaces()); });

  DPSpin->SetValue(fCalcEngine->GetDecimalPlaces());
  RefreshDisplays();
  RadBtn->setText(QString::fromStdU16String(fCalcEngine->GetAngleModeStr()));
  RedrawCalc();
}

// =============================================================================================
// Texts, fonts, look

void TQNTCalcForm::UpdateLanguage() {
  setWindowTitle(CalcFormText(cfCalculator));
  for (const TButtonSpec& spec : kButtons) {
    TQNTSpeedBtn* button = this->*spec.field;
    if (spec.captionText != kNoText)
      button->setText(CalcFormText(static_cast<TQNTCalcFormTextId>(spec.captionText)));
    if (spec.hint != kNoText) button->setToolTip(CalcFormText(static_cast<TQNTCalcFormTextId>(spec.hint)));
  }
  ValueDisplay->setToolTip(CalcFormText(cfValueHint));
  MemoryDisplay->setToolTip(CalcFormText(cfMemoryHint));
  DPSpin->setToolTip(CalcFormText(cfDecimalPlacesHint));
}

void TQNTCalcForm::SetFontName(const QString& fontName) {
  const auto apply = [&fontName](QWidget* w) {
    QFont font = w->font();
    font.setFamily(fontName);
    w->setFont(font);
  };
  for (TQNTSpeedBtn* button : fButtons)
    if (button->font().family() != QLatin1String("Symbol")) apply(button);
  apply(DPSpin);
  apply(ValueDisplay);
  apply(MemoryDisplay);
}

void TQNTCalcForm::SetPanelColor(TColor value) {
  fPanelColor = value;
  ApplyPanelColor();
}

void TQNTCalcForm::ApplyPanelColor() {
  QPalette pal = CalcPanel->palette();
  pal.setColor(QPalette::Window, ColorToQColor(fPanelColor));
  CalcPanel->setPalette(pal);
}

void TQNTCalcForm::SetCalcFlat(bool value) {
  if (value == fFlat) return;
  SetPanelColor(value ? clBtnFace : clBackground);
  for (TQNTSpeedBtn* button : fButtons) button->SetFlat(value);
  DPSpin->ColorSet()->SetFlat(value);
  fFlat = value;
}

bool TQNTCalcForm::FlatSpin() const { return DPSpin->ColorSet()->Flat(); }

void TQNTCalcForm::SetFlatSpin(bool value) {
  DPSpin->ColorSet()->SetFlat(value);
  DPSpin->ColorSet()->SetFlatBtns(value);
}

void TQNTCalcForm::SetHideFnBtns(bool value) {
  if (value == fHideFnBtns) return;
  fHideFnBtns = value;
  RedrawCalc();
}

void TQNTCalcForm::RedrawCalc() {
  const int h = kButtonHeight;
  const int w = kButtonWidth;
  const int d = ValueDisplay->height() + 10;
  const int clientWidth = 6 * w + 10;
  ValueDisplay->setGeometry(5, 5, clientWidth - 10, ValueDisplay->height());
  MemoryDisplay->resize(clientWidth - 10, MemoryDisplay->height());

  int clientHeight = 0;
  int rowTop[rwBrackets + 1] = {};
  rowTop[rwTop] = d;
  if (!fHideFnBtns) {
    fHelpContext = CalcHelpContext;
    clientHeight = 2 * d + 8 * h + 5;
    rowTop[rwFunction1] = h + d + 3;
    rowTop[rwFunction2] = rowTop[rwFunction1] + h;
    rowTop[rwDigits1] = rowTop[rwFunction2] + h + 2;
  } else {
    fHelpContext = SmallCalcHelpContext;
    clientHeight = 2 * d + 6 * h + 3;
    rowTop[rwDigits1] = h + d + 3;
  }
  for (int r = rwDigits2; r <= rwBrackets; ++r) rowTop[r] = rowTop[r - 1] + h;

  for (const TButtonSpec& spec : kButtons) {
    TQNTSpeedBtn* button = this->*spec.field;
    if (spec.function) {
      button->setVisible(!fHideFnBtns);
      if (fHideFnBtns) continue;
    }
    button->move(kColumnX[spec.column - 1], rowTop[spec.row]);
  }
  // The percent key sits in the first function row, or where pi is when the function keys are hidden.
  if (fHideFnBtns)
    PercentBtn->move(kColumnX[4], rowTop[rwDigits3]);
  else
    PercentBtn->move(kColumnX[3], rowTop[rwFunction1]);
  DPSpin->move(66, rowTop[rwTop]);
  MemoryDisplay->move(5, rowTop[rwDigits1] + 5 * h + 5);
  setFixedSize(clientWidth, clientHeight);
}

void TQNTCalcForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  CalcPanel->setGeometry(rect());
}

// =============================================================================================
// Placement, stay on top, minimising

void TQNTCalcForm::SetPosition(TPosition value) {
  fPosition = static_cast<TPosition>(std::min<int>(value, kLastPosition));
}

void TQNTCalcForm::PlaceAt(int left, int top) {
  fPosition = poDesigned;
  move(left, top);
}

void TQNTCalcForm::PlaceOnShow() {
  QWidget* anchor = nullptr;
  switch (fPosition) {
    case poScreenCenter:
    case poDesktopCenter: break;
    case poMainFormCenter: anchor = QApplication::activeWindow(); break;
    case poOwnerFormCenter: anchor = parentWidget() ? parentWidget()->window() : nullptr; break;
    default: return;  // designed, or the window system's choice
  }
  if (anchor == this) anchor = nullptr;
  QRect area;
  if (anchor != nullptr) {
    area = anchor->frameGeometry();
  } else {
    QWidget* owner = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    QScreen* screen = owner && owner != this ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    area = fPosition == poDesktopCenter ? screen->geometry() : screen->availableGeometry();
  }
  const QSize size = frameGeometry().size().expandedTo(this->size());
  move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void TQNTCalcForm::StayOnTop(bool value) {
  if (value == fStayOnTop) return;
  fStayOnTop = value;
  if (isVisible()) ApplyStayOnTop();
}

void TQNTCalcForm::ApplyStayOnTop() {
  Qt::WindowFlags flags = windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, fStayOnTop);
  if (flags == windowFlags()) return;
  if (!isVisible() || windowHandle() == nullptr) {
    setWindowFlags(flags);
    return;
  }
  // setWindowFlags would hide the window (and end a modal run); the platform window takes the hint
  // as it is, without being activated, moved or resized.
  overrideWindowFlags(flags);
  windowHandle()->setFlag(Qt::WindowStaysOnTopHint, fStayOnTop);
}

void TQNTCalcForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Guarded(this, [this] {
    PlaceOnShow();
    ApplyStayOnTop();
    CalcPanel->setFocus(Qt::OtherFocusReason);
  });
}

void TQNTCalcForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !isMinimized()) return;
  // Minimising the calculator minimises the whole application.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w->isVisible() && !w->isMinimized() && (w->windowType() == Qt::Window))
      w->showMinimized();
}

// =============================================================================================
// Buttons

void TQNTCalcForm::ClickButton(TQNTSpeedBtn* button) {
  Guarded(this, [&] {
    for (const auto& [b, handler] : fHandlers)
      if (b == button) {
        handler(*this);
        return;
      }
  });
}

void TQNTCalcForm::RefreshDisplays() {
  ValueDisplay->setText(QString::fromStdU16String(fCalcEngine->GetDisplayStr()));
  MemoryDisplay->setText(QString::fromStdU16String(fCalcEngine->GetMemoryContents()));
}

void TQNTCalcForm::ExitBtnClick() {
  Cancelled = false;
  accept();
}

void TQNTCalcForm::CancelBtnClick() {
  Cancelled = true;
  reject();
}

void TQNTCalcForm::CopyBtnClick() { QGuiApplication::clipboard()->setText(ValueDisplay->text()); }

void TQNTCalcForm::PasteBtnClick() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return;
  fCalcEngine->InputString(data->text().toStdU16String());
}

void TQNTCalcForm::RadBtnClick() {
  fCalcEngine->ToggleAngleMode();
  RadBtn->setText(QString::fromStdU16String(fCalcEngine->GetAngleModeStr()));
}

void TQNTCalcForm::DPSpinChange() {
  if (!fCalcEngine) return;
  fCalcEngine->SetDecimalPlaces(static_cast<std::uint8_t>(DPSpin->Value()));
  RefreshDisplays();
}

// =============================================================================================
// Keyboard

void TQNTCalcForm::FormKeyPress(char16_t& key) {
  key = QChar(key).toUpper().unicode();
  switch (key) {
    case 8: ClickButton(BackSpaceBtn); break;
    case 13:
    case u'=': ClickButton(EqualsBtn); break;
    case 27: ClickButton(CancelBtn); break;
    case u'(': ClickButton(LeftBracketBtn); break;
    case u')': ClickButton(RightBracketBtn); break;
    case u'*':
    case u'X': ClickButton(MultiplyBtn); break;
    case u'+': ClickButton(AddBtn); break;
    case u'-': ClickButton(SubtractBtn); break;
    case u'/': ClickButton(DivideBtn); break;
    case u'0': ClickButton(ZeroBtn); break;
    case u'1': ClickButton(OneBtn); break;
    case u'2': ClickButton(TwoBtn); break;
    case u'3': ClickButton(ThreeBtn); break;
    case u'4': ClickButton(FourBtn); break;
    case u'5': ClickButton(FiveBtn); break;
    case u'6': ClickButton(SixBtn); break;
    case u'7': ClickButton(SevenBtn); break;
    case u'8': ClickButton(EightBtn); break;
    case u'9': ClickButton(NineBtn); break;
    case u'A': ClickButton(AllClearBtn); break;
    case u'C': ClickButton(ClearBtn); break;
    case u'I': ClickButton(InvertBtn); break;
    case u'P': ClickButton(PiBtn); break;
    case u'R': ClickButton(SqRootBtn); break;
    case u'^': ClickButton(PowerBtn); break;
    case u'@':
      ClickButton(InvBtn);
      ClickButton(PowerBtn);
      break;
    case u'_': ClickButton(ChangeSignBtn); break;
    default: break;
  }
  if (key == FormatSettings.DecimalSeparator) ClickButton(PointBtn);
}

void TQNTCalcForm::FormKeyDown(std::uint16_t& key, TShiftState shift) {
  const bool ctrl = shift.Contains(ssCtrl);
  if (key == VK_F10 && shift.Empty()) {
    ClickButton(ExitBtn);
  } else if (key == VK_DECIMAL) {
    // The keypad's decimal key types the separator whatever the locale's separator is.
    fCalcEngine->InputDecimalSeparator();
  } else if (key == VK_DELETE) {
    fCalcEngine->ClearDisplay();
  } else if (ctrl && (key == u'C' || key == VK_INSERT)) {
    ClickButton(CopyBtn);
  } else if ((ctrl && key == u'V') || (shift.Contains(ssShift) && key == VK_INSERT)) {
    ClickButton(PasteBtn);
  } else if (ctrl && key == u'X') {
    ClickButton(ExitBtn);
  } else {
    return;
  }
  key = 0;
}

bool TQNTCalcForm::PreviewKey(QWidget* receiver, QKeyEvent* event) {
  // The same event travelling on to the receiver's parents was previewed already.
  if (event == fPreviewEvent && fPreviewReceiver && receiver->isAncestorOf(fPreviewReceiver)) {
    fPreviewReceiver = receiver;
    return false;
  }
  fPreviewEvent = event;
  fPreviewReceiver = receiver;
  bool consumed = false;
  Guarded(this, [&] {
    std::uint16_t key = VirtualKeyOf(*event);
    if (key != 0) {
      FormKeyDown(key, ShiftStateOf(*event));
      if (key == 0) {
        consumed = true;
        return;
      }
    }
    char16_t ch = KeyPressCharOf(*event);
    if (ch != 0) FormKeyPress(ch);
  });
  return consumed;
}

bool TQNTCalcForm::IsPanelPart(const QWidget* widget) const {
  if (widget == CalcPanel || widget == ValueDisplay || widget == MemoryDisplay) return true;
  for (const TQNTSpeedBtn* button : fButtons)
    if (widget == button) return true;
  return false;
}

bool TQNTCalcForm::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::MouseButtonPress)
    return QDialog::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this) return QDialog::eventFilter(watched, event);
  switch (type) {
    case QEvent::KeyPress: return PreviewKey(widget, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: fPreviewEvent = nullptr; break;
    case QEvent::MouseButtonPress:
      // After a click on the window, typed keys never go to the spin edit's editor.
      if (IsPanelPart(widget)) CalcPanel->setFocus(Qt::MouseFocusReason);
      break;
    default: break;
  }
  return false;
}

void TQNTCalcForm::keyPressEvent(QKeyEvent* event) {
  // The key preview has handled the key; the dialog's own Esc and Enter handling does not apply.
  event->accept();
}

}  // namespace qnt
