#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "stack/monte_carlo.h"
#include "stack/stack_window.h"

// What the parts of the stack-up window share: the Monte Carlo job the
// window and its run both reach, and the core's texts as QString.

namespace kalmo {

// One Monte Carlo run in its thread: the window reads `done` for the
// progress bar and sets `cancel` to drop the run.
struct StackWindow::Job {
  std::atomic<bool> cancel{false};
  std::atomic<std::uint64_t> done{0};
  std::uint64_t samples = 0;
  std::optional<MonteCarloResult> result;  // written by the thread before it finishes
};

namespace stack_window_detail {

inline QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace stack_window_detail

}  // namespace kalmo
