#include "design_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "calc_host.h"
#include "class_pickers.h"
#include "format/number_format.h"
#include "format/units.h"
#include "language.h"
#include "number_field.h"

namespace kalmo {

namespace {

// Target values are fit values in the unit shown; no fit comes near 10 m.
constexpr double kTargetLimit = 10000;

QLabel* label(QWidget* parent, const char* name, const QRect& place) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(place);
  return l;
}

QComboBox* combo(QWidget* parent, const char* name, const QRect& place, int entries) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setGeometry(place);
  for (int i = 0; i < entries; ++i) {
    c->addItem(QString());
  }
  return c;
}

NumberField* targetField(QWidget* parent, const char* name, const QRect& place) {
  auto* f = new NumberField(-kTargetLimit, kTargetLimit, parent);
  f->setObjectName(QString::fromLatin1(name));
  f->setGeometry(place);
  f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  f->setValue(0);
  return f;
}

}  // namespace

std::pair<int, int> targetCaptionIds(int fitTypeIndex) {
  switch (fitTypeIndex) {
    case 1: return {107, 109};
    case 2: return {109, 110};
    default: return {107, 108};
  }
}

DesignPage::DesignPage(CalcHost& host, QWidget* parent)
    : QWidget(parent),
      ULabel3(label(this, "ULabel3", {4, 4, 200, 15})),
      ULabel4(label(this, "ULabel4", {4, 41, 150, 15})),
      ULabel5(label(this, "ULabel5", {4, 130, 54, 15})),
      ULabel6(label(this, "ULabel6", {158, 41, 148, 15})),
      cbIT(combo(this, "cbIT", {4, 18, 198, 21}, 6)),
      cbDVon(combo(this, "cbDVon", {206, 18, 48, 21}, 0)),
      cbDBis(combo(this, "cbDBis", {258, 18, 48, 21}, 0)),
      cbDSystem(combo(this, "cbDSystem", {4, 55, 150, 21}, 5)),
      cbDSgl(combo(this, "cbDSgl", {4, 79, 64, 21}, 0)),
      cbDType(combo(this, "cbDType", {158, 55, 148, 21}, 3)),
      lblMax(label(this, "lblMax", {4, 106, 78, 15})),
      lblMin(label(this, "lblMin", {158, 106, 78, 15})),
      edMaxV(targetField(this, "edMaxV", {84, 103, 70, 21})),
      edMinV(targetField(this, "edMinV", {238, 103, 68, 21})),
      chbDSel(new QCheckBox(this)),
      cbPart(combo(this, "cbPart", {60, 126, 60, 21}, 0)),
      btnShow(new QPushButton(this)),
      drgrDesign(new QTableView(this)),
      host_(host) {
  setObjectName(QStringLiteral("Design"));
  fillGradePicker(*cbDVon);
  fillGradePicker(*cbDBis);
  cbDVon->setEnabled(false);
  cbDBis->setEnabled(false);
  cbDSgl->setVisible(false);
  lblMax->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblMin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  chbDSel->setObjectName(QStringLiteral("chbDSel"));
  chbDSel->setGeometry(76, 80, 230, 19);

  // Entries 0..3 are fixed counts; entry 4 ("all") follows the language.
  cbPart->addItems({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("50"), QStringLiteral("100"), QString()});

  btnShow->setObjectName(QStringLiteral("btnShow"));
  btnShow->setGeometry(206, 125, 100, 23);

  drgrDesign->setObjectName(QStringLiteral("drgrDesign"));
  drgrDesign->setGeometry(2, 148, 306, 201);
  drgrDesign->verticalHeader()->setVisible(false);
  drgrDesign->horizontalHeader()->setDefaultSectionSize(70);
  drgrDesign->verticalHeader()->setDefaultSectionSize(17);
}

void DesignPage::applyLanguage(const Language& language) {
  ULabel3->setText(language.text(94));
  ULabel4->setText(language.text(24));
  chbDSel->setText(language.text(95));
  ULabel6->setText(language.text(12));
  btnShow->setText(language.text(97));
  ULabel5->setText(language.text(98));
  setItemTexts(*cbIT, {language.text(100), language.text(99), language.text(101), language.text(102),
                       language.text(103), language.text(89)});
  setItemTexts(*cbDSystem, {language.text(26), language.text(27), language.text(104), language.text(105),
                            language.text(106)});
  setItemTexts(*cbDType, {language.text(16), language.text(18), language.text(17)});
  const auto [maxId, minId] = targetCaptionIds(cbDType->currentIndex());
  lblMax->setText(language.text(maxId));
  lblMin->setText(language.text(minId));
  // "(all)" without its brackets.
  const QString all = language.text(91);
  setItemTexts(*cbPart, {cbPart->itemText(0), cbPart->itemText(1), cbPart->itemText(2), cbPart->itemText(3),
                         all.size() >= 2 ? all.mid(1, all.size() - 2) : QString()});
  drgrDesign->viewport()->update();
}

void DesignPage::showTargets(double designMinMm, double designMaxMm, bool inchMode) {
  const auto shown = [inchMode](double mm) { return inchMode ? roundTo(mmToInch(mm), 5) : roundTo(mm, 4); };
  edMinV->setValue(shown(designMinMm));
  edMaxV->setValue(shown(designMaxMm));
}

}  // namespace kalmo
