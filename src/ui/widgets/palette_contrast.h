#pragma once

#include <QColor>

class QPalette;

namespace kalmo {

// The contrast ratio of two colours (1 to 21) by the relative luminance of
// sRGB: (L1 + 0.05) / (L2 + 0.05), the lighter over the darker.
double contrastRatio(const QColor& a, const QColor& b);

// The red of error rows: the dark red (176, 0, 0) on light backgrounds; on
// dark ones a lighter red of the same hue, the first that reaches a contrast
// of 4.5:1 against both the palette's Base and AlternateBase.
QColor errorTextColour(const QPalette& palette);

// The same for any text colour on a window's background (Window role): the
// colour itself where it reaches 4.5:1, else the first lighter or darker
// shade of its hue that does.
QColor readableOnWindow(const QColor& wanted, const QPalette& palette);

}  // namespace kalmo
