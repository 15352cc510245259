#include "tool/qt/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include "tool/core/settings_keys.h"
#include "tool/core/web_links.h"
#include "tool/qt/about_dialog.h"
#include "tool/qt/qt_text.h"
#include "tool/qt/x11_keyboard.h"
#include "tool/qt/x11_parent.h"
#include "tool/qt/zelvo_tool_app.h"
#include "tool/qt/zelvo_tool_doc.h"
#include "tool/qt/zelvo_tool_view.h"

using zelvo::ToQString;

CMainFrame::CMainFrame(zelvo::ZelvoToolApp* app)
    : app_(app), doc_(new ZelvoToolDoc(this)), view_(new ZelvoToolView(&app->run(), doc_, this)) {
  // No minimise button: the window belongs to the calling application.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setCentralWidget(view_);
  parent_ = zelvo::QueryParentWindow(app_->parent_window());
  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  connect(doc_, &ZelvoToolDoc::TitleChanged, this, &CMainFrame::UpdateTitle);
  connect(view_, &ZelvoToolView::CloseRequested, this, &QWidget::close);
  connect(view_, &ZelvoToolView::StatusTextChanged, this,
          [this](const QString& text) { statusBar()->showMessage(text); });
  connect(view_, &ZelvoToolView::HistoryChanged, this, &CMainFrame::UpdateHistoryActions);
  UpdateTitle();
  UpdateHistoryActions();
}

void CMainFrame::CreateActions() {
  print_action_ = new QAction(tr("&Print..."), this);
  print_action_->setShortcut(QKeySequence::Print);
  connect(print_action_, &QAction::triggered, view_, &ZelvoToolView::Print);
  exit_action_ = new QAction(tr("E&xit"), this);
  connect(exit_action_, &QAction::triggered, this, &QWidget::close);

  struct GoToItem {
    zelvo::MenuTarget target;
    QString text;
    QString status_tip;
  };
  const GoToItem go_to[] = {
      {zelvo::MenuTarget::kProductInfo, tr("Product Info"), tr("Product Information")},
      {zelvo::MenuTarget::kSupport, tr("Support"), tr("Product Support")},
      {zelvo::MenuTarget::kWebboard, tr("Webboard"), tr("Community Webboard")},
      {zelvo::MenuTarget::kHomePage, tr("Orvane Systems Home Page"),
       tr("Orvane Systems Home Page")},
  };
  static_assert(std::extent_v<decltype(go_to)> == std::extent_v<decltype(go_to_actions_)>);
  for (size_t i = 0; i < std::size(go_to); ++i) {
    go_to_actions_[i] = new QAction(go_to[i].text, this);
    go_to_actions_[i]->setStatusTip(go_to[i].status_tip);
    const zelvo::MenuTarget target = go_to[i].target;
    connect(go_to_actions_[i], &QAction::triggered, view_,
            [this, target] { view_->controller().OpenMenuTarget(target); });
  }
  back_action_ = new QAction(QIcon(QStringLiteral(":/icons/go-back.png")), tr("Back"), this);
  back_action_->setStatusTip(tr("Go Back One Page"));
  back_action_->setShortcut(QKeySequence::Back);
  connect(back_action_, &QAction::triggered, view_, &ZelvoToolView::GoBack);
  forward_action_ =
      new QAction(QIcon(QStringLiteral(":/icons/go-forward.png")), tr("Forward"), this);
  forward_action_->setStatusTip(tr("Go Forward One Page"));
  forward_action_->setShortcut(QKeySequence::Forward);
  connect(forward_action_, &QAction::triggered, view_, &ZelvoToolView::GoForward);
  about_action_ = new QAction(tr("&About ZelvoTool..."), this);
  connect(about_action_, &QAction::triggered, this, [this] { CAboutDlg(this).exec(); });
}

void CMainFrame::CreateMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(print_action_);
  file->addSeparator();
  file->addAction(exit_action_);

  QMenu* view = menuBar()->addMenu(tr("&View"));
  QMenu* go_to = view->addMenu(tr("Go To"));
  // The menu order of the targets: product, support, web board, home.
  for (QAction* action : go_to_actions_) go_to->addAction(action);
  go_to->addSeparator();
  go_to->addAction(back_action_);
  go_to->addAction(forward_action_);
  view->addSeparator();
  tool_bar_ = new QToolBar(tr("Toolbar"), this);
  QAction* toggle_tool_bar = tool_bar_->toggleViewAction();
  toggle_tool_bar->setText(tr("&Toolbar"));
  view->addAction(toggle_tool_bar);
  QAction* toggle_status_bar = new QAction(tr("&Status Bar"), this);
  toggle_status_bar->setCheckable(true);
  toggle_status_bar->setChecked(true);
  connect(toggle_status_bar, &QAction::toggled, this,
          [this](bool on) { statusBar()->setVisible(on); });
  view->addAction(toggle_status_bar);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(about_action_);
}

void CMainFrame::CreateToolBar() {
  tool_bar_->setObjectName(QStringLiteral("ToolBar"));
  tool_bar_->setIconSize(QSize(16, 16));
  tool_bar_->setMovable(false);
  tool_bar_->addAction(back_action_);
  tool_bar_->addAction(forward_action_);
  addToolBar(Qt::TopToolBarArea, tool_bar_);
}

void CMainFrame::CreateStatusBar() {
  const QString names[] = {tr("CAP"), tr("NUM"), tr("SCRL")};
  for (int i = 0; i < 3; ++i) {
    lock_indicators_[i] = new QLabel(names[i], this);
    statusBar()->addPermanentWidget(lock_indicators_[i]);
  }
  UpdateLockIndicators();
  // The lock keys can change in any window: look again now and then.
  auto* lock_timer = new QTimer(this);
  connect(lock_timer, &QTimer::timeout, this, &CMainFrame::UpdateLockIndicators);
  lock_timer->start(500);
  statusBar()->showMessage(tr("Ready"));
}

void CMainFrame::UpdateLockIndicators() {
  // An indicator shows its name while its lock is on; where the window
  // system cannot say, all stay dimmed.
  const std::optional<zelvo::LockKeys> keys = zelvo::QueryLockKeys();
  const bool on[] = {keys && keys->caps, keys && keys->num, keys && keys->scroll};
  for (int i = 0; i < 3; ++i) lock_indicators_[i]->setEnabled(on[i]);
}

void CMainFrame::UpdateTitle() {
  setWindowTitle(ToQString(
      zelvo::FrameTitle(app_->run().Parameter(u"prodname"), zelvo::ToU16(doc_->title()))));
}

void CMainFrame::UpdateHistoryActions() {
  back_action_->setEnabled(view_->controller().can_go_back());
  forward_action_->setEnabled(view_->controller().can_go_forward());
}

zelvo::PlacementNames CMainFrame::EntryNames() const {
  return zelvo::PlacementEntryNames(parent_ ? std::optional<std::u16string>(parent_->title)
                                            : std::nullopt);
}

void CMainFrame::ShowAtStart(bool maximized) {
  const zelvo::PlacementNames names = EntryNames();
  QSettings profile;
  profile.beginGroup(ToQString(zelvo::settings::kPlacementGroup));
  const std::optional<zelvo::Rect> saved =
      zelvo::DecodePlacementRect(profile.value(ToQString(names.rect)).toByteArray().toStdString());
  const bool saved_maximized = profile.value(ToQString(names.maximized), -1).toInt() == 1;
  profile.endGroup();

  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1000, 900);
  setGeometry(zelvo::ToQRect(
      saved ? *saved : zelvo::DefaultPlacement(zelvo::FromQRect(available), parent_)));
  if (app_->parent_window() != nullptr) {
    winId();
    windowHandle()->setTransientParent(app_->parent_window());
  }
  // The page is asked for before the window shows: on X11 a window shown
  // first loses its maximised state once the web view starts loading.
  view_->controller().InitialUpdate();
  if (maximized || (saved && saved_maximized)) {
    showMaximized();
  } else {
    show();
  }
}

void CMainFrame::SavePlacement() {
  const zelvo::PlacementNames names = EntryNames();
  QSettings profile;
  profile.beginGroup(ToQString(zelvo::settings::kPlacementGroup));
  profile.setValue(ToQString(names.maximized), isMaximized() ? 1 : 0);
  profile.setValue(
      ToQString(names.rect),
      QByteArray::fromStdString(zelvo::EncodePlacementRect(zelvo::FromQRect(normalGeometry()))));
  profile.endGroup();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (app_->run().navigating()) {
    event->ignore();
    return;
  }
  SavePlacement();
  event->accept();
}
