// Test support for the kit's widgets: pins the kit's process-wide settings (separators "." and ",",
// the navigation switches, the null text) for one test and restores them, records what the error
// display would have shown, and builds a small shown and active window of controls in Tab order.
#pragma once

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "controls/QNTKITErrorDisplay.h"
#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITStrings.h"

namespace qnt::test {

/// Saves the kit globals the controls read, sets the test defaults, and restores everything.
class ControlsEnv {
 public:
  ControlsEnv()
      : fFormat(FormatSettings),
        fEnterAsTab(DefaultEnterAsTab),
        fESCAsUndo(DefaultESCAsUndo),
        fArrowsAsTab(DefaultArrowsAsTab),
        fNoTabStopOnReadOnly(DefaultNoTabStopOnReadOnly),
        fShowPosSign(DefaultShowPosSign),
        fBlankWhenZero(DefaultBlankWhenZero),
        fNullStr(DefaultNullStr),
        fROColor(DefaultROColor),
        fLanguage(TextLanguage) {
    FormatSettings.DecimalSeparator = u'.';
    FormatSettings.ThousandSeparator = u',';
    DefaultEnterAsTab = DefaultESCAsUndo = DefaultArrowsAsTab = DefaultNoTabStopOnReadOnly = true;
    DefaultShowPosSign = DefaultBlankWhenZero = false;
    TextLanguage = tlOriginal;
    fPrevious = SetErrorDisplay([this](QWidget*, const QString& message) { Messages << message; });
  }
  ~ControlsEnv() {
    QCoreApplication::processEvents();  // queued reports of this test go to this test's recorder
    SetErrorDisplay(fPrevious);
    FormatSettings = fFormat;
    DefaultEnterAsTab = fEnterAsTab;
    DefaultESCAsUndo = fESCAsUndo;
    DefaultArrowsAsTab = fArrowsAsTab;
    DefaultNoTabStopOnReadOnly = fNoTabStopOnReadOnly;
    DefaultShowPosSign = fShowPosSign;
    DefaultBlankWhenZero = fBlankWhenZero;
    DefaultNullStr = fNullStr;
    DefaultROColor = fROColor;
    TextLanguage = fLanguage;
  }
  ControlsEnv(const ControlsEnv&) = delete;
  ControlsEnv& operator=(const ControlsEnv&) = delete;

  /// What the error display was asked to show, in order.
  QStringList Messages;

 private:
  TFormatSettings fFormat;
  bool fEnterAsTab, fESCAsUndo, fArrowsAsTab, fNoTabStopOnReadOnly, fShowPosSign, fBlankWhenZero;
  std::u16string fNullStr;
  TColor fROColor;
  TQNTTextLanguage fLanguage;
  TQNTErrorDisplay fPrevious;
};

/// A top-level window holding controls one below the other, in Tab order.
class Form : public QWidget {
 public:
  Form() { new QVBoxLayout(this); }
  template <class W>
  W* Add() {
    auto* w = new W(this);
    layout()->addWidget(w);
    return w;
  }
  /// Shows the window, makes it active and puts the focus on the given widget.
  bool ShowWith(QWidget* focus) {
    show();
    activateWindow();
    if (!QTest::qWaitForWindowActive(this)) return false;
    if (focus) focus->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    return !focus || focus->hasFocus() || (focus->focusProxy() && focus->focusProxy()->hasFocus());
  }
};

/// Lets queued work (error reports, focus returns) run.
inline void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

}  // namespace qnt::test
