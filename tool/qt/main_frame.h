// The tool's one window: menus, toolbar and status bar around the view. It
// opens where it was last closed (kept per calling application) or centred,
// takes its title from the page, and ignores close requests while a page is
// being navigated to.
#pragma once

#include <QMainWindow>
#include <optional>

#include "tool/core/window_placement.h"

class QAction;
class QLabel;
class ZelvoToolDoc;
class ZelvoToolView;

namespace zelvo {
class ZelvoToolApp;
}

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(zelvo::ZelvoToolApp* app);

  // Places and shows the window, then lets the view show its page.
  void ShowAtStart(bool maximized);

  ZelvoToolView* view() const { return view_; }
  ZelvoToolDoc* doc() const { return doc_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void UpdateTitle();
  void UpdateHistoryActions();
  void UpdateLockIndicators();
  zelvo::PlacementNames EntryNames() const;
  void SavePlacement();

  zelvo::ZelvoToolApp* const app_;
  ZelvoToolDoc* doc_;
  ZelvoToolView* view_;
  std::optional<zelvo::ParentWindowInfo> parent_;
  QToolBar* tool_bar_ = nullptr;
  QAction* print_action_ = nullptr;
  QAction* exit_action_ = nullptr;
  QAction* go_to_actions_[4] = {};
  QAction* back_action_ = nullptr;
  QAction* forward_action_ = nullptr;
  QAction* about_action_ = nullptr;
  QLabel* lock_indicators_[3] = {};
};
