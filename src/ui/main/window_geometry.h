#pragma once

#include <QRect>

namespace kalmo {

// Fixed layout of the main window in device-independent pixels (96 dpi).
namespace layout {

// Window (client) widths: the inputs group alone, with the fit catalogue page,
// with the design page or the operating page.
inline constexpr int kWidthClosed = 465;
inline constexpr int kWidthCatalogue = 640;
inline constexpr int kWidthDesign = 770;

inline constexpr int kToolBarHeight = 32;
// Client height below the tool bar: the grid ends at 349, the range-boundary
// note takes two lines (34 pixels) below it. The room is there with or without
// a note, so the window does not jump while a size is typed (10 and 100 mm are
// range bounds: typing "100" passes through a note).
inline constexpr int kGroupHeight = 383;
inline constexpr int kClientHeight = kToolBarHeight + kGroupHeight;  // 415
inline constexpr int kGroupWidth = 460;
// The side panel starts where the inputs group ends and is as wide as the
// widest window leaves it.
inline constexpr int kPanelWidth = kWidthDesign - kGroupWidth;

// Inside inputsGroup.
inline constexpr QRect kNominalSizeLabel{2, 16, 90, 15};  // right edge on nominalSizeField's
inline constexpr QRect kNominal{10, 33, 82, 21};
inline constexpr QRect kPreferredNumbersButton{92, 33, 22, 21};
inline constexpr QRect kHoleLabel{127, 16, 100, 15};
inline constexpr QRect kLetterHole{121, 33, 42, 21};
inline constexpr QRect kGradeHole{162, 33, 42, 21};
inline constexpr QRect kHoleClassListButton{204, 33, 22, 21};
inline constexpr QRect kShaftLabel{233, 16, 100, 15};
inline constexpr QRect kLetterShaft{233, 33, 42, 21};
inline constexpr QRect kGradeShaft{274, 33, 42, 21};
inline constexpr QRect kShaftClassListButton{316, 33, 22, 21};
// The three side-panel buttons share the height beside the pickers, above
// the results grid (y = 71): three fit there only at 18 pixels each, so the
// grid, the diagram and the pickers keep their places.
inline constexpr QRect kCatalogueButton{346, 15, 109, 18};
inline constexpr QRect kDesignButton{346, 34, 109, 18};
inline constexpr QRect kOperatingButton{346, 53, 109, 18};
inline constexpr QRect kNote{8, 56, 330, 15};
inline constexpr QPoint kGridPos{2, 71};
inline constexpr QRect kBoundaryNote{6, 349, 450, 32};  // under the grid, two lines
// The general-tolerance comparison under the boundary note: one line, for
// which the window is this much taller while a class is compared.
inline constexpr int kGeneralLineHeight = 17;
inline constexpr QRect kGeneralLine{6, kGroupHeight - 2, 450, kGeneralLineHeight};

}  // namespace layout

// The page the side panel shows; the window's width follows from it.
enum class SidePage { None, Catalogue, Design, Operating };

constexpr int windowWidth(SidePage page) {
  switch (page) {
    case SidePage::Catalogue: return layout::kWidthCatalogue;
    case SidePage::Design:
    case SidePage::Operating: return layout::kWidthDesign;
    case SidePage::None: break;
  }
  return layout::kWidthClosed;
}

}  // namespace kalmo
