/* Step tracing for the debug build: counts steps in a variable a debugger can watch. */
#include "trace.h"

volatile unsigned int trace_last_step;

void trace_step(unsigned int step) { trace_last_step = step; }
