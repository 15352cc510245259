#include "tool/zelvo_tool_app.h"

int main(int argc, char** argv) {
  zelvo::ZelvoToolApp app(argc, argv);
  return app.Run();
}
