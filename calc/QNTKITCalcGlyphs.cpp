// The calculator's glyphs, drawn with QPainter on transparent pixmaps.
#include "calc/QNTKITCalcGlyphs.h"

#include <QBitmap>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace qnt {

namespace {

const QColor kInk(0x10, 0x10, 0x10);
const QColor kArrow(0x1F, 0x5F, 0xC8);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kOutline(0x40, 0x40, 0x40);

QPixmap Blank(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

/// A right-pointing or left-pointing arrow: a shaft from `from` to `to` and a head at `to`.
void DrawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  const QPointF d = to - from;
  const qreal len = std::max(std::hypot(d.x(), d.y()), 0.001);
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  const qreal head = 3.5;
  p.drawLine(from, to - u * head);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({to, to - u * head * 1.4 + n * head, to - u * head * 1.4 - n * head}));
}

void DrawCopy(QPainter& p) {
  // A page with a folded corner, and an arrow leaving it towards the right.
  QPainterPath page;
  page.moveTo(1.5, 1.5);
  page.lineTo(7.5, 1.5);
  page.lineTo(10.5, 4.5);
  page.lineTo(10.5, 14.5);
  page.lineTo(1.5, 14.5);
  page.closeSubpath();
  p.setPen(QPen(kOutline, 1));
  p.setBrush(kPaper);
  p.drawPath(page);
  p.drawLine(QPointF(7.5, 1.5), QPointF(7.5, 4.5));
  p.drawLine(QPointF(7.5, 4.5), QPointF(10.5, 4.5));
  p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
  for (int y = 7; y <= 12; y += 2) p.drawLine(QPointF(3.5, y + 0.5), QPointF(8.5, y + 0.5));
  DrawArrow(p, QPointF(7, 10.5), QPointF(15.5, 10.5), kArrow, 2);
}

void DrawPaste(QPainter& p) {
  // A clipboard with its clip, and an arrow coming in from the right.
  p.setPen(QPen(QColor(0x6B, 0x45, 0x1E), 1));
  p.setBrush(QColor(0xB5, 0x7F, 0x45));
  p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
  p.setPen(QPen(kOutline, 1));
  p.setBrush(kPaper);
  p.drawRect(QRectF(3.5, 4.5, 6, 8));
  p.setBrush(QColor(0xC0, 0xC0, 0xC0));
  p.drawRect(QRectF(4.5, 1.5, 4, 2));
  DrawArrow(p, QPointF(15.5, 11.5), QPointF(8, 11.5), kArrow, 2);
}

void DrawCancel(QPainter& p) {
  p.setPen(QPen(QColor(0xC8, 0x1E, 0x1E), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
  p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void DrawExit(QPainter& p) {
  // A door frame, the door standing open, and an arrow going out.
  p.setPen(QPen(kOutline, 1));
  p.setBrush(QColor(0xE8, 0xE8, 0xE8));
  p.drawRect(QRectF(1.5, 1.5, 8, 13));
  QPolygonF door({QPointF(1.5, 1.5), QPointF(6.5, 3.5), QPointF(6.5, 15.5), QPointF(1.5, 14.5)});
  p.setBrush(QColor(0x9C, 0x5B, 0x22));
  p.drawPolygon(door);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF0, 0xD0, 0x40));
  p.drawEllipse(QPointF(5.2, 9), 0.9, 0.9);
  DrawArrow(p, QPointF(8, 8.5), QPointF(15.5, 8.5), QColor(0x1E, 0x8C, 0x2E), 2);
}

void DrawText(QPainter& p, const QRectF& r, const QString& text, int pixelSize, bool bold = true,
              bool italic = false, Qt::Alignment align = Qt::AlignCenter) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setItalic(italic);
  p.setFont(f);
  p.setPen(kInk);
  p.drawText(r, align, text);
}

void DrawPower(QPainter& p, const QString& exponent) {
  DrawText(p, QRectF(1, 4, 10, 13), QStringLiteral("x"), 12, true, true);
  DrawText(p, QRectF(9, 0, 9, 10), exponent, 9, true, exponent != QStringLiteral("2"));
}

void DrawSqRoot(QPainter& p) {
  p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(
      QPolygonF({QPointF(1.5, 10), QPointF(3.5, 9), QPointF(6, 15.5), QPointF(9, 2.5), QPointF(17, 2.5)}));
  DrawText(p, QRectF(8, 4, 10, 13), QStringLiteral("x"), 12, true, true);
}

void DrawInvert(QPainter& p) { DrawText(p, QRectF(0, 0, 18, 18), QStringLiteral("1/x"), 11, true); }

void DrawOperator(QPainter& p, TQNTCalcFormGlyph glyph) {
  p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(kInk);
  switch (glyph) {
    case cgMultiply:
      p.drawLine(QPointF(5, 5), QPointF(13, 13));
      p.drawLine(QPointF(13, 5), QPointF(5, 13));
      break;
    case cgDivide:
      p.drawLine(QPointF(4, 9), QPointF(14, 9));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(9, 5), 1.4, 1.4);
      p.drawEllipse(QPointF(9, 13), 1.4, 1.4);
      break;
    case cgAdd:
      p.drawLine(QPointF(4, 9), QPointF(14, 9));
      p.drawLine(QPointF(9, 4), QPointF(9, 14));
      break;
    case cgSubtract: p.drawLine(QPointF(4, 9), QPointF(14, 9)); break;
    case cgChangeSign:
      p.drawLine(QPointF(4, 7), QPointF(14, 7));
      p.drawLine(QPointF(9, 2.5), QPointF(9, 11.5));
      p.drawLine(QPointF(4, 14.5), QPointF(14, 14.5));
      break;
    default: break;
  }
}

void DrawPi(QPainter& p) {
  p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(3, 5), QPointF(15, 5));
  p.drawLine(QPointF(7, 5), QPointF(6, 14));
  QPainterPath leg;
  leg.moveTo(11.5, 5);
  leg.lineTo(11.5, 12.5);
  leg.quadTo(11.5, 14, 14, 13.5);
  p.setBrush(Qt::NoBrush);
  p.drawPath(leg);
}

void DrawBackSpace(QPainter& p) { DrawArrow(p, QPointF(15, 9), QPointF(2.5, 9), kInk, 2); }

/// A small calculator: body, display and a grid of keys.
QPixmap DrawCalculator(int width, int height, int columns) {
  QPixmap pixmap = Blank(width, height);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  const QRect body(1, 0, width - 2, height);
  p.setPen(QColor(0x30, 0x30, 0x30));
  p.setBrush(QColor(0x5A, 0x5A, 0x64));
  p.drawRect(body.adjusted(0, 0, -1, -1));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xB4, 0xE6, 0xB4));
  p.drawRect(QRect(body.left() + 2, 2, body.width() - 4, 3));
  const int keyTop = 7;
  const int gap = 1;
  const int keyW = std::max((body.width() - 3 - (columns - 1) * gap) / columns, 1);
  const int rows = 4;
  const int keyH = std::max((height - keyTop - 1 - (rows - 1) * gap) / rows, 1);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const bool op = c == columns - 1;
      p.setBrush(op ? QColor(0xF0, 0xA0, 0x30) : QColor(0xEE, 0xEE, 0xEE));
      p.drawRect(QRect(body.left() + 2 + c * (keyW + gap), keyTop + r * (keyH + gap), keyW, keyH));
    }
  }
  return pixmap;
}

}  // namespace

QPixmap CalcFormGlyph(TQNTCalcFormGlyph glyph) {
  const bool topRow = glyph == cgCopy || glyph == cgPaste || glyph == cgCancel || glyph == cgExit;
  const int size = topRow ? 16 : 18;
  QPixmap pixmap = Blank(size, size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  switch (glyph) {
    case cgCopy: DrawCopy(p); break;
    case cgPaste: DrawPaste(p); break;
    case cgCancel: DrawCancel(p); break;
    case cgExit: DrawExit(p); break;
    case cgPower: DrawPower(p, QStringLiteral("y")); break;
    case cgSquare: DrawPower(p, QStringLiteral("2")); break;
    case cgSqRoot: DrawSqRoot(p); break;
    case cgInvert: DrawInvert(p); break;
    case cgPi: DrawPi(p); break;
    case cgBackSpace: DrawBackSpace(p); break;
    case cgMultiply:
    case cgDivide:
    case cgAdd:
    case cgChangeSign:
    case cgSubtract: DrawOperator(p, glyph); break;
    default: break;
  }
  p.end();
  return pixmap;
}

QPixmap CalcEditGlyph(TQNTCalcGlyphType type) {
  switch (type) {
    case ecgCalc1: return DrawCalculator(15, 16, 3);
    case ecgCalc2: return DrawCalculator(11, 16, 2);
    case ecgCalcGlyFX:
    default: return DrawCalculator(16, 16, 4);
  }
}

QIcon GlyphStripIcon(const QPixmap& strip, int images) {
  if (strip.isNull()) return {};
  images = std::max(images, 1);
  const int w = std::max(strip.width() / images, 1);
  const QImage whole = strip.toImage();
  const auto image = [&](int index) {
    QImage part = whole.copy(index * w, 0, w, strip.height()).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = part.pixel(0, part.height() - 1);
    // The bottom-left colour is the transparent one (an image already transparent there stays as it is).
    if (qAlpha(key) == 255) {
      for (int y = 0; y < part.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
          if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
      }
    }
    return QPixmap::fromImage(part);
  };
  QIcon icon;
  icon.addPixmap(image(0), QIcon::Normal);
  if (images >= 2 && strip.width() >= 2 * w) icon.addPixmap(image(1), QIcon::Disabled);
  return icon;
}

}  // namespace qnt
