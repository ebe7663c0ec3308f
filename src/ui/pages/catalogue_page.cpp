#include "pages/catalogue_page.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>

#include "models/catalogue_list_model.h"
#include "models/result_source.h"
#include "pages/calc_host.h"
#include "storage/language.h"
#include "widgets/page_parts.h"

namespace kalmo {

namespace {

// The page is laid out for the 180 pixels the window gives it at 640.
constexpr int kLeft = 4;
constexpr int kWidth = 170;

}  // namespace

CataloguePage::CataloguePage(const ResultSource& source, CalcHost& host, QWidget* parent)
    : QWidget(parent),
      fitSystemLabel_(new QLabel(this)),
      headingLabel_(new QLabel(this)),
      fitTypeLabel_(new QLabel(this)),
      fitSystemPicker_(new QComboBox(this)),
      fitTypePicker_(new QComboBox(this)),
      fitList_(new QListView(this)),
      source_(source),
      host_(host),
      list_(new CatalogueListModel(source.language(), this)) {
  setObjectName(QStringLiteral("Sglobka"));
  fitSystemLabel_->setObjectName(QStringLiteral("ULabel1"));
  headingLabel_->setObjectName(QStringLiteral("ULabel2"));
  fitTypeLabel_->setObjectName(QStringLiteral("Label2"));
  fitSystemPicker_->setObjectName(QStringLiteral("cbSystem"));
  fitTypePicker_->setObjectName(QStringLiteral("cbType"));
  fitList_->setObjectName(QStringLiteral("lbSgl_sel"));

  QFont bold = headingLabel_->font();
  bold.setBold(true);
  headingLabel_->setFont(bold);
  headingLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

  headingLabel_->setGeometry(kLeft, 6, kWidth, 15);
  fitSystemLabel_->setGeometry(kLeft, 26, kWidth, 15);
  fitSystemPicker_->setGeometry(kLeft, 41, kWidth, 21);
  fitTypeLabel_->setGeometry(kLeft, 66, kWidth, 15);
  fitTypePicker_->setGeometry(kLeft, 81, kWidth, 21);
  fitList_->setGeometry(kLeft, 108, kWidth, 235);
  fitSystemLabel_->setBuddy(fitSystemPicker_);
  fitTypeLabel_->setBuddy(fitTypePicker_);

  // Entry texts come from the language; the entries exist from the start so
  // that a selection survives every language switch.
  fitSystemPicker_->addItems({QString(), QString()});
  fitTypePicker_->addItems({QString(), QString(), QString()});
  fitList_->setUniformItemSizes(true);
  fitList_->setModel(list_);
  fitList_->setSelectionMode(QAbstractItemView::SingleSelection);
  fitList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Enter on the list applies the current entry, as a click does.
  applyOnEnter(*fitList_, [this] { applySelectedFit(); });

  connect(fitSystemPicker_, &QComboBox::currentIndexChanged, this, &CataloguePage::refillFitList);
  connect(fitTypePicker_, &QComboBox::currentIndexChanged, this, &CataloguePage::refillFitList);
  connect(fitList_, &QListView::clicked, this, &CataloguePage::applySelectedFit);
  connect(&source_, &ResultSource::languageChanged, this, &CataloguePage::applyLanguage);
}

void CataloguePage::applyLanguage() {
  const Language& language = source_.language();
  fitSystemLabel_->setText(language.text(TextId::SystemOfFit));
  fitTypeLabel_->setText(language.text(TextId::TypeOfFit));
  headingLabel_->setText(language.text(TextId::StandardFits));
  fitSystemPicker_->setAccessibleName(language.text(TextId::SystemOfFit));
  fitSystemPicker_->setAccessibleDescription(language.text(TextId::FitSystemHelp));
  fitTypePicker_->setAccessibleName(language.text(TextId::TypeOfFit));
  fitTypePicker_->setAccessibleDescription(language.text(TextId::FitTypeHelp));
  fitList_->setAccessibleName(language.text(TextId::StandardFits));
  fitList_->setAccessibleDescription(language.text(TextId::CatalogueListHelp));
  setItemTexts(*fitSystemPicker_,
               {language.text(TextId::HoleBasis), language.text(TextId::ShaftBasis)});
  setItemTexts(*fitTypePicker_,
               {language.text(TextId::ClearanceFit), language.text(TextId::TransitionFit),
                language.text(TextId::InterferenceFit)});
}

void CataloguePage::refillFitList() {
  const int system = fitSystemPicker_->currentIndex();
  const int type = fitTypePicker_->currentIndex();
  if (system < 0 || type < 0) {
    return;
  }
  const FitCatalogue& catalogue = fitCatalogueFor(source_.view().inputs.sizeMm);
  list_->setEntries(catalogue.section(static_cast<FitBasis>(system), static_cast<FitType>(type)));
}

void CataloguePage::applySelectedFit() {
  const CatalogueEntry* entry = list_->entry(fitList_->currentIndex().row());
  if (entry == nullptr || !fitList_->selectionModel()->isSelected(fitList_->currentIndex())) {
    return;
  }
  host_.applyFit(entry->classes);
}

void CataloguePage::selectFirstSection() {
  fitSystemPicker_->setCurrentIndex(0);
  fitTypePicker_->setCurrentIndex(0);
}

}  // namespace kalmo
