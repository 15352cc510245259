#include "tool/win32/tool_registry.h"

#include "engine/names.h"
#include "tool/core/settings_keys.h"
#include "tool/win32/registry_key.h"
#include "tool/win32/wide_text.h"

namespace zelvo {
namespace {

std::wstring CompanyKey() { return std::wstring(L"Software\\") + kCompanyName.windows; }
std::wstring ProgramKey(const wchar_t* program) { return CompanyKey() + L"\\" + program; }
std::wstring PlacementKey() {
  return ProgramKey(kToolName.windows) + L"\\" + ToWide(settings::kPlacementGroup);
}

}  // namespace

ResultWriteFailure WriteRunResult(std::u16string_view text, int32_t code) {
  RegistryKey key;
  if (!key.Create(HKEY_CURRENT_USER, ProgramKey(kProductName.windows), KEY_ALL_ACCESS)) {
    return ResultWriteFailure::kCannotCreate;
  }
  const bool text_written = key.WriteString(ToWide(settings::kResultText).c_str(), ToWide(text));
  const bool code_written =
      key.WriteDword(ToWide(settings::kResultCode).c_str(), static_cast<DWORD>(code));
  return text_written && code_written ? ResultWriteFailure::kNone
                                      : ResultWriteFailure::kCannotWrite;
}

bool ReadHttpGetSwitch() {
  RegistryKey key;
  return key.Open(HKEY_LOCAL_MACHINE, CompanyKey(), KEY_READ | KEY_WOW64_32KEY) &&
         key.ReadDword(ToWide(settings::kHttpGet).c_str()) == 1u;
}

SavedPlacement ReadPlacement(const PlacementNames& names) {
  SavedPlacement saved;
  RegistryKey key;
  if (!key.Open(HKEY_CURRENT_USER, PlacementKey(), KEY_READ)) return saved;
  if (const std::optional<DWORD> maximized = key.ReadDword(ToWide(names.maximized).c_str())) {
    saved.maximized = static_cast<int>(*maximized);
  }
  if (const std::optional<std::string> bytes = key.ReadBinary(ToWide(names.rect).c_str())) {
    saved.rect = DecodePlacementRect(*bytes);
  }
  return saved;
}

void WritePlacement(const PlacementNames& names, const Rect& rect, bool maximized) {
  RegistryKey key;
  if (!key.Create(HKEY_CURRENT_USER, PlacementKey(), KEY_WRITE)) return;
  key.WriteDword(ToWide(names.maximized).c_str(), maximized ? 1 : 0);
  key.WriteBinary(ToWide(names.rect).c_str(), EncodePlacementRect(rect));
}

void RegisterUrlScheme(const std::wstring& tool_path) {
  // Per user: an ordinary user cannot write the machine's classes.
  const std::wstring root = L"Software\\Classes\\zvm";
  // The merged classes (the installer's machine-wide key among them), and
  // the user's own for systems that do not merge them.
  RegistryKey machine_wide;
  RegistryKey users_own;
  if (machine_wide.Open(HKEY_CLASSES_ROOT, L"zvm", KEY_READ) ||
      users_own.Open(HKEY_CURRENT_USER, root, KEY_READ)) {
    return;
  }
  const std::wstring quoted = L"\"" + tool_path + L"\"";
  RegistryKey scheme;
  if (!scheme.Create(HKEY_CURRENT_USER, root, KEY_WRITE)) return;
  scheme.WriteString(nullptr, L"URL:Zelvo Protocol");
  scheme.WriteString(L"URL Protocol", L"");
  RegistryKey icon;
  if (icon.Create(HKEY_CURRENT_USER, root + L"\\Default Icon", KEY_WRITE)) {
    icon.WriteString(nullptr, quoted);
  }
  RegistryKey command;
  if (command.Create(HKEY_CURRENT_USER, root + L"\\shell\\open\\command", KEY_WRITE)) {
    command.WriteString(nullptr, quoted + L" %1");
  }
}

}  // namespace zelvo
