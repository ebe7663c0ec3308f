#pragma once

#include "calc/evaluation.h"
#include "lang/text_id.h"

namespace kalmo {

// The interface texts that name a fit: its kind and the captions of its two
// limit values. An undefined fit has no kind text and the captions "Max." and "Min.".
constexpr TextId fitKindText(FitKind kind) {
  switch (kind) {
    case FitKind::Clearance: return TextId::ClearanceFit;
    case FitKind::Interference: return TextId::InterferenceFit;
    case FitKind::Transition: return TextId::TransitionFit;
    case FitKind::Undefined: break;
  }
  return TextId::None;
}

constexpr TextId fitValue1Caption(FitKind kind) {
  switch (kind) {
    case FitKind::Clearance:
    case FitKind::Transition: return TextId::MaxClearance;
    case FitKind::Interference: return TextId::MaxInterference;
    case FitKind::Undefined: break;
  }
  return TextId::Max;
}

constexpr TextId fitValue2Caption(FitKind kind) {
  switch (kind) {
    case FitKind::Clearance: return TextId::MinClearance;
    case FitKind::Transition: return TextId::MaxInterference;
    case FitKind::Interference: return TextId::MinInterference;
    case FitKind::Undefined: break;
  }
  return TextId::Min;
}

}  // namespace kalmo
