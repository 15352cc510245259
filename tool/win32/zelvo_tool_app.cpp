#include "tool/win32/zelvo_tool_app.h"

#include <commctrl.h>
#include <ole2.h>
#include <wininet.h>

#include <vector>

#include "engine/names.h"
#include "engine/text.h"
#include "tool/win32/main_frame.h"
#include "tool/win32/resource.h"
#include "tool/win32/tool_registry.h"
#include "tool/win32/wide_text.h"

namespace zelvo {
namespace {

// The process's command line after the program's path: taken as it is, so
// that the quotes of its parameters stay.
std::u16string CommandLineTail() {
  const wchar_t* line = ::GetCommandLineW();
  if (*line == L'"') {
    for (++line; *line != L'\0' && *line != L'"'; ++line) {
    }
    if (*line == L'"') ++line;
  } else {
    while (*line != L'\0' && *line != L' ' && *line != L'\t') ++line;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  return FromWide(line);
}

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

ZelvoToolApp::ZelvoToolApp(HINSTANCE instance)
    : instance_(instance), program_path_(ProgramPath()), run_(Platform::Default(), this) {}

ZelvoToolApp::~ZelvoToolApp() {
  main_frame_.reset();
  if (satellite_ != nullptr) ::FreeLibrary(satellite_);
  if (rich_edit_ != nullptr) ::FreeLibrary(rich_edit_);
}

int ZelvoToolApp::Run() {
  const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  rich_edit_ = ::LoadLibraryW(L"riched20.dll");
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  if (FAILED(::OleInitialize(nullptr))) {
    // Before any command is read: the exit sequence reports 37.
    ShowMessage(FromWide(LoadText(IDS_OLE_FAILED)), u"");
    return run_.Finish();
  }
  if (run_.Start(CommandLineTail())) {
    main_frame_ = std::make_unique<CMainFrame>(this);
    if (main_frame_->Create(run_.maximized_start())) RunMessageLoop();
    main_frame_.reset();
  }
  const int code = run_.Finish();
  // The caller's window is only let go of; it is not ours to destroy.
  parent_window_ = nullptr;
  ::OleUninitialize();
  return code;
}

void ZelvoToolApp::RunMessageLoop() {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (main_frame_->PreTranslateMessage(&message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

std::wstring ZelvoToolApp::LoadText(UINT id) const {
  for (HINSTANCE module : {resources(), instance_}) {
    const wchar_t* text = nullptr;
    // With no buffer, the string in the module's resources itself.
    const int length = ::LoadStringW(module, id, reinterpret_cast<wchar_t*>(&text), 0);
    if (length > 0) return std::wstring(text, static_cast<size_t>(length));
  }
  return {};
}

void ZelvoToolApp::ShowMessage(std::u16string_view text, std::u16string_view caption) {
  HWND owner = main_frame_ != nullptr && main_frame_->hwnd() != nullptr ? main_frame_->hwnd()
                                                                        : parent_window_;
  ::MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

std::u16string ZelvoToolApp::Translate(const ToolText& text) {
  const std::wstring loaded = LoadText(static_cast<UINT>(text.string_id));
  return loaded.empty() ? Utf8ToUtf16(text.english) : FromWide(loaded);
}

void ZelvoToolApp::LoadTranslation(std::u16string_view language_id) {
  // "ZelvoTool-DEU.dll" and the like, found where programs find their
  // libraries (the program's folder first); resources only, no code runs.
  const std::wstring name = std::wstring(kToolName.windows) + L"-" + ToWide(language_id) + L".dll";
  satellite_ = ::LoadLibraryExW(name.c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

bool ZelvoToolApp::ReadHttpGetMode() { return ReadHttpGetSwitch(); }

bool ZelvoToolApp::ReadWindowWasMaximized() {
  return ReadPlacement(PlacementEntryNames(std::nullopt)).maximized == 1;
}

ResultWriteFailure ZelvoToolApp::WriteRunResult(std::u16string_view text, int32_t code) {
  return zelvo::WriteRunResult(text, code);
}

std::optional<ToolVersion> ZelvoToolApp::ReadToolVersion() {
  const wchar_t* path = program_path_.c_str();
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path, &ignored);
  if (size == 0) return std::nullopt;
  std::vector<BYTE> block(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT info_size = 0;
  if (!::GetFileVersionInfoW(path, 0, size, block.data()) ||
      !::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &info_size) ||
      info_size < sizeof *info) {
    return std::nullopt;
  }
  return ToolVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS)};
}

bool ZelvoToolApp::IsOnline() {
  DWORD flags = 0;
  if (::InternetGetConnectedState(&flags, 0)) return true;
  // A configured connection over a modem counts as well.
  return (flags & INTERNET_CONNECTION_CONFIGURED) != 0 && (flags & INTERNET_CONNECTION_MODEM) != 0;
}

void ZelvoToolApp::RegisterUrlScheme() { zelvo::RegisterUrlScheme(program_path_); }

void ZelvoToolApp::AttachParentWindow(int32_t handle) {
  // Window handles are 32-bit values on every Windows.
  HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
  if (::IsWindow(window)) parent_window_ = window;
}

}  // namespace zelvo
