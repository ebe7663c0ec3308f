// The window's design search against its yardstick, the search alone
// (runDesignSearch into a reused result object) with the same request, the
// page's own. Timed are a click on the search button alone (what runs before
// anything is painted: the search, the table's model, the main window taking
// the best fit), the click until the results table is painted (into an image
// of its size), and until every change the click made is painted, the main
// window showing the best fit included. Before
// anything is timed the table's ranked list is checked against the
// yardstick's, record by record. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise; the settings live in memory.
//   kalmo_window_bench [REPETITIONS]    default 15
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QTableView>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <utility>

#include "design/design_search.h"
#include "main/main_window.h"
#include "memory_store.h"
#include "models/design_results_model.h"
#include "pages/design_page.h"
#include "storage/language.h"
#include "storage/settings_store.h"
#include "widgets/number_field.h"

namespace {

using namespace kalmo;

using test::MemoryStore;

template <typename T>
T& part(QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) {
    std::fprintf(stderr, "no %s in the window\n", name);
    std::exit(1);
  }
  return *child;
}

// CPU time of this process: on a machine shared with other work the wall
// time swings with the load, the CPU time much less.
double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The best time of `run`; `after`, untimed, follows each run.
template <typename F, typename G>
double bestSeconds(int repetitions, F&& run, G&& after) {
  double best = 1e300;
  for (int i = 0; i < repetitions; ++i) {
    const double start = cpuSeconds();
    run();
    best = std::min(best, cpuSeconds() - start);
    after();
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

  MemoryStore store;
  Language language(store);
  language.SetLanguage(kLanguageEnglish);
  MainWindow window(language, store);
  window.show();
  part<QPushButton>(window, "bbnDesign").click();
  auto& size = part<NumberField>(window, "edNominal");
  size.setText(QStringLiteral("30"));
  size.finishEntry();
  auto& page = part<DesignPage>(window, "Design");
  // All combinations of every grade, 01 to 18: 201 hole by 202 shaft classes.
  part<QComboBox>(page, "cbIT").setCurrentIndex(5);
  part<QComboBox>(page, "cbDSystem")
      .setCurrentIndex(static_cast<int>(DesignSystem::AllCombinations));
  auto& search = part<QPushButton>(page, "btnShow");
  auto& table = part<QTableView>(page, "drgrDesign");
  QApplication::processEvents();

  std::printf(
      "design search at 30 mm in the window, all combinations of grades 01 to 18,"
      " best of %d, CPU time\n",
      repetitions);
  std::printf("%-13s %8s %10s %9s %9s %10s %13s %13s %13s\n", "fit type", "records", "search ms",
              "click ms", "table ms", "window ms", "click/search", "table/search", "window/search");
  constexpr std::array<std::pair<FitType, const char*>, 3> types = {
      {{FitType::Clearance, "clearance"},
       {FitType::Transition, "transition"},
       {FitType::Interference, "interference"}}};
  for (const auto& [type, name] : types) {
    part<QComboBox>(page, "cbDType").setCurrentIndex(static_cast<int>(type));
    const DesignRequest request = page.designRequest();
    if (request.nominalSizeMm != 30 || request.system != DesignSystem::AllCombinations) {
      std::fprintf(stderr, "the page asks for another search than the yardstick's\n");
      return 1;
    }
    RankedFits ranked;
    runDesignSearch(request, ranked);
    search.click();
    QApplication::processEvents();
    const RankedFits& shown = page.resultsModel().results();
    bool same = shown.size() == ranked.size() && table.model()->rowCount() == 10;
    for (std::size_t i = 0; same && i < ranked.size(); ++i) {
      same = shown.record(i) == ranked.record(i);
    }
    if (!same) {
      std::fprintf(stderr, "%s: the table's ranked list differs from the yardstick's\n", name);
      return 1;
    }

    const auto nothing = [] {};
    const auto paintAll = [] { QApplication::processEvents(); };
    const double yardstick = bestSeconds(
        repetitions, [&, &request = request] { runDesignSearch(request, ranked); }, nothing);
    const double click = bestSeconds(
        repetitions, [&] { search.click(); }, paintAll);
    QImage image(table.size(), QImage::Format_ARGB32_Premultiplied);
    const double toTable = bestSeconds(
        repetitions,
        [&] {
          search.click();
          table.render(&image);
        },
        paintAll);
    const double toWindow = bestSeconds(
        repetitions,
        [&] {
          search.click();
          QApplication::processEvents();
        },
        nothing);
    std::printf("%-13s %8zu %10.2f %9.2f %9.2f %10.2f %13.2f %13.2f %13.2f\n", name, ranked.size(),
                yardstick * 1e3, click * 1e3, toTable * 1e3, toWindow * 1e3, click / yardstick,
                toTable / yardstick, toWindow / yardstick);
  }
  return 0;
}
