/* A host program: stores a value through both entry points of Zelvo and
 * reads it back. Exits 0 when every result is as expected. The same source
 * builds on Linux and Windows: zelvo_char16 and ZELVO_TEXT are the wide
 * text of either. */
#include <stdio.h>
#include <string.h>
#include <zelvo.h>

static int check(const char* what, int32_t result, int32_t expected) {
  if (result == expected) return 0;
  fprintf(stderr, "%s: result %d, expected %d\n", what, (int)result, (int)expected);
  return 1;
}

int main(void) {
  zelvo_char16 wide[ZELVO_OUTPUT_CAPACITY];
  char narrow[ZELVO_OUTPUT_CAPACITY];
  int failures = 0;

  failures += check("ADDDATA",
                    ZelvoCommandW(ZELVO_TEXT("ADDDATA"),
                                  ZELVO_TEXT("datakey=\"Example\",datastring=\"wide\""), wide),
                    ZELVO_OK);
  failures += check("ADDDATA (ANSI)",
                    ZelvoCommandA("adddata", "datakey=\"example\",datastring=\"narrow\"", narrow),
                    ZELVO_OK);
  failures += check("GETDATA", ZelvoCommandA("GETDATA", "datakey=\"EXAMPLE\"", narrow), ZELVO_OK);
  if (strcmp(narrow, "narrow,wide") != 0) {
    fprintf(stderr, "GETDATA answered \"%s\"\n", narrow);
    ++failures;
  }
  failures += check("GETDATA of a missing key",
                    ZelvoCommandW(ZELVO_TEXT("GETDATA"), ZELVO_TEXT("datakey=\"none\""), wide),
                    ZELVO_ITEM_NOT_FOUND);
  failures += check("unknown command", ZelvoCommandW(ZELVO_TEXT("NOSUCH"), ZELVO_TEXT(""), wide),
                    ZELVO_UNKNOWN_COMMAND);
  printf("%s\n", failures == 0 ? "ok" : "failed");
  return failures == 0 ? 0 : 1;
}
