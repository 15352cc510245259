#include "tool/zelvo_tool_app.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>
#include <cstdio>

#include "engine/result_code.h"
#include "tool/internet_check.h"
#include "tool/main_frame.h"
#include "tool/result_messages.h"
#include "tool/tool_command_line.h"
#include "tool/tool_settings.h"
#include "tool/url_scheme.h"

namespace zelvo {
namespace {

// The commands that open the main window; every other one runs without it,
// and without the cost of a display connection or the web engine.
bool OpensWindow(std::u16string_view word) {
  return word == u"LINK" || word == u"INFODISPLAY" || word == u"DEBUGDISPLAY";
}

std::u16string CommandLineOf(int argc, char** argv) {
  std::u16string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line.push_back(u' ');
    line += QString::fromLocal8Bit(argv[i]).toStdU16String();
  }
  return line;
}

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ZelvoToolApp* ZelvoToolApp::instance_ = nullptr;

ZelvoToolApp::ZelvoToolApp(int& argc, char** argv)
    : engine_(Platform::Default()),
      result_(result::kUnknownCommand),
      command_line_(CommandLineOf(argc, argv)) {
  instance_ = this;
  // The profile of the tool lives under the company's name.
  QCoreApplication::setOrganizationName(QStringLiteral("Orvane Systems"));
  QCoreApplication::setApplicationName(QStringLiteral("ZelvoTool"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZELVO_VERSION));
  if (OpensWindow(SplitToolCommandLine(command_line_).command)) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qt_ = std::make_unique<QApplication>(argc, argv);
  } else {
    qt_ = std::make_unique<QCoreApplication>(argc, argv);
  }
}

ZelvoToolApp::~ZelvoToolApp() {
  delete main_frame_;
  instance_ = nullptr;
}

std::u16string ZelvoToolApp::Parameter(std::u16string_view key) const {
  std::u16string value;
  GetText(parameters_, key, &value);
  return value;
}

void ZelvoToolApp::set_silent(int32_t silent) {
  silent_ = silent;
  parameters_[u"silent"] = silent != 0 ? u"1" : u"0";
}

int ZelvoToolApp::Run() {
  if (InitInstance()) {
    main_frame_ = new CMainFrame(this);
    main_frame_->ShowAtStart(show_maximized_);
    qt_->exec();
  }
  return ExitInstance();
}

bool ZelvoToolApp::InitInstance() {
  if (!SetUpAndDispatch()) return false;
  // A window is wanted: it opens maximised also when it was closed so.
  const QSettings profile;
  if (profile.value(QStringLiteral("MainWnd/Maximized")).toInt() == 1) show_maximized_ = true;
  return true;
}

bool ZelvoToolApp::SetUpAndDispatch() {
  get_mode_ = ReadHttpGetMode();
  RegisterUrlScheme(QCoreApplication::applicationFilePath());

  const ToolCommandLine line = SplitToolCommandLine(command_line_);
  command_ = line.command;
  echo_command_ = line.command;
  echo_parameters_ = line.parameters;
  parameters_ = ParseParameters(line.parameters);

  int32_t parent = 0;
  if (GetInt(parameters_, u"parentwnd", &parent) && parent != 0) AttachParentWindow(parent);
  GetInt(parameters_, u"silent", &silent_);
  const std::u16string language = Parameter(u"language_id");
  if (!language.empty() && language != u"ENU") LoadTranslation(language);
  alternative_links_ = parameters_.contains(u"vantolinks");

  // The command words are compared exactly as received.
  if (command_ == u"LINK") {
    result_ = result::kSuccess;
    if (IsOnline()) return true;
    result_ = result::kOffline;
    if (silent_ == 0) ShowMessage(ResultMessage(result_), QStringLiteral("ZelvoTool"));
    return false;
  }
  if (command_ == u"INFODISPLAY" || command_ == u"DEBUGDISPLAY") {
    result_ = result::kSuccess;
    show_maximized_ = true;
    return true;
  }
  RunStoreCommand(command_);
  return false;
}

void ZelvoToolApp::RunStoreCommand(std::u16string_view word) {
  static constexpr std::u16string_view kStoreCommands[] = {u"UPDATEUSER", u"ADDDATA",  u"DELDATA",
                                                           u"GETDATA",    u"GETVALUE", u"DELUSER"};
  if (std::find(std::begin(kStoreCommands), std::end(kStoreCommands), word) ==
      std::end(kStoreCommands)) {
    return;  // result stays 37
  }
  try {
    std::u16string output;
    result_ = engine_.RunStoreCommand(word, parameters_, &output);
    if (word == u"GETDATA" || word == u"GETVALUE") result_text_ = std::move(output);
  } catch (...) {
    result_ = result::kUnknownError;
  }
}

void ZelvoToolApp::LoadTranslation(const std::u16string& language) {
  // The translations lie beside the tool; a missing one is no error: the
  // texts stay English.
  const QString file = QStringLiteral("ZelvoTool-") + ToQString(language) + QStringLiteral(".qm");
  auto translator = std::make_unique<QTranslator>();
  if (translator->load(file, QCoreApplication::applicationDirPath())) {
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
  }
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

void ZelvoToolApp::ShowMessage(const QString& text, const QString& caption) const {
  if (qobject_cast<QApplication*>(qt_.get()) == nullptr) {
    std::fprintf(stderr, "ZelvoTool: %s\n", qPrintable(text));
    return;
  }
  QMessageBox box(QMessageBox::Warning,
                  caption.isNull() ? ToQString(Parameter(u"prodname")) : caption, text,
                  QMessageBox::Ok, main_frame_);
  if (main_frame_ == nullptr && parent_window_ != nullptr) {
    box.winId();
    box.windowHandle()->setTransientParent(parent_window_);
  }
  box.exec();
}

int ZelvoToolApp::ExitInstance() {
  switch (WriteRunResult(ToQString(result_text_), result_)) {
    case ResultWriteFailure::kNone:
      break;
    case ResultWriteFailure::kCannotCreate:
      ShowMessage(QCoreApplication::translate("ZelvoToolApp", "Unable to create user registry"));
      break;
    case ResultWriteFailure::kCannotWrite:
      ShowMessage(QCoreApplication::translate("ZelvoToolApp", "Unable to write to user registry"));
      break;
  }
  for (const QString& path : temporary_files_) QFile::remove(path);
  temporary_files_.clear();
  engine_.EchoToMonitor(echo_command_, echo_parameters_, result_, result_text_);
  // Release the caller's window: the wrapper goes, the window stays.
  parent_window_owner_.reset();
  return result_;
}

}  // namespace zelvo
