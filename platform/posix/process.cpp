// Processes through vfork and exec: the command line is split by the Windows rules, the
// program path and the working directory are read as native paths (NativePath; the
// arguments stay ANSI, as a Windows program gets them), and one pipe carries
// both stdout and stderr. A second, close-on-exec pipe tells the parent why a child
// could not start.
#include "platform/process.h"
#include "platform/posix/native_path.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "platform/command_line.h"

namespace zrt::platform {
namespace {

// What the child reports on the status pipe when it fails before exec.
struct StartFailure {
  int stage;  // 0: working directory, 1: exec
  int number;
};

// The program path as exec must see it: a relative path with a folder part is made
// absolute against the caller's current directory, as Windows resolves it before the
// child's working directory applies; a bare name is searched in PATH.
std::string ProgramPath(const std::string& program) {
  std::string native = NativePath(program);
  if (native[0] == '/' || native.find('/') == std::string::npos) return native;
  char cwd[PATH_MAX];
  return getcwd(cwd, sizeof cwd) == nullptr ? native : std::string(cwd) + "/" + native;
}

// Closes both ends of a pipe that are still open.
void ClosePipe(int fds[2]) {
  for (int i = 0; i < 2; ++i) {
    if (fds[i] >= 0) close(fds[i]);
    fds[i] = -1;
  }
}

// In the child: connects the streams, enters the folder and execs; only async-signal-safe
// calls, since the parent may have other threads. Not inlined: under vfork its locals
// must live in a frame of its own, below the parent's.
[[noreturn]] __attribute__((noinline)) void RunChild(int outputFd, int statusFd, const char* directory, char* const* argv) {
  StartFailure failure{0, 0};
  int input = open("/dev/null", O_RDONLY);
  if (input >= 0) dup2(input, STDIN_FILENO);
  if (input > STDIN_FILENO) close(input);
  dup2(outputFd, STDOUT_FILENO);
  dup2(outputFd, STDERR_FILENO);
  if (directory[0] != '\0' && chdir(directory) != 0) {
    failure.number = errno;
  } else {
    execvp(argv[0], argv);
    failure = StartFailure{1, errno};
  }
  ssize_t ignored = write(statusFd, &failure, sizeof failure);
  (void)ignored;
  _exit(127);
}

// Reads everything from fd until end of file.
void ReadAll(int fd, std::string* output) {
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    output->append(buffer, static_cast<size_t>(n));
  }
}

// Waits for pid and answers its exit status in the documented form.
int WaitForExit(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// Reads the status pipe: true when the child reported a start failure.
bool ReadStartFailure(int fd, StartFailure* failure) {
  ssize_t n;
  do {
    n = read(fd, failure, sizeof *failure);
  } while (n < 0 && errno == EINTR);
  return n == static_cast<ssize_t>(sizeof *failure);
}

}  // namespace

bool RunProcess(const std::string& commandLine, const std::string& workingDirectory, std::string* output, int* exitCode,
                std::string* error) {
  output->clear();
  std::vector<std::string> arguments = SplitCommandLine(commandLine);
  if (arguments.empty() || arguments[0].empty()) {
    *error = "empty command line";
    return false;
  }
  arguments[0] = ProgramPath(arguments[0]);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  std::string directory = NativePath(workingDirectory);

  int outputPipe[2] = {-1, -1};
  int statusPipe[2] = {-1, -1};
  if (pipe2(outputPipe, O_CLOEXEC) != 0 || pipe2(statusPipe, O_CLOEXEC) != 0) {
    *error = std::string("cannot create a pipe: ") + std::strerror(errno);
    ClosePipe(outputPipe);
    return false;
  }
  // vfork: the child only sets up its streams and execs, so it borrows the parent's
  // memory instead of copying its page tables, which for a host holding a large project
  // made every later write to that memory fault once.
  pid_t pid = vfork();
  if (pid == 0) RunChild(outputPipe[1], statusPipe[1], directory.c_str(), argv.data());
  int forkError = errno;
  close(outputPipe[1]);
  close(statusPipe[1]);
  if (pid < 0) {
    close(outputPipe[0]);
    close(statusPipe[0]);
    *error = std::string("cannot start a process: ") + std::strerror(forkError);
    return false;
  }
  StartFailure failure{};
  bool failed = ReadStartFailure(statusPipe[0], &failure);
  close(statusPipe[0]);
  if (!failed) ReadAll(outputPipe[0], output);
  close(outputPipe[0]);
  int status = WaitForExit(pid);
  if (failed) {
    *error =
        (failure.stage == 0 ? "cannot enter the working directory " + workingDirectory : "cannot run " + arguments[0]) +
        ": " + std::strerror(failure.number);
    return false;
  }
  *exitCode = status;
  return true;
}

}  // namespace zrt::platform
