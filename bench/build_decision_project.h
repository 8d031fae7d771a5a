// The project both sides of the build-decision benchmark work on: 10,000 C sources, each
// with 5 headers from a shared pool, and their objects, all up to date, in one folder.
// The plug-in sees it as a host project tree (TestHost); ninja as build.ninja in the
// same folder, naming the same files and the same edges.
#pragma once

#include <sys/resource.h>

#include <string>
#include <vector>

#include "tests/host/test_host.h"

namespace zrt::bench {

constexpr int kSourceCount = 10000;
constexpr int kHeaderCount = 1000;
constexpr int kHeadersPerSource = 5;

class BuildDecisionProject {
 public:
  // Writes the files, builds the host tree through the plug-in's entries and primes
  // ninja's log with one real (no-op) build. Done once per process.
  static BuildDecisionProject& Get();

  testhost::TestHost& host() { return host_; }
  // The project folder in the operating system's form (ninja -C).
  const std::string& folder() const { return folder_; }

 private:
  BuildDecisionProject();

  testhost::TestHost host_;
  std::string folder_;
};

// Writes the sources, headers, objects and image into folder (native form, absolute),
// dated so that everything is up to date.
void WriteProjectFiles(const std::string& folder);
// Builds the project's tree in host ("Bench.orbproj", target "Target", every source with
// its "Dependency" children) through the plug-in's entries, ending with ProjectOpened.
void BuildHostTree(testhost::TestHost& host);
// Writes folder/build.ninja naming the same files and edges, and primes ninja's log so
// that `ninja -C folder` finds no work.
void WriteNinjaProject(const std::string& folder);

// The headers source i depends on (distinct indices below kHeaderCount).
std::vector<int> HeadersOf(int source);

// Runs argv[0] (searched on the PATH) as a child process; captures stdout and stderr, and
// the child's resource usage. Answers the exit status (-1 when it could not be started).
int RunProcess(const std::vector<std::string>& argv, std::string* output, struct rusage* usage);

}  // namespace zrt::bench
