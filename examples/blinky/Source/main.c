/* Blinky: toggles the LEDs on port 2 of an LPC2368. */
#include "led.h"
#include "trace.h"

static void delay(volatile unsigned long n) {
  while (n--) {
  }
}

int main(void) {
  unsigned int step = 0;
  led_init();
  for (;;) {
    led_set(1u << (step++ & 7));
    trace_step(step);
    delay(500000);
  }
}
