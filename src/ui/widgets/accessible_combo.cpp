#include "widgets/accessible_combo.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace kalmo {

namespace {

class AccessibleCombo final : public QAccessibleWidget {
 public:
  explicit AccessibleCombo(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {
    addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
  }

  QString text(QAccessible::Text t) const override {
    const auto* combo = static_cast<const QComboBox*>(widget());
    switch (t) {
      case QAccessible::Name:
        // A combo box without a name of its own is still named by its item.
        return combo->accessibleName().isEmpty() ? combo->currentText() : combo->accessibleName();
      case QAccessible::Value: return combo->currentText();
      default: break;
    }
    return QAccessibleWidget::text(t);
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& name) override {
    if (name == showMenuAction() || name == pressAction()) {
      static_cast<QComboBox*>(widget())->showPopup();
    }
  }
};

QAccessibleInterface* comboFactory(const QString& className, QObject* object) {
  // Editable combo boxes keep Qt's interface: their line edit is the value.
  if (auto* combo = qobject_cast<QComboBox*>(object);
      combo && !combo->isEditable() && className == QLatin1String("QComboBox")) {
    return new AccessibleCombo(combo);
  }
  return nullptr;
}

}  // namespace

void installAccessibleComboNames() {
  QAccessible::installFactory(comboFactory);
}

}  // namespace kalmo
