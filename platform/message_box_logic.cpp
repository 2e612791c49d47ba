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

std::vector<std::string> message_box_lines(const std::string& text, int max_width,
                                           const std::function<int(const std::string&)>& width) {
  std::vector<std::string> lines;
  std::string line;
  auto finish = [&](std::string l) {
    // Break an over-wide line after its last blank that keeps it within
    // bounds; a single over-wide word is cut where it must be.
    while (l.size() > 1 && width(l) > max_width) {
      size_t fit = 1;
      while (fit < l.size() && width(l.substr(0, fit + 1)) <= max_width) ++fit;
      size_t cut = fit;
      const size_t blank = l.rfind(' ', fit - 1);
      if (blank != std::string::npos && blank > 0) cut = blank + 1;
      lines.push_back(l.substr(0, cut));
      l = l.substr(cut);
    }
    lines.push_back(l);
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\n') {
      finish(line);
      line.clear();
    } else {
      line += c;
    }
  }
  finish(line);
  return lines;
}
