// The document of the single window: it holds only the title of the page
// shown, and is never loaded or saved.
#pragma once

#include <QObject>
#include <QString>

class ZelvoToolDoc : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  const QString& title() const { return title_; }
  void SetTitle(const QString& title);

 signals:
  void TitleChanged();

 private:
  QString title_;
};
