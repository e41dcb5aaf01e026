/* Prints the pointer width, in bits, of the process it runs in. scripts/test.sh
 * runs the i686 build of it under Wine to learn whether this machine executes
 * 32-bit Windows programs before it runs the i686 tests. */
#include <stdio.h>

int main(void) {
  printf("%d\n", (int)(sizeof(void*) * 8));
  return 0;
}
