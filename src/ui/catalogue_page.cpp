#include "catalogue_page.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>

#include "calc_host.h"
#include "catalogue_list_model.h"
#include "language.h"

namespace kalmo {

namespace {

// The page is laid out for the 180 pixels the window gives it at 640.
constexpr int kLeft = 4;
constexpr int kWidth = 170;

}  // namespace

CataloguePage::CataloguePage(CalcHost& host, QWidget* parent)
    : QWidget(parent),
      ULabel1(new QLabel(this)),
      ULabel2(new QLabel(this)),
      Label2(new QLabel(this)),
      cbSystem(new QComboBox(this)),
      cbType(new QComboBox(this)),
      lbSgl_sel(new QListView(this)),
      host_(host),
      list_(new CatalogueListModel(this)) {
  setObjectName(QStringLiteral("Sglobka"));
  ULabel1->setObjectName(QStringLiteral("ULabel1"));
  ULabel2->setObjectName(QStringLiteral("ULabel2"));
  Label2->setObjectName(QStringLiteral("Label2"));
  cbSystem->setObjectName(QStringLiteral("cbSystem"));
  cbType->setObjectName(QStringLiteral("cbType"));
  lbSgl_sel->setObjectName(QStringLiteral("lbSgl_sel"));

  QFont bold = ULabel2->font();
  bold.setBold(true);
  ULabel2->setFont(bold);
  ULabel2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

  ULabel2->setGeometry(kLeft, 6, kWidth, 15);
  ULabel1->setGeometry(kLeft, 26, kWidth, 15);
  cbSystem->setGeometry(kLeft, 41, kWidth, 21);
  Label2->setGeometry(kLeft, 66, kWidth, 15);
  cbType->setGeometry(kLeft, 81, kWidth, 21);
  lbSgl_sel->setGeometry(kLeft, 108, kWidth, 235);

  // Entry texts come from the language; the entries exist from the start so
  // that a selection survives every language switch.
  cbSystem->addItems({QString(), QString()});
  cbType->addItems({QString(), QString(), QString()});
  lbSgl_sel->setUniformItemSizes(true);
  lbSgl_sel->setModel(list_);
  lbSgl_sel->setSelectionMode(QAbstractItemView::SingleSelection);
  lbSgl_sel->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lbSgl_sel->installEventFilter(this);

  connect(cbSystem, &QComboBox::currentIndexChanged, this, &CataloguePage::cbSystemChange);
  connect(cbType, &QComboBox::currentIndexChanged, this, &CataloguePage::cbSystemChange);
  connect(lbSgl_sel, &QListView::clicked, this, &CataloguePage::lbSgl_selClick);
}

void CataloguePage::applyLanguage(const Language& language) {
  ULabel1->setText(language.text(TextId::SystemOfFit));
  Label2->setText(language.text(TextId::TypeOfFit));
  ULabel2->setText(language.text(TextId::StandardFits));
  setItemTexts(*cbSystem, {language.text(TextId::HoleBasis), language.text(TextId::ShaftBasis)});
  setItemTexts(*cbType, {language.text(TextId::ClearanceFit), language.text(TextId::TransitionFit),
                         language.text(TextId::InterferenceFit)});
}

void CataloguePage::cbSystemChange() {
  const int system = cbSystem->currentIndex();
  const int type = cbType->currentIndex();
  if (system < 0 || type < 0) {
    return;
  }
  const FitCatalogue& catalogue = fitCatalogueFor(host_.record().NominalSize);
  list_->setEntries(catalogue.section(static_cast<FitBasis>(system), static_cast<FitType>(type)));
}

void CataloguePage::lbSgl_selClick() {
  const CatalogueEntry* entry = list_->entry(lbSgl_sel->currentIndex().row());
  if (entry == nullptr || !lbSgl_sel->selectionModel()->isSelected(lbSgl_sel->currentIndex())) {
    return;
  }
  host_.applyFit(entry->classes);
}

bool CataloguePage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lbSgl_sel && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      lbSgl_selClick();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kalmo
