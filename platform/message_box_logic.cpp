#include "platform/message_box_logic.h"

#include "platform/message_box.h"

MessageBoxModel::MessageBoxModel(UINT type) {
  yes_no_ = (type & 0xF) == MB_YESNO;
  question_icon_ = (type & 0xF0) == MB_ICONQUESTION;
  if (yes_no_) {
    buttons_ = {{"S\xEC", IDYES}, {"No", IDNO}};
  } else {
    buttons_ = {{"OK", IDOK}};
  }
}

int MessageBoxModel::key(BoxKey key) {
  const int count = static_cast<int>(buttons_.size());
  switch (key) {
    case BoxKey::kTab:
      focused_ = (focused_ + 1) % count;
      return 0;
    case BoxKey::kShiftTab:
      focused_ = (focused_ + count - 1) % count;
      return 0;
    case BoxKey::kReturn:
    case BoxKey::kSpace:
      return buttons_[static_cast<size_t>(focused_)].result;
    case BoxKey::kEscape:
      return yes_no_ ? 0 : IDOK;
    case BoxKey::kLetterS:
      return yes_no_ ? IDYES : 0;
    case BoxKey::kLetterN:
      return yes_no_ ? IDNO : 0;
    case BoxKey::kOther:
      return 0;
  }
  return 0;
}

int MessageBoxModel::click(int index) const {
  if (index < 0 || index >= static_cast<int>(buttons_.size())) return 0;
  return buttons_[static_cast<size_t>(index)].result;
}

int MessageBoxModel::close_request() const { return yes_no_ ? 0 : IDOK; }
