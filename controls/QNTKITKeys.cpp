// Key codes and characters from Qt key events.
#include "controls/QNTKITKeys.h"

namespace qnt {

std::uint16_t VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (keypad) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
      return static_cast<std::uint16_t>(VK_NUMPAD0 + (key - Qt::Key_0));
    switch (key) {
      case Qt::Key_Period:
      case Qt::Key_Comma: return VK_DECIMAL;
      case Qt::Key_Plus: return VK_ADD;
      case Qt::Key_Minus: return VK_SUBTRACT;
      case Qt::Key_Asterisk: return VK_MULTIPLY;
      case Qt::Key_Slash: return VK_DIVIDE;
      default: break;
    }
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<std::uint16_t>(key);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint16_t>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<std::uint16_t>(VK_F1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Plus:
    case Qt::Key_Equal: return VK_OEM_PLUS;
    case Qt::Key_Comma:
    case Qt::Key_Less: return VK_OEM_COMMA;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return VK_OEM_MINUS;
    case Qt::Key_Period:
    case Qt::Key_Greater: return VK_OEM_PERIOD;
    default: return 0;
  }
}

TShiftState ShiftStateOf(const QKeyEvent& event) {
  TShiftState s;
  const auto m = event.modifiers();
  if (m & Qt::ShiftModifier) s.Include(ssShift);
  if (m & Qt::AltModifier) s.Include(ssAlt);
  if (m & Qt::ControlModifier) s.Include(ssCtrl);
  return s;
}

bool IsNumPadDecimal(const QKeyEvent& event) {
  if (!(event.modifiers() & Qt::KeypadModifier)) return false;
  // With Num Lock off the key is the keypad's Delete, as on the original platform.
  return event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma;
}

char16_t KeyPressCharOf(const QKeyEvent& event) {
  const int key = event.key();
  const auto m = event.modifiers();
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    default: break;
  }
  const bool ctrl = m & Qt::ControlModifier;
  const bool alt = m & Qt::AltModifier;
  const bool meta = m & Qt::MetaModifier;
  if (ctrl && !alt && !meta) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<char16_t>(key - Qt::Key_A + 1);
    return 0;
  }
  if (ctrl || alt || meta) return 0;
  const QString text = event.text();
  if (text.isEmpty()) return 0;
  const char16_t c = text.at(0).unicode();
  return c >= 32 && c != 127 ? c : 0;
}

}  // namespace qnt
