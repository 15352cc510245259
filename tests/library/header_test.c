/* The public header compiles alone, as C, without warnings. */
#include "zelvo.h"

int zelvo_header_test(void) {
  char16_t output[ZELVO_OUTPUT_CAPACITY];
  char ansi_output[ZELVO_OUTPUT_CAPACITY];
  return ZelvoCommandW(u"GETDATA", u"datakey=k", output) +
         ZelvoCommandA("GETDATA", "datakey=k", ansi_output);
}
