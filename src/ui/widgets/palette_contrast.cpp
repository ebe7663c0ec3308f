#include "widgets/palette_contrast.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace kalmo {

namespace {

// Readable text on a background: the usual threshold for body text.
constexpr double kReadableContrast = 4.5;

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

// The wanted colour, or the first shade of its hue (lighter on a dark
// background, darker on a light one) that reads on both backgrounds.
QColor readableOn(const QColor& wanted, const QColor& first, const QColor& second) {
  const auto readable = [&](const QColor& c) {
    return contrastRatio(c, first) >= kReadableContrast &&
           contrastRatio(c, second) >= kReadableContrast;
  };
  if (readable(wanted)) return wanted;
  const bool dark = first.lightness() < 128;
  const int step = dark ? 5 : -5;
  for (int lightness = wanted.lightness(); lightness >= 0 && lightness <= 255; lightness += step) {
    const QColor shade = QColor::fromHsl(wanted.hslHue(), wanted.hslSaturation(), lightness);
    if (readable(shade)) return shade;
  }
  return dark ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace

QColor errorTextColour(const QPalette& palette) {
  return readableOn(QColor(176, 0, 0), palette.color(QPalette::Active, QPalette::Base),
                    palette.color(QPalette::Active, QPalette::AlternateBase));
}

QColor readableOnWindow(const QColor& wanted, const QPalette& palette) {
  const QColor window = palette.color(QPalette::Active, QPalette::Window);
  return readableOn(wanted, window, window);
}

}  // namespace kalmo
