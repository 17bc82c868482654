// How the kit's widgets report errors. Exceptions never cross Qt's event loop: every event override
// and slot that can reach kit code runs through Guarded(), which hands the error to the program's
// error display. The display is a process-wide seam: by default a critical message box captioned
// with the application's display name; tests install one that records the messages instead.
//
// A box or a focus change asked for while the focus moves (an edit's exit processing) is queued and
// runs from the event loop, never inside the focus handler. While such a validation report is
// pending, the other edits suppress their own exit validation, so two invalid edits never bounce the
// focus and the message boxes between them.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>
#include <utility>

namespace qnt {

/// Shows one error message to the user (parent may be null).
using TQNTErrorDisplay = std::function<void(QWidget* parent, const QString& message)>;

/// Installs the process-wide error display and returns the previous one; an empty display restores
/// the default message box.
TQNTErrorDisplay SetErrorDisplay(TQNTErrorDisplay display);

/// Shows a message through the error display now.
void ShowErrorMessage(QWidget* parent, const QString& message);
/// Shows a message through the error display from the event loop.
void PostErrorMessage(QWidget* parent, const QString& message);

/// The user-visible message of an exception (the kit's UTF-16 message, else what()).
QString ExceptionMessage(const std::exception& error);
/// The application's form of an error message: a full stop is appended when the last character's code
/// is above that of ".".
QString WithFullStop(QString message);
/// Queues the application's error box for an exception.
void PostException(QWidget* parent, const std::exception& error);

/// Runs f; an exception it raises goes to the error display (queued). Returns whether f completed.
template <class F>
bool Guarded(QWidget* parent, F&& f) noexcept {
  try {
    std::forward<F>(f)();
    return true;
  } catch (const std::exception& error) {
    PostException(parent, error);
  } catch (...) {
    PostErrorMessage(parent, QStringLiteral("Unknown error."));
  }
  return false;
}

/// True while a validation report (message or focus return) queued by an edit's exit is pending.
bool ValidationPending();
/// Queues a validation report of an edit: runs report (guarded, may be empty), then gives the focus
/// back to the edit when refocus is set. ValidationPending() holds until both are done.
void PostValidationReport(QWidget* edit, std::function<void()> report, bool refocus);

}  // namespace qnt
