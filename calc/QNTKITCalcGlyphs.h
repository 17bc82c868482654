// The calculator's pictures, all drawn in code: the glyphs of the calculator window's buttons (copy,
// paste, cancel, exit, the operators and functions drawn as symbols) and the three built-in pictures of
// the calculator edit's button. Also the rule that turns a caller's glyph strip (images side by side,
// the bottom-left pixel of each image transparent) into a button icon.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <cstdint>

#include "kit/QNTKITTypes.h"

namespace qnt {

/// The calculator window's drawn glyphs.
enum TQNTCalcFormGlyph : std::uint8_t {
  cgCopy,        ///< document and arrow (16 x 16)
  cgPaste,       ///< clipboard and arrow (16 x 16)
  cgCancel,      ///< cross (16 x 16)
  cgExit,        ///< door (16 x 16)
  cgPower,       ///< x to the power y (18 x 18, as the rest)
  cgSquare,      ///< x squared
  cgSqRoot,      ///< root of x
  cgInvert,      ///< 1/x
  cgMultiply,    ///< the multiplication cross
  cgDivide,      ///< the division sign
  cgAdd,         ///< plus
  cgPi,          ///< pi
  cgChangeSign,  ///< plus-minus
  cgSubtract,    ///< minus
  cgBackSpace,   ///< left arrow
  cgCalcFormGlyphCount
};

/// The glyph, drawn on a transparent background.
QPixmap CalcFormGlyph(TQNTCalcFormGlyph glyph);

/// The built-in picture of the calculator edit's button: a small calculator, 16 x 16 (ecgCalcGlyFX),
/// 15 x 16 (ecgCalc1) or 11 x 16 (ecgCalc2).
QPixmap CalcEditGlyph(TQNTCalcGlyphType type);

/// The icon of a glyph strip of `images` images side by side (normal, disabled, pressed): each image's
/// bottom-left pixel colour becomes transparent in that image. A strip of one image gets Qt's own
/// disabled look; a pressed image is not used (Qt's buttons show pressing by their frame). An empty
/// strip gives an empty icon.
QIcon GlyphStripIcon(const QPixmap& strip, int images);

}  // namespace qnt
