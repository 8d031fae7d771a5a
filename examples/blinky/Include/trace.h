#ifndef TRACE_H
#define TRACE_H

#ifdef NO_TRACE
#define trace_step(step) ((void)(step))
#else
void trace_step(unsigned int step);
#endif

#endif
