/* A tiny shared library loaded by the dynamic library tests. */

/* Answers 2 * value + 1, so a test can tell the call reached this code. */
int ZrtTestLibraryAnswer(int value) { return 2 * value + 1; }
