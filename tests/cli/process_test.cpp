// Runs the built kalmo-cli as a separate process, with standard input and
// output on files, pipes and devices, to check what only the real program
// sees: failed writes, failed reads and the memory a long line takes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli_test_support.h"

namespace kalmo::cli {
namespace {

// What stdin and stdout of the child are.
struct Io {
  const char* in = "/dev/null";   // a path, or nullptr for a pipe fed by `feed`
  const char* out = "/dev/null";  // a path, or nullptr for a pipe closed at once
  bool ignoreSigpipe = false;
};

struct Outcome {
  int status = -1;  // exit status, or 128 + signal
  std::string err;
  long maxRssKb = 0;
};

// Input for a pipe: each piece written `times` times, so that a long input
// need not be held by the test (its memory would count as the child's).
struct Piece {
  std::string text;
  int times = 1;
};

Outcome spawn(const std::vector<std::string>& args, Io io, const std::vector<Piece>& feed = {}) {
  char errPath[] = "/tmp/kalmo-cli-err-XXXXXX";
  const int errFd = mkstemp(errPath);
  int inPipe[2] = {-1, -1};
  int outPipe[2] = {-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (io.in) {
    posix_spawn_file_actions_addopen(&actions, 0, io.in, O_RDONLY, 0);
  } else {
    EXPECT_EQ(pipe(inPipe), 0);
    posix_spawn_file_actions_adddup2(&actions, inPipe[0], 0);
    posix_spawn_file_actions_addclose(&actions, inPipe[1]);
  }
  if (io.out) {
    posix_spawn_file_actions_addopen(&actions, 1, io.out, O_WRONLY, 0);
  } else {
    EXPECT_EQ(pipe(outPipe), 0);
    close(outPipe[0]);  // nobody reads: the reader is gone
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
  }
  posix_spawn_file_actions_adddup2(&actions, errFd, 2);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t defaults;
  sigemptyset(&defaults);
  if (!io.ignoreSigpipe) sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
  // Ignored signals stay ignored in the child.
  struct sigaction previous {};
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignore, &previous);

  std::vector<char*> argv = {const_cast<char*>(KALMO_CLI_PATH)};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, KALMO_CLI_PATH, &actions, &attr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (!io.out) close(outPipe[1]);
  if (!io.in) {
    close(inPipe[0]);
    for (const Piece& piece : feed) {
      for (int i = 0; i < piece.times; ++i) {
        for (std::size_t at = 0; at < piece.text.size();) {
          const ssize_t n = write(inPipe[1], piece.text.data() + at, piece.text.size() - at);
          if (n <= 0) break;
          at += static_cast<std::size_t>(n);
        }
      }
    }
    close(inPipe[1]);
  }
  int wstatus = 0;
  struct rusage usage {};
  wait4(pid, &wstatus, 0, &usage);
  sigaction(SIGPIPE, &previous, nullptr);

  Outcome o;
  o.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
  o.maxRssKb = usage.ru_maxrss;
  std::ifstream errFile(errPath);
  std::ostringstream text;
  text << errFile.rdbuf();
  o.err = text.str();
  close(errFd);
  std::remove(errPath);
  return o;
}

// Every command of the program, from its own list.
std::vector<std::string> commandNames() {
  char outPath[] = "/tmp/kalmo-cli-help-XXXXXX";
  close(mkstemp(outPath));
  EXPECT_EQ(spawn({"--help"}, {"/dev/null", outPath}).status, 0);
  std::ifstream help(outPath);
  std::vector<std::string> names;
  bool listing = false;
  for (std::string line; std::getline(help, line);) {
    if (line.empty()) listing = false;
    if (listing) names.push_back(line.substr(2, line.find(' ', 2) - 2));
    if (line == "Subcommands:") listing = true;
  }
  std::remove(outPath);
  return names;
}

TEST(Process, EveryCommandFailsWithStatus1WhenItsOutputIsLost) {
  std::vector<std::vector<std::string>> cases = {
      {"fit", "12", "H7/g6"}, {"fit", "35", "H7/s6", "--json"},
      {"preferred"},          {"design", "30", "--max", "0.05", "--min", "0.02", "--json"},
      {"catalogue", "30"},    {"--help"},
      {"--version"},
  };
  cases.push_back({"fit", "10", "H7/g6"});  // a size-range bound: no warning without the answer
  for (const std::string& name : commandNames()) cases.push_back({name, "--help"});
  ASSERT_GE(cases.size(), 11u);
  for (const auto& args : cases) {
    SCOPED_TRACE(args.front() + " " + args.back());
    for (const Io io : {Io{"/dev/null", "/dev/full"}, Io{"/dev/null", nullptr, true}}) {
      const Outcome o = spawn(args, io);
      EXPECT_EQ(o.status, 1);
      EXPECT_EQ(o.err.rfind("kalmo-cli: cannot write the output (", 0), 0u) << o.err;
      EXPECT_EQ(lines(o.err).size(), 1u);
    }
  }
  // A reader gone ends the program by SIGPIPE, as usual.
  EXPECT_EQ(spawn({"fit", "10", "H7/g6"}, {"/dev/null", nullptr}).status, 128 + SIGPIPE);
}

TEST(Process, BatchTellsReadErrorsAndBoundsLongLines) {
  const Outcome directory = spawn({"fit", "--batch"}, {"/", "/dev/null"});
  EXPECT_EQ(directory.status, 1);
  EXPECT_EQ(directory.err, "kalmo-cli: cannot read the input (Is a directory)\n");

  const Outcome full =
      spawn({"fit", "--batch", "--json"}, {nullptr, "/dev/full"}, {{"12 H7/g6\n", 20000}});
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(lines(full.err).size(), 1u) << full.err;

  // 256 MiB in one line: the reader holds 64 KiB of it at a time, so the
  // program stays far below the line's size (also with the sanitizers' own
  // memory).
  char outPath[] = "/tmp/kalmo-cli-out-XXXXXX";
  close(mkstemp(outPath));
  const Outcome longLine =
      spawn({"fit", "--batch"}, {nullptr, outPath},
            {{"12 H7/g6\n"}, {std::string(64 << 10, '7'), 4096}, {"\n35 H7/s6\n"}});
  std::ifstream out(outPath);
  const std::string answers((std::istreambuf_iterator<char>(out)), {});
  std::remove(outPath);
  EXPECT_EQ(longLine.status, 2);
  EXPECT_EQ(longLine.err, "line 2: line longer than 4096 bytes\n");
  EXPECT_NE(answers.find("35 H7/s6"), std::string::npos);
  EXPECT_LT(longLine.maxRssKb, 128 * 1024);
}

}  // namespace
}  // namespace kalmo::cli
