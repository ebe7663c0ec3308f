#pragma once

#include <QIcon>
#include <QPixmap>

#include "lang/lang_table.h"

namespace kalmo {

// The toolbar image list by its fixed numbers, and the other pictures.
enum class Image {
  FlagBulgarian = 5,
  FlagGerman = 6,
  FlagEnglish = 7,
  UnitMillimetre = 9,
  UnitInch = 10,
  Copy,
  Exit,
  Help,
  About,
  ClassList,        // holeClassListButton, shaftClassListButton
  PreferredNumber,  // preferredNumbersButton
  PressFit,         // the press-fit window
  Inspection,
  BatchTable,
  Print,
  Pdf,
  GeneralTolerances,  // the general tolerances window
  BearingSeat,        // the bearing-seat window
  StackUp,            // the stack-up window
  MoreTools,          // the toolbar button that lists the further tool windows
  Application,
};

// Makes the embedded pictures available; safe to call more than once.
void initImages();

QIcon icon(Image image);
// The flag of a language code (1, 2, 3); a null icon for any other code.
QIcon languageIcon(LanguageCode language);
// The about window's picture; its pure yellow pixels are see-through.
QPixmap splashPicture();

// The window font: 11 pixels high, Tahoma where installed, else DejaVu Sans
// (its condensed face first, whose widths come closest).
QFont windowFont();

}  // namespace kalmo
