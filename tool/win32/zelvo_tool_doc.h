// The document of the single window: it holds only the title of the page
// shown, and is never loaded or saved. A new title updates the frame's.
#pragma once

#include <functional>
#include <string>
#include <utility>

class ZelvoToolDoc {
 public:
  explicit ZelvoToolDoc(std::function<void()> title_changed)
      : title_changed_(std::move(title_changed)) {}

  const std::u16string& title() const { return title_; }
  void SetTitle(std::u16string title) {
    title_ = std::move(title);
    title_changed_();
  }

 private:
  std::u16string title_;
  const std::function<void()> title_changed_;
};
