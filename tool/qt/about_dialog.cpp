#include "tool/qt/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About ZelvoTool"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("ZelvoTool Web Browser"), this));
  layout->addWidget(new QLabel(tr("Version %1").arg(QStringLiteral(ZELVO_VERSION)), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}
