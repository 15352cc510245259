/* The public header compiles alone, as C, without warnings. */
#include "zelvo.h"

int zelvo_header_test(void) {
  zelvo_char16 output[ZELVO_OUTPUT_CAPACITY];
  char ansi_output[ZELVO_OUTPUT_CAPACITY];
  return ZelvoCommandW(ZELVO_TEXT("GETDATA"), ZELVO_TEXT("datakey=k"), output) +
         ZelvoCommandA("GETDATA", "datakey=k", ansi_output);
}
