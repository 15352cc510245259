/* A host program: stores a value through both entry points of Zelvo and
 * reads it back. Exits 0 when every result is as expected. */
#include <stdio.h>
#include <string.h>
#include <zelvo.h>

static int check(const char* what, int32_t result, int32_t expected) {
  if (result == expected) return 0;
  fprintf(stderr, "%s: result %d, expected %d\n", what, (int)result, (int)expected);
  return 1;
}

int main(void) {
  char16_t wide[ZELVO_OUTPUT_CAPACITY];
  char narrow[ZELVO_OUTPUT_CAPACITY];
  int failures = 0;

  failures +=
      check("ADDDATA", ZelvoCommandW(u"ADDDATA", u"datakey=\"Example\",datastring=\"wide\"", wide),
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
                    ZelvoCommandW(u"GETDATA", u"datakey=\"none\"", wide), ZELVO_ITEM_NOT_FOUND);
  failures += check("unknown command", ZelvoCommandW(u"NOSUCH", u"", wide), ZELVO_UNKNOWN_COMMAND);
  printf("%s\n", failures == 0 ? "ok" : "failed");
  return failures == 0 ? 0 : 1;
}
