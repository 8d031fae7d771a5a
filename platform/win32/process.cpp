// Processes through CreateProcessA: the child inherits one pipe as both stdout and
// stderr and the NUL device as stdin; the parent reads the pipe to its end, then waits.
#include "platform/process.h"

#include <windows.h>

#include <vector>

namespace zrt::platform {
namespace {

// The text of a Win32 error code, without its line end.
std::string ErrorText(DWORD code) {
  char* text = nullptr;
  DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length > 0 ? std::string(text, length) : "error " + std::to_string(code);
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
    message.pop_back();
  }
  return message;
}

// Reads everything from the pipe until the child's last handle to it is closed.
void ReadAll(HANDLE pipe, std::string* output) {
  char buffer[65536];
  DWORD n = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) output->append(buffer, n);
}

// Starts the child with the given inheritable handles; false with *error on failure.
bool Start(const std::string& commandLine, const std::string& workingDirectory, HANDLE input, HANDLE output,
           PROCESS_INFORMATION* process, std::string* error) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = output;
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  const char* directory = workingDirectory.empty() ? nullptr : workingDirectory.c_str();
  if (CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, directory,
                     &startup, process)) {
    return true;
  }
  *error = "cannot run " + commandLine + ": " + ErrorText(GetLastError());
  return false;
}

}  // namespace

bool RunProcess(const std::string& commandLine, const std::string& workingDirectory, std::string* output, int* exitCode,
                std::string* error) {
  output->clear();
  if (commandLine.find_first_not_of(" \t") == std::string::npos) {
    *error = "empty command line";
    return false;
  }
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
    *error = "cannot create a pipe: " + ErrorText(GetLastError());
    return false;
  }
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  HANDLE input = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  PROCESS_INFORMATION process{};
  bool started = Start(commandLine, workingDirectory, input, writeEnd, &process, error);
  // The parent's copies must go, or the pipe never reports its end.
  CloseHandle(writeEnd);
  if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
  if (started) {
    ReadAll(readEnd, output);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    *exitCode = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(readEnd);
  return started;
}

}  // namespace zrt::platform
