/* The program the process runner test starts: prints how many arguments it got and each
 * one in brackets on stdout, "--lines=N" more lines, then one line on stderr; creates the
 * file "child-was-here" in its current directory; exits with the code of "--exit=N". */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
  int code = 0;
  long lines = 0;
  for (int i = 1; i < argc; ++i) {
    if (strncmp(argv[i], "--exit=", 7) == 0) code = atoi(argv[i] + 7);
    if (strncmp(argv[i], "--lines=", 8) == 0) lines = atol(argv[i] + 8);
  }
  printf("argc=%d\n", argc - 1);
  for (int i = 1; i < argc; ++i) printf("[%s]\n", argv[i]);
  for (long n = 0; n < lines; ++n) printf("line %ld of a long output\n", n);
  fflush(stdout);
  fputs("on stderr\n", stderr);
  FILE* marker = fopen("child-was-here", "w");
  if (marker != NULL) fclose(marker);
  return code;
}
