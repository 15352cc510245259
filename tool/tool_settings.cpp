#include "tool/tool_settings.h"

#include <QSettings>

namespace zelvo {

ResultWriteFailure WriteRunResult(const QString& result_text, int result) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("Orvane Systems"), QStringLiteral("Zelvo"));
  if (!settings.isWritable()) return ResultWriteFailure::kCannotCreate;
  settings.setValue(QStringLiteral("ZelvoResult"), result_text);
  settings.setValue(QStringLiteral("ZelvoReturnCode"), result);
  settings.sync();
  return settings.status() == QSettings::NoError ? ResultWriteFailure::kNone
                                                 : ResultWriteFailure::kCannotWrite;
}

bool ReadHttpGetMode() {
  const QSettings settings(QSettings::NativeFormat, QSettings::SystemScope,
                           QStringLiteral("Orvane Systems"));
  bool ok = false;
  return settings.value(QStringLiteral("ZelvoHttpGet")).toUInt(&ok) == 1 && ok;
}

}  // namespace zelvo
