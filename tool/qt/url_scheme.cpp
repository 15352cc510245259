#include "tool/qt/url_scheme.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace zelvo {
namespace {

constexpr char kEntryName[] = "zvm-handler.desktop";
constexpr char kMimeType[] = "x-scheme-handler/zvm";

// Quotes a path for the Exec key of a desktop entry.
QString QuotedForExec(QString path) {
  path.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  for (const char* special : {"\"", "`", "$"}) {
    path.replace(QLatin1String(special), QLatin1String("\\") + QLatin1String(special));
  }
  return QLatin1Char('"') + path + QLatin1Char('"');
}

void WriteDesktopEntry(const QString& path, const QString& tool_path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  QTextStream out(&file);
  out << "[Desktop Entry]\n"
      << "Type=Application\n"
      << "Name=Zelvo Protocol\n"
      << "Comment=URL:Zelvo Protocol\n"
      << "Exec=" << QuotedForExec(tool_path) << " %u\n"
      << "NoDisplay=true\n"
      << "MimeType=" << kMimeType << ";\n";
  out.flush();
  file.commit();
}

// Adds the default-handler line to mimeapps.list, keeping every other line.
void MakeDefaultHandler(const QString& path) {
  QStringList lines;
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly | QIODevice::Text)) {
    lines = QString::fromUtf8(existing.readAll()).split(QLatin1Char('\n'));
    existing.close();
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  }
  const QString entry = QLatin1String(kMimeType) + QLatin1Char('=') + QLatin1String(kEntryName);
  int section = lines.indexOf(QStringLiteral("[Default Applications]"));
  if (section < 0) {
    lines << QStringLiteral("[Default Applications]") << entry;
  } else {
    int end = section + 1;
    while (end < lines.size() && !lines[end].startsWith(QLatin1Char('['))) {
      if (lines[end].startsWith(QLatin1String(kMimeType) + QLatin1Char('='))) return;
      ++end;
    }
    lines.insert(end, entry);
  }
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
  file.commit();
}

bool FileMentions(const QString& path, const QByteArray& text) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.readAll().contains(text);
}

// Whether any handler of the scheme is known: an entry of ours (the user's or
// the system's), a default chosen in a mimeapps.list, or a desktop entry of
// another program in the desktop database's cache.
bool HandlerRegistered() {
  if (!QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                              QStringLiteral("applications/") + QLatin1String(kEntryName))
           .isEmpty()) {
    return true;
  }
  const QByteArray chosen = QByteArray(kMimeType) + '=';
  for (const QString& folder :
       QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
    if (FileMentions(folder + QStringLiteral("/mimeapps.list"), chosen)) return true;
  }
  for (const QString& folder :
       QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    if (FileMentions(folder + QStringLiteral("/applications/mimeapps.list"), chosen) ||
        FileMentions(folder + QStringLiteral("/applications/mimeinfo.cache"), chosen)) {
      return true;
    }
  }
  return false;
}

}  // namespace

void RegisterUrlScheme(const QString& tool_path) {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (data.isEmpty() || config.isEmpty() || HandlerRegistered()) return;
  const QString entry = data + QStringLiteral("/applications/") + QLatin1String(kEntryName);
  WriteDesktopEntry(entry, tool_path);
  MakeDefaultHandler(config + QStringLiteral("/mimeapps.list"));
}

}  // namespace zelvo
