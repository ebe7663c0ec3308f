#include "palette_contrast.h"

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

QColor errorTextColour(const QPalette& palette) {
  const QColor base = palette.color(QPalette::Active, QPalette::Base);
  const QColor alternate = palette.color(QPalette::Active, QPalette::AlternateBase);
  const auto readable = [&](const QColor& c) {
    return contrastRatio(c, base) >= kReadableContrast &&
           contrastRatio(c, alternate) >= kReadableContrast;
  };
  const QColor red(176, 0, 0);
  if (readable(red)) return red;
  // Lighter reds of the same hue, towards white; white itself at the end.
  for (int lightness = red.lightness(); lightness <= 255; lightness += 5) {
    const QColor lighter = QColor::fromHsl(red.hslHue(), 255, lightness);
    if (readable(lighter)) return lighter;
  }
  return QColor(Qt::white);
}

}  // namespace kalmo
