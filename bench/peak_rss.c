// peak_rss COMMAND [ARGUMENTS...]: runs the command and appends "peak_rss_kib N" (the
// child's ru_maxrss) to stderr. A child keeps the peak of the memory it was started from,
// so a command spawned straight from a large benchmark process would report at least that
// process's size; started from this small program it reports its own.
#include <spawn.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: peak_rss COMMAND [ARGUMENTS...]\n");
    return 2;
  }
  pid_t child;
  if (posix_spawnp(&child, argv[1], NULL, NULL, argv + 1, environ) != 0) {
    perror(argv[1]);
    return 127;
  }
  int status = 0;
  struct rusage usage;
  if (wait4(child, &status, 0, &usage) != child) return 127;
  fprintf(stderr, "peak_rss_kib %ld\n", usage.ru_maxrss);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}
