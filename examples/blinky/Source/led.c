/* The eight LEDs on P2.0 to P2.7. */
#include "led.h"

#define FIO2DIR (*(volatile unsigned long *)0x3FFFC040)
#define FIO2SET (*(volatile unsigned long *)0x3FFFC058)
#define FIO2CLR (*(volatile unsigned long *)0x3FFFC05C)

void led_init(void) { FIO2DIR |= 0xFF; }

void led_set(unsigned int pattern) {
  FIO2CLR = 0xFF & ~pattern;
  FIO2SET = 0xFF & pattern;
}
