#include "widgets/app_images.h"

#include <QFont>
#include <QFontDatabase>

// The resource of a static library registers only when referenced; the
// initialiser has to be named outside any namespace.
static void initImagesResource() {
  Q_INIT_RESOURCE(images);
}

namespace kalmo {

namespace {

QString path(Image image) {
  switch (image) {
    case Image::FlagBulgarian: return QStringLiteral(":/images/flag_bg.svg");
    case Image::FlagGerman: return QStringLiteral(":/images/flag_de.svg");
    case Image::FlagEnglish: return QStringLiteral(":/images/flag_en.svg");
    case Image::UnitMillimetre: return QStringLiteral(":/images/unit_mm.svg");
    case Image::UnitInch: return QStringLiteral(":/images/unit_inch.svg");
    case Image::Copy: return QStringLiteral(":/images/copy.svg");
    case Image::Exit: return QStringLiteral(":/images/exit.svg");
    case Image::Help: return QStringLiteral(":/images/help.svg");
    case Image::About: return QStringLiteral(":/images/info.svg");
    case Image::ClassList: return QStringLiteral(":/images/class_list.svg");
    case Image::PreferredNumber: return QStringLiteral(":/images/preferred.svg");
    case Image::PressFit: return QStringLiteral(":/images/press_fit.svg");
    case Image::Inspection: return QStringLiteral(":/images/inspection.svg");
    case Image::BatchTable: return QStringLiteral(":/images/batch_table.svg");
    case Image::Print: return QStringLiteral(":/images/print.svg");
    case Image::Pdf: return QStringLiteral(":/images/pdf.svg");
    case Image::GeneralTolerances: return QStringLiteral(":/images/general_tolerances.svg");
    case Image::BearingSeat: return QStringLiteral(":/images/bearing_seat.svg");
    case Image::StackUp: return QStringLiteral(":/images/stack_up.svg");
    case Image::MoreTools: return QStringLiteral(":/images/more_tools.svg");
    case Image::Application: return QStringLiteral(":/images/kalmo.svg");
  }
  return {};
}

}  // namespace

void initImages() {
  static const bool done = (initImagesResource(), true);
  (void)done;
}

QIcon icon(Image image) {
  initImages();
  return QIcon(path(image));
}

QIcon languageIcon(LanguageCode language) {
  switch (language) {
    case LanguageCode::Bulgarian: return icon(Image::FlagBulgarian);
    case LanguageCode::German: return icon(Image::FlagGerman);
    case LanguageCode::English: break;
  }
  return icon(Image::FlagEnglish);
}

QPixmap splashPicture() {
  initImages();
  return QPixmap(QStringLiteral(":/images/splash.png"));
}

QFont windowFont() {
  const QStringList installed = QFontDatabase::families();
  QString family = QStringLiteral("DejaVu Sans");
  for (const QString& candidate :
       {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")}) {
    if (installed.contains(candidate)) {
      family = candidate;
      break;
    }
  }
  QFont font(family);
  font.setPixelSize(11);
  return font;
}

}  // namespace kalmo
