#include "tool/qt/zelvo_tool_app.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>

#include "engine/result_code.h"
#include "tool/core/settings_keys.h"
#include "tool/qt/display_check.h"
#include "tool/qt/internet_check.h"
#include "tool/qt/main_frame.h"
#include "tool/qt/qt_text.h"
#include "tool/qt/tool_settings.h"
#include "tool/qt/url_scheme.h"

namespace zelvo {
namespace {

std::u16string CommandLineOf(int argc, char** argv) {
  std::u16string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line.push_back(u' ');
    line += ToU16(QString::fromLocal8Bit(argv[i]));
  }
  return line;
}

}  // namespace

ZelvoToolApp::ZelvoToolApp(int& argc, char** argv)
    : run_(Platform::Default(), this), command_line_(CommandLineOf(argc, argv)) {
  // The settings of the tool live under the company's name.
  QCoreApplication::setOrganizationName(ToQString(kCompanyName.wide));
  QCoreApplication::setApplicationName(ToQString(kToolName.wide));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZELVO_VERSION));
  // The store commands run without the cost of a display connection or the
  // web engine; without a display a window command runs to its exit
  // sequence with a message instead of a window.
  if (ToolRun::OpensWindow(command_line_) && CanOpenDisplay()) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qt_ = std::make_unique<QApplication>(argc, argv);
  } else {
    qt_ = std::make_unique<QCoreApplication>(argc, argv);
  }
}

ZelvoToolApp::~ZelvoToolApp() { delete main_frame_; }

int ZelvoToolApp::Run() {
  if (run_.Start(command_line_)) {
    if (qobject_cast<QApplication*>(qt_.get()) != nullptr) {
      main_frame_ = new CMainFrame(this);
      main_frame_->ShowAtStart(run_.maximized_start());
      qt_->exec();
    } else {
      std::fprintf(stderr,
                   "%s: no display to open the window on (DISPLAY is not set, or its X server "
                   "cannot be reached)\n",
                   kToolName.narrow);
      run_.set_result(result::kToolStartFailed);
    }
  }
  const int code = run_.Finish();
  // Release the caller's window: the wrapper goes, the window stays.
  parent_window_owner_.reset();
  return code;
}

void ZelvoToolApp::ShowMessage(std::u16string_view text, std::u16string_view caption) {
  if (qobject_cast<QApplication*>(qt_.get()) == nullptr) {
    std::fprintf(stderr, "%s: %s\n", kToolName.narrow, qPrintable(ToQString(text)));
    return;
  }
  QMessageBox box(QMessageBox::Warning, ToQString(caption), ToQString(text), QMessageBox::Ok,
                  main_frame_);
  if (main_frame_ == nullptr && parent_window_ != nullptr) {
    box.winId();
    box.windowHandle()->setTransientParent(parent_window_);
  }
  box.exec();
}

std::u16string ZelvoToolApp::Translate(const ToolText& text) {
  return ToU16(QCoreApplication::translate(text.context, text.english));
}

void ZelvoToolApp::LoadTranslation(std::u16string_view language_id) {
  // The translations lie beside the tool; a missing one is no error: the
  // texts stay English.
  const QString file =
      ToQString(kToolName.wide) + QLatin1Char('-') + ToQString(language_id) + QStringLiteral(".qm");
  auto translator = std::make_unique<QTranslator>();
  if (translator->load(file, QCoreApplication::applicationDirPath())) {
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
  }
}

bool ZelvoToolApp::ReadHttpGetMode() { return zelvo::ReadHttpGetSwitch(); }
bool ZelvoToolApp::ReadWindowWasMaximized() { return zelvo::ReadMainWindowMaximized(); }

ResultWriteFailure ZelvoToolApp::WriteRunResult(std::u16string_view text, int32_t code) {
  return zelvo::WriteResultSettings(ToQString(text), code);
}

std::optional<ToolVersion> ZelvoToolApp::ReadToolVersion() {
  return ToolVersion{ZELVO_VERSION_MAJOR, ZELVO_VERSION_MINOR};
}

bool ZelvoToolApp::IsOnline() { return zelvo::IsOnline(); }

void ZelvoToolApp::RegisterUrlScheme() {
  zelvo::RegisterUrlScheme(QCoreApplication::applicationFilePath());
}

void ZelvoToolApp::AttachParentWindow(int32_t handle) {
  // Only a window system with foreign windows (X11) can name the caller's
  // window; elsewhere the parameter is ignored.
  if (qobject_cast<QGuiApplication*>(qt_.get()) == nullptr ||
      QGuiApplication::platformName() != QLatin1String("xcb")) {
    return;
  }
  parent_window_owner_.reset(QWindow::fromWinId(static_cast<WId>(static_cast<uint32_t>(handle))));
  parent_window_ = parent_window_owner_.get();
}

}  // namespace zelvo
