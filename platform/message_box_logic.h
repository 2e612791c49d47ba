// What a message box does with keys and clicks, apart from drawing it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/types.h"

enum class BoxKey { kOther, kTab, kShiftTab, kReturn, kSpace, kEscape, kLetterS, kLetterN };

class MessageBoxModel {
 public:
  explicit MessageBoxModel(UINT type);

  struct Button {
    std::string label;  // Windows-1252
    int result;         // IDYES, IDNO, IDOK
  };
  const std::vector<Button>& buttons() const { return buttons_; }
  int focused() const { return focused_; }
  bool question_icon() const { return question_icon_; }

  // The answer a key gives (0: the box stays open).
  int key(BoxKey key);
  // The answer a completed click on button `index` gives.
  int click(int index) const;
  // The answer to the window manager's close request (0: refused, as a
  // box without an OK button cannot be dismissed that way).
  int close_request() const;

 private:
  std::vector<Button> buttons_;
  int focused_ = 0;
  bool question_icon_ = false;
  bool yes_no_ = false;
};

// The lines a box shows for `text`: split at line breaks ("\n" or "\r\n"),
// and lines wider than `max_width` (as `width` measures them) broken after a
// blank, or anywhere when a word alone is too wide. Blanks are kept as they
// are, trailing ones included.
std::vector<std::string> message_box_lines(const std::string& text, int max_width,
                                           const std::function<int(const std::string&)>& width);
