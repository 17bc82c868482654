// Test support for the calculator window, component and edit: pins the carried-over calculator
// defaults and the kit's store defaults on top of the controls' settings, clears the clipboard, and
// drives a modal calculator window from its own event loop (a script runs once the window is open).
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>
#include <memory>

#include "calc/QNTKITCalcForm.h"
#include "calc/QNTKITCalculator.h"
#include "tests/controls/ControlsTestSupport.h"

namespace qnt::test {

/// The controls' environment plus the calculator's own process-wide state.
class CalcEnv : public ControlsEnv {
 public:
  CalcEnv()
      : fRadians(CalcRadiansDefault),
        fMemory(CalcMemoryDefault),
        fFontName(CalcFontName),
        fRegIniType(DefaultRegIniType),
        fRegPath(DefaultRegPath),
        fRegSection(DefaultRegSection),
        fIniFile(DefaultIniFile),
        fIniSection(DefaultIniSection) {
    CalcRadiansDefault = true;
    CalcMemoryDefault = 0;
    CalcFontName = QStringLiteral("Arial");
    DefaultRegIniType = eriNeither;
    QGuiApplication::clipboard()->clear();
  }
  ~CalcEnv() {
    CalcRadiansDefault = fRadians;
    CalcMemoryDefault = fMemory;
    CalcFontName = fFontName;
    DefaultRegIniType = fRegIniType;
    DefaultRegPath = fRegPath;
    DefaultRegSection = fRegSection;
    DefaultIniFile = fIniFile;
    DefaultIniSection = fIniSection;
  }

 private:
  bool fRadians;
  Extended fMemory;
  QString fFontName;
  TQNTRegIniType fRegIniType;
  std::u16string fRegPath, fRegSection, fIniFile, fIniSection;
};

/// Runs a script on the next calculator window that opens modally, from that window's event loop.
/// The script is expected to close the window; one it leaves open is cancelled (so the test goes on)
/// and LeftOpen() tells. Windows that never open leave Ran() false.
class ModalScript {
 public:
  explicit ModalScript(std::function<void(TQNTCalcForm&)> script) : fScript(std::move(script)) {
    fTimer.setInterval(5);
    QObject::connect(&fTimer, &QTimer::timeout, [this] { Poll(); });
    fTimer.start();
  }
  bool Ran() const { return fRan; }
  bool LeftOpen() const { return fLeftOpen; }

 private:
  void Poll() {
    auto* form = qobject_cast<TQNTCalcForm*>(QApplication::activeModalWidget());
    if (form == nullptr || !form->isVisible()) {
      if (++fPolls > 1000) fTimer.stop();  // no window within 5 s
      return;
    }
    fTimer.stop();
    fRan = true;
    QPointer<TQNTCalcForm> alive(form);
    fScript(*form);
    if (alive && alive->isVisible()) {
      fLeftOpen = true;
      alive->CancelBtnClick();
    }
  }

  std::function<void(TQNTCalcForm&)> fScript;
  QTimer fTimer;
  int fPolls = 0;
  bool fRan = false;
  bool fLeftOpen = false;
};

/// Types text into a widget key by key ("\n" is Enter, "\x1b" Esc, "\b" Backspace).
inline void Type(QWidget* widget, const QString& keys) {
  for (QChar c : keys) {
    if (c == u'\n')
      QTest::keyClick(widget, Qt::Key_Return);
    else if (c == u'\x1b')
      QTest::keyClick(widget, Qt::Key_Escape);
    else if (c == u'\b')
      QTest::keyClick(widget, Qt::Key_Backspace);
    else
      QTest::keyClicks(widget, QString(c));
  }
}

/// The exact bits of an extended value, for comparisons that must not round.
inline bool SameBits(Extended a, Extended b) { return std::memcmp(&a, &b, 10) == 0; }

}  // namespace qnt::test
