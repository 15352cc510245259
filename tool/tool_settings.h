// What the tool keeps in the user's and the machine's settings: the result of
// the last run, the request switch, and the settings of its own window.
#pragma once

#include <QString>

namespace zelvo {

// Why writing the result failed, if it did.
enum class ResultWriteFailure { kNone, kCannotCreate, kCannotWrite };

// Writes "ZelvoResult" and "ZelvoReturnCode" to the user settings of
// "Orvane Systems"/"Zelvo".
ResultWriteFailure WriteRunResult(const QString& result_text, int result);

// Whether the machine-wide "Orvane Systems" settings hold "ZelvoHttpGet" = 1.
bool ReadHttpGetMode();

}  // namespace zelvo
