#include "tool/core/tool_run.h"

#include "engine/command_table.h"
#include "engine/data_folder.h"
#include "engine/names.h"
#include "engine/result_code.h"
#include "engine/user_profile.h"
#include "tool/core/form_fields.h"
#include "tool/core/report_page.h"
#include "tool/core/tool_command_line.h"

namespace zelvo {
namespace {

// The tool's row of a command word, compared exactly as received; null for
// a word the tool does not run.
const CommandWord* ToolCommand(std::u16string_view word) {
  const CommandWord* command = FindCommandWord(word);
  return command != nullptr && command->tool_runs ? command : nullptr;
}

}  // namespace

ToolRun::ToolRun(Platform* platform, ToolServices* services)
    : engine_(platform), services_(services), result_(result::kUnknownCommand) {}

bool ToolRun::OpensWindow(std::u16string_view command_line) {
  const CommandWord* command = ToolCommand(SplitToolCommandLine(command_line).command);
  return command != nullptr && command->opens_window();
}

std::u16string ToolRun::Parameter(std::u16string_view key) const {
  std::u16string value;
  GetText(parameters_, key, &value);
  return value;
}

bool ToolRun::Start(std::u16string_view command_line) {
  fields_in_query_ = services_->ReadHttpGetMode();
  services_->RegisterUrlScheme();

  const ToolCommandLine line = SplitToolCommandLine(command_line);
  command_ = line.command;
  echo_command_ = line.command;
  echo_parameters_ = line.parameters;
  parameters_ = ParseParameters(line.parameters);

  int32_t parent = 0;
  if (GetInt(parameters_, u"parentwnd", &parent) && parent != 0) {
    services_->AttachParentWindow(parent);
  }
  GetInt(parameters_, u"silent", &silent_);
  const std::u16string language = Parameter(u"language_id");
  if (!language.empty() && language != u"ENU") services_->LoadTranslation(language);
  alternative_links_ = parameters_.contains(u"vantolinks");

  const CommandWord* command = ToolCommand(command_);
  if (command == nullptr) return false;  // result stays 37
  if (!command->opens_window()) {
    RunStoreCommand();
    return false;
  }
  if (command_ == u"LINK") {
    result_ = result::kSuccess;
    if (!services_->IsOnline()) {
      result_ = result::kOffline;
      if (silent_ == 0) services_->ShowMessage(ResultMessage(result_), kToolName.wide);
      return false;
    }
  } else {
    // The two reports.
    result_ = result::kSuccess;
    maximized_start_ = true;
  }
  // The window opens maximised also when it was closed so.
  if (services_->ReadWindowWasMaximized()) maximized_start_ = true;
  return true;
}

void ToolRun::RunStoreCommand() {
  try {
    // Only GETDATA and GETVALUE answer with a text.
    result_ = engine_.RunStoreCommand(command_, parameters_, &result_text_);
  } catch (...) {
    result_ = result::kUnknownError;
    result_text_.clear();
  }
}

int ToolRun::Finish() {
  switch (services_->WriteRunResult(result_text_, result_)) {
    case ResultWriteFailure::kNone:
      break;
    case ResultWriteFailure::kCannotCreate:
      ShowMessage(Translated(kCannotCreateRegistryText));
      break;
    case ResultWriteFailure::kCannotWrite:
      ShowMessage(Translated(kCannotWriteRegistryText));
      break;
  }
  for (const std::string& path : temporary_files_) engine_.platform()->RemoveFile(path);
  temporary_files_.clear();
  engine_.EchoToMonitor(echo_command_, echo_parameters_, result_, result_text_);
  return result_;
}

void ToolRun::ShowMessage(std::u16string_view text) {
  services_->ShowMessage(text, Parameter(u"prodname"));
}

std::u16string ToolRun::Translated(const ToolText& text) {
  return *text.english == '\0' ? std::u16string() : services_->Translate(text);
}

std::u16string ToolRun::ResultMessage(int32_t code) { return Translated(ResultMessageText(code)); }

UserProfile ToolRun::LoadProfile() {
  UserProfile profile;
  // A profile that cannot be read gives its defaults.
  profile.Load(engine_.platform(), engine_.data_folder().UserProfilePath());
  return profile;
}

Destination ToolRun::WithForm(const std::string& address) {
  const FormFields fields =
      BuildFormFields(parameters_, LoadProfile(), silent_, services_->ReadToolVersion());
  return {Destination::Kind::kWeb,
          FormRequest(address, fields, fields_in_query_, engine_.platform()),
          true,
          {}};
}

Destination ToolRun::LinkDestination() {
  try {
    const std::u16string url = Parameter(u"url");
    if (const std::optional<std::string> address = LinkAddress(url, alternative_links_)) {
      return WithForm(*address);
    }
    // The tool's own pages take no form.
    if (const std::optional<std::string> page = LocalPageName(url)) {
      return {Destination::Kind::kLocalPage, {}, false, *page};
    }
  } catch (...) {
    result_ = result::kUnknownError;
  }
  return {};
}

Destination ToolRun::MenuDestination(MenuTarget target) {
  try {
    const std::string address = MenuTargetAddress(target, alternative_links_);
    if (alternative_links_) return {Destination::Kind::kWeb, {address, {}, {}}, false, {}};
    return WithForm(address);
  } catch (...) {
    result_ = result::kUnknownError;
  }
  return {};
}

std::u16string ToolRun::ReportPageText() {
  const UserProfile profile = LoadProfile();
  return ReportPage(command_, profile, Translated(CountryNameText(profile.country_id)));
}

ToolRun::AfterLoad ToolRun::PageLoaded() {
  try {
    silent_ = silent_ != 0 ? 1 : 0;
    if (silent_ != 0 && result_ == result::kSuccess) return AfterLoad::kCloseLater;
    return AfterLoad::kStay;
  } catch (...) {
    result_ = result::kUnknownError;
    return AfterLoad::kCloseNow;
  }
}

}  // namespace zelvo
