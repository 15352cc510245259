#include "tool/qt/tool_settings.h"

#include <QSettings>

#include "tool/core/settings_keys.h"
#include "tool/core/window_placement.h"
#include "tool/qt/qt_text.h"

namespace zelvo {

ResultWriteFailure WriteResultSettings(const QString& result_text, int result) {
  QSettings store(QSettings::NativeFormat, QSettings::UserScope, ToQString(kCompanyName.wide),
                  ToQString(kProductName.wide));
  if (!store.isWritable()) return ResultWriteFailure::kCannotCreate;
  store.setValue(ToQString(settings::kResultText), result_text);
  store.setValue(ToQString(settings::kResultCode), result);
  store.sync();
  return store.status() == QSettings::NoError ? ResultWriteFailure::kNone
                                              : ResultWriteFailure::kCannotWrite;
}

bool ReadHttpGetSwitch() {
  const QSettings store(QSettings::NativeFormat, QSettings::SystemScope,
                        ToQString(kCompanyName.wide));
  bool ok = false;
  return store.value(ToQString(settings::kHttpGet)).toUInt(&ok) == 1 && ok;
}

bool ReadMainWindowMaximized() {
  const QSettings store;
  const QString entry = ToQString(settings::kPlacementGroup) + QLatin1Char('/') +
                        ToQString(PlacementEntryNames(std::nullopt).maximized);
  return store.value(entry).toInt() == 1;
}

}  // namespace zelvo
