// Every text the window shows fits its widget, in every language: the walk
// measures each visible label, button, check box, group box title, list entry
// and grid cell with the widget's own font and the room the style leaves it.
// Run at QT_SCALE_FACTOR=2 as well (CMakeLists.txt registers both).

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <memory>

#include "main/main_window.h"
#include "models/design_results_model.h"
#include "page_test_support.h"
#include "pages/operating_page.h"
#include "preferred/preferred_numbers_window.h"
#include "storage/language.h"
#include "storage/settings_store.h"
#include "widgets/class_pickers.h"
#include "widgets/number_field.h"
#include "widgets/results_grid.h"
#include "windows/batch_table_window.h"
#include "windows/inspection_window.h"
#include "windows/press_fit_window.h"

using namespace kalmo;
using test::part;

namespace {

// Pixels a text must leave free in its box, so that it does not run edge to edge.
constexpr int kSpare = 2;

QString plain(QString text) {
  return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

int widest(const QFontMetrics& metrics, const QString& text) {
  int width = 0;
  for (const QString& line : text.split(u'\n')) {
    width = std::max(width, metrics.horizontalAdvance(line));
  }
  return width;
}

QString where(const QWidget& widget) {
  QString name = widget.objectName();
  if (name.isEmpty()) name = QString::fromLatin1(widget.metaObject()->className());
  return name;
}

// The complaints about one widget: "name: “text” needs N px, has M".
class Walk {
 public:
  void check(const QWidget& widget, const QString& text, int needed, int room,
             const QString& detail = {}) {
    if (!text.isEmpty() && needed > room) {
      clipped_ << QStringLiteral("%1: “%2”%3 needs %4 px, has %5")
                      .arg(where(widget), text, detail)
                      .arg(needed)
                      .arg(room);
    }
  }

  void label(const QLabel& l) {
    if (l.text().isEmpty() || !l.pixmap().isNull() || Qt::mightBeRichText(l.text())) return;
    const QRect room = l.contentsRect().adjusted(l.margin(), l.margin(), -l.margin(), -l.margin());
    const QFontMetrics metrics = l.fontMetrics();
    if (l.wordWrap()) {
      const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 10000),
                                                Qt::TextWordWrap | l.alignment(), l.text());
      check(l, l.text(), needed.width(), room.width());
      check(l, l.text(), needed.height(), room.height(), QStringLiteral(" (height)"));
      return;
    }
    check(l, l.text(), widest(metrics, l.text()), room.width());
  }

  void button(const QPushButton& b) {
    if (b.text().isEmpty()) return;
    const QStyle* style = b.style();
    const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &b) +
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &b);
    const int icon = b.icon().isNull() ? 0 : b.iconSize().width() + 4;
    check(b, b.text(), b.fontMetrics().horizontalAdvance(plain(b.text())) + icon + margins,
          b.width());
  }

  // A check box or radio button: its indicator, the spacing, then the text.
  void indicatorButton(const QAbstractButton& b, QStyle::PixelMetric indicator,
                       QStyle::PixelMetric spacing) {
    if (b.text().isEmpty()) return;
    const QStyle* style = b.style();
    const int lead =
        style->pixelMetric(indicator, nullptr, &b) + style->pixelMetric(spacing, nullptr, &b);
    check(b, b.text(), lead + b.fontMetrics().horizontalAdvance(plain(b.text())) + kSpare,
          b.width());
  }

  // Every entry, since the closed box shows whichever is chosen.
  // A letter picker shows "bearing" over the grade picker's place as well
  // (fitPickersToLetter): the room it gains then.
  static int bearingSpan(const QComboBox& c, int item) {
    if (item != kalmo::letter::Bearing || !c.objectName().startsWith(QLatin1String("cbLetter"))) {
      return 0;
    }
    const QString gradeName =
        c.objectName().endsWith(u'o') ? QStringLiteral("cbIT_o") : QStringLiteral("cbIT_v");
    const auto* grade = c.parentWidget()->findChild<const QComboBox*>(gradeName);
    return grade ? grade->geometry().right() + 1 - c.geometry().right() - 1 : 0;
  }

  void comboBox(const QComboBox& c) {
    QStyleOptionComboBox option;
    option.initFrom(&c);
    option.editable = c.isEditable();
    option.frame = c.hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect field =
        c.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &c);
    for (int i = 0; i < c.count(); ++i) {
      const QString text = c.itemText(i);
      const int icon = c.itemIcon(i).isNull() ? 0 : c.iconSize().width() + 4;
      check(c, text, c.fontMetrics().horizontalAdvance(text) + icon + kSpare,
            field.width() + bearingSpan(c, i));
    }
  }

  void groupBox(const QGroupBox& g) {
    if (g.title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(&g);
    option.text = g.title();
    option.textAlignment = g.alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title =
        g.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &g);
    check(g, g.title(), title.right() + 1 + kSpare, g.width());
  }

  // The design table's heading breaks its captions between words.
  void wrappedHeader(const DesignTableHeader& h) {
    for (int i = 0; i < h.count(); ++i) {
      const QString text = h.model()->headerData(i, h.orientation()).toString();
      const QRect area = DesignTableHeader::textArea(QRect(0, 0, h.sectionSize(i), h.height()));
      for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        check(h, word, h.fontMetrics().horizontalAdvance(word), area.width());
      }
      const QRect needed = h.fontMetrics().boundingRect(area, Qt::TextWordWrap, text);
      check(h, text, needed.height(), area.height(), QStringLiteral(" (height)"));
    }
  }

  void header(const QHeaderView& h) {
    if (!h.model()) return;
    if (const auto* wrapped = qobject_cast<const DesignTableHeader*>(&h)) {
      wrappedHeader(*wrapped);
      return;
    }
    const int margin = 2 * h.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &h);
    for (int i = 0; i < h.count(); ++i) {
      if (h.isSectionHidden(i)) continue;
      const QString text = h.model()->headerData(i, h.orientation()).toString();
      if (text.isEmpty()) continue;
      const int room = h.orientation() == Qt::Horizontal ? h.sectionSize(i) : h.width();
      check(h, text, widest(h.fontMetrics(), text) + margin, room);
    }
  }

  // The results grid paints its cells; each text against the box it is drawn in.
  void grid(const ResultsGrid& g, const GridInput& input) {
    QFont bold = g.font();
    bold.setBold(true);
    const QFontMetrics regular(g.font());
    const QFontMetrics heavy(bold);
    for (int row = 0; row < grid::kRows; ++row) {
      for (int column = 0; column < grid::kColumns; ++column) {
        const GridCell cell = gridCell(input, column, row);
        const CellLayout place = cellLayout(cell, column, row);
        const QFontMetrics& m = cell.kind == CellKind::Value ? regular : heavy;
        const QString at = QStringLiteral(" (cell %1,%2)").arg(column).arg(row);
        const QString centred =
            cell.kind != CellKind::DiagramHeading
                ? cell.centred
                : fittedHeading(cell.centred, place.text.width(),
                                [&m](const QString& text) { return m.horizontalAdvance(text); });
        check(g, centred, m.horizontalAdvance(centred) + kSpare, place.text.width(), at);
        check(g, cell.label, m.horizontalAdvance(cell.label) + kSpare, place.label.width(), at);
        check(g, cell.value, m.horizontalAdvance(cell.value), place.value.width(), at);
      }
    }
  }

  // Every visible widget of the window.
  void window(const QWidget& top) {
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    for (const QWidget* w : widgets) {
      // A class list lies under its grade picker: only its opened list is seen.
      if (!w->isVisibleTo(&top) || w->width() <= 0 || qobject_cast<const ClassList*>(w)) continue;
      if (const auto* l = qobject_cast<const QLabel*>(w)) {
        label(*l);
      } else if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        button(*b);
      } else if (const auto* c = qobject_cast<const QCheckBox*>(w)) {
        indicatorButton(*c, QStyle::PM_IndicatorWidth, QStyle::PM_CheckBoxLabelSpacing);
      } else if (const auto* r = qobject_cast<const QRadioButton*>(w)) {
        indicatorButton(*r, QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_RadioButtonLabelSpacing);
      } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
        comboBox(*c);
      } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        groupBox(*g);
      } else if (const auto* h = qobject_cast<const QHeaderView*>(w)) {
        header(*h);
      }
    }
  }

  QStringList clipped() const {
    QStringList once = clipped_;
    once.removeDuplicates();
    return once;
  }

 private:
  QStringList clipped_;
};

enum class View {
  Main,
  Catalogue,
  Design,
  Operating,
  PressFit,
  Inspection,
  BatchTable,
  PreferredNumbers
};

struct Session {
  QtSettingsStore store;
  Language language{store};
  std::unique_ptr<MainWindow> window;

  explicit Session(LanguageCode code) {
    language.InitLanguage();
    window = std::make_unique<MainWindow>(language, store);
    window->show();
    const char* action = code == kLanguageBulgarian ? "Bul"
                         : code == kLanguageGerman  ? "Deutsch"
                                                    : "English";
    part<QAction>(*window, action)->trigger();
  }
};

// Enters a callout in the size field, as typed and confirmed.
void enter(MainWindow& w, const QString& callout) {
  auto* field = part<NumberField>(w, "edNominal");
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, callout);
  QTest::keyClick(field, Qt::Key_Return);
}

QString tag(LanguageCode code) {
  return code == kLanguageBulgarian ? QStringLiteral("bg")
         : code == kLanguageGerman  ? QStringLiteral("de")
                                    : QStringLiteral("en");
}

}  // namespace

Q_DECLARE_METATYPE(kalmo::LanguageCode)
Q_DECLARE_METATYPE(View)

class TextsFitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void everyTextFitsItsWidget_data();
  void everyTextFitsItsWidget();

 private:
  QTemporaryDir dir_;
};

void TextsFitTest::initTestCase() {
  QVERIFY(dir_.isValid());
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  QLocale::setDefault(QLocale::c());
}

void TextsFitTest::everyTextFitsItsWidget_data() {
  QTest::addColumn<LanguageCode>("language");
  QTest::addColumn<View>("view");
  const std::pair<const char*, View> views[] = {{"main", View::Main},
                                                {"catalogue", View::Catalogue},
                                                {"design", View::Design},
                                                {"operating", View::Operating},
                                                {"press fit", View::PressFit},
                                                {"inspection", View::Inspection},
                                                {"batch table", View::BatchTable},
                                                {"preferred numbers", View::PreferredNumbers}};
  for (LanguageCode code : {kLanguageBulgarian, kLanguageGerman, kLanguageEnglish}) {
    for (const auto& [name, view] : views) {
      QTest::addRow("%s %s", qPrintable(tag(code)), name) << code << view;
    }
  }
}

void TextsFitTest::everyTextFitsItsWidget() {
  QFETCH(LanguageCode, language);
  QFETCH(View, view);
  Session s(language);
  MainWindow& w = *s.window;
  Walk walk;
  const QString name =
      QStringLiteral("texts_%1_%2")
          .arg(tag(language), QString::fromLatin1(QTest::currentDataTag()).section(u' ', 1))
          .replace(u' ', u'_');
  switch (view) {
    case View::Main:
      // Each kind of fit has its own captions, in both units.
      for (const char* fit : {"10 H7/g6", "10 H7/k6", "10 H7/s6"}) {
        for (int unit = 0; unit < 2; ++unit) {
          enter(w, QString::fromLatin1(fit));
          walk.window(w);
          walk.grid(*part<ResultsGrid>(w, "drgrDanni"), w.gridInput());
          w.switchUnit();
        }
      }
      // The note line's entry notes: a size held at its limit, text put back.
      for (const char* typed : {"12000", "0,0000001", "42 x"}) {
        enter(w, QString::fromLatin1(typed));
        part<NumberField>(w, "edNominal")->clearFocus();
        walk.window(w);
      }
      test::snapshot(w, name);
      break;
    case View::Catalogue:
      w.toggleCataloguePage();
      walk.window(w);
      test::snapshot(w, name);
      break;
    case View::Design: {
      w.toggleDesignPage();
      auto* type = part<QComboBox>(w, "cbDType");
      auto* system = part<QComboBox>(w, "cbDSystem");
      // The target captions follow the fit type; systems 2 and 3 show the fixed class.
      for (int i = 0; i < type->count(); ++i) {
        type->setCurrentIndex(i);
        for (int j = 0; j < system->count(); ++j) {
          system->setCurrentIndex(j);
          walk.window(w);
        }
      }
      type->setCurrentIndex(0);
      system->setCurrentIndex(0);
      part<QPushButton>(w, "btnShow")->click();
      walk.window(w);
      // Searched at operating conditions, the table is headed accordingly.
      part<QCheckBox>(w, "atOperatingBox")->setChecked(true);
      part<QPushButton>(w, "btnShow")->click();
      walk.window(w);
      test::snapshot(w, name);
      break;
    }
    case View::Operating: {
      enter(w, QStringLiteral("50 H7/k6"));
      part<QPushButton>(w, "operatingButton")->click();
      auto* page = part<OperatingPage>(w, "Operating");
      OperatingChoices choices;
      choices.hole = {MaterialId::Aluminium, 12, 80};
      choices.shaft = {MaterialId::Steel, 12, 60};
      page->restoreChoices(choices);
      walk.window(w);
      test::snapshot(w, name);
      // A typed α, then a temperature without a number: the column names the field.
      choices.hole.material = MaterialId::Custom;
      page->restoreChoices(choices);
      walk.window(w);
      part<NumberField>(w, "shaftTemperatureField")->setText(QStringLiteral("warm"));
      walk.window(w);
      test::snapshot(w, name + QStringLiteral("_bad_entry"));
      break;
    }
    case View::PressFit: {
      part<QAction>(w, "pressFitAction")->trigger();
      auto* window = w.findChild<PressFitWindow*>();
      QVERIFY(window);
      walk.window(*window);
      test::snapshot(*window, name);
      break;
    }
    case View::Inspection: {
      part<QToolButton>(w, "inspectionButton")->click();
      auto* window = w.findChild<InspectionWindow*>();
      QVERIFY(window);
      walk.window(*window);
      test::snapshot(*window, name);
      break;
    }
    case View::BatchTable: {
      part<QToolButton>(w, "batchTableButton")->click();
      auto* window = w.findChild<BatchTableWindow*>();
      QVERIFY(window);
      walk.window(*window);
      test::snapshot(*window, name);
      break;
    }
    case View::PreferredNumbers: {
      PreferredNumbersWindow window(s.language.table());
      window.show();
      walk.window(window);
      test::snapshot(window, name);
      break;
    }
  }
  for (const QString& line : walk.clipped()) qWarning("%s", qPrintable(line));
  QVERIFY(walk.clipped().isEmpty());
}

QTEST_MAIN(TextsFitTest)
#include "texts_fit_test.moc"
