// The error display seam and the queue of validation reports.
#include "controls/QNTKITErrorDisplay.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

#include "kit/QNTKITTypes.h"

namespace qnt {

namespace {

TQNTErrorDisplay& CurrentDisplay() {
  static TQNTErrorDisplay display;
  return display;
}

int gPendingReports = 0;

void DefaultDisplay(QWidget* parent, const QString& message) {
  // The arrow cursor while the box is up, whatever cursor the application had set.
  QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  struct RestoreCursor {
    ~RestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
  } restore;
  QWidget* owner = parent ? parent->window() : QApplication::activeWindow();
  QMessageBox::critical(owner, QGuiApplication::applicationDisplayName(), message, QMessageBox::Ok);
}

}  // namespace

TQNTErrorDisplay SetErrorDisplay(TQNTErrorDisplay display) {
  return std::exchange(CurrentDisplay(), std::move(display));
}

void ShowErrorMessage(QWidget* parent, const QString& message) {
  try {
    if (CurrentDisplay())
      CurrentDisplay()(parent, message);
    else
      DefaultDisplay(parent, message);
  } catch (...) {
    // A failing display has nowhere left to report to.
  }
}

void PostErrorMessage(QWidget* parent, const QString& message) {
  QPointer<QWidget> owner(parent);
  const bool hadParent = parent != nullptr;
  QTimer::singleShot(0, QCoreApplication::instance(), [owner, hadParent, message] {
    ShowErrorMessage(hadParent ? owner.data() : nullptr, message);
  });
}

QString ExceptionMessage(const std::exception& error) {
  if (auto* kit = dynamic_cast<const EQNTError*>(&error)) return QString::fromStdU16String(kit->Message());
  return QString::fromUtf8(error.what());
}

QString WithFullStop(QString message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') message += u'.';
  return message;
}

void PostException(QWidget* parent, const std::exception& error) {
  PostErrorMessage(parent, WithFullStop(ExceptionMessage(error)));
}

bool ValidationPending() { return gPendingReports > 0; }

void PostValidationReport(QWidget* edit, std::function<void()> report, bool refocus) {
  ++gPendingReports;
  QPointer<QWidget> target(edit);
  QTimer::singleShot(0, QCoreApplication::instance(), [target, report = std::move(report), refocus] {
    struct Done {
      ~Done() { --gPendingReports; }
    } done;
    if (report) Guarded(target.data(), report);
    if (refocus && target && target->isEnabled() && target->isVisible())
      target->setFocus(Qt::OtherFocusReason);
  });
}

}  // namespace qnt
