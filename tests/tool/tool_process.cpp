#include "tool_process.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace {

// Reads what is there on `fd` into `into`; false once the writing side is gone (a
// pseudo-terminal reports that as EIO rather than as the end of the file).
bool drain(int fd, std::string& into) {
  char buffer[65536];
  const ssize_t count = ::read(fd, buffer, sizeof(buffer));
  if (count > 0) {
    into.append(buffer, static_cast<std::size_t>(count));
    return true;
  }
  return count < 0 && errno == EINTR;
}

// The test's environment, with every address of this machine kept away from any proxy that
// the environment names: the servers that the tests talk to are on 127.0.0.1.
std::vector<std::string> environment_without_proxy_for_loopback() {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text(*entry);
    if (text.rfind("no_proxy=", 0) != 0 && text.rfind("NO_PROXY=", 0) != 0) entries.push_back(text);
  }
  entries.emplace_back("no_proxy=127.0.0.1,localhost");
  entries.emplace_back("NO_PROXY=127.0.0.1,localhost");
  return entries;
}

std::vector<char*> pointers_to(std::vector<std::string>& words) {
  std::vector<char*> pointers;
  for (std::string& word : words) pointers.push_back(word.data());
  pointers.push_back(nullptr);
  return pointers;
}

void make_pipe(int ends[2]) {
  if (::pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
}

}  // namespace

tool_run run_tool(const std::vector<std::string>& arguments, const run_setup& setup) {
  std::vector<std::string> words{MELODARA_TOOL};
  words.insert(words.end(), arguments.begin(), arguments.end());
  const std::vector<char*> argv = pointers_to(words);
  std::vector<std::string> environment = environment_without_proxy_for_loopback();
  const std::vector<char*> envp = pointers_to(environment);

  int out[2];
  int err[2];
  make_pipe(out);
  if (setup.stderr_on_terminal) {
    winsize size{};
    size.ws_col = 200;
    size.ws_row = 24;
    if (::openpty(&err[0], &err[1], nullptr, nullptr, &size) != 0) throw std::runtime_error("openpty failed");
  } else {
    make_pipe(err);
  }

  const auto started = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    const int no_input = ::open("/dev/null", O_RDONLY);
    ::dup2(no_input, STDIN_FILENO);
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(err[1], STDERR_FILENO);
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(out[1]);
  ::close(err[1]);

  tool_run run;
  const auto deadline = started + setup.limit;
  bool out_open = true;
  bool err_open = true;
  while ((out_open || err_open) && !run.hung) {
    pollfd watched[2] = {{out_open ? out[0] : -1, POLLIN, 0}, {err_open ? err[0] : -1, POLLIN, 0}};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      run.hung = true;
      break;
    }
    if (::poll(watched, 2, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
    if (out_open && watched[0].revents != 0) out_open = drain(out[0], run.out);
    if (err_open && watched[1].revents != 0) err_open = drain(err[0], run.err);
  }
  if (run.hung) ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ::close(out[0]);
  ::close(err[0]);
  run.took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
  if (!run.hung && WIFEXITED(status)) run.exit_code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  return run;
}

std::string how_it_ended(const tool_run& run) {
  if (run.hung) return "hung";
  if (run.signal != 0) return "signal " + std::to_string(run.signal);
  return "exit " + std::to_string(run.exit_code);
}
