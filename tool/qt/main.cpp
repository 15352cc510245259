#include <QLoggingCategory>

#include "tool/qt/zelvo_tool_app.h"

int main(int argc, char** argv) {
  // The web engine reports its set-up at every start; that is noise here.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
  zelvo::ZelvoToolApp app(argc, argv);
  return app.Run();
}
