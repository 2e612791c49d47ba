// Modal message boxes as X dialog windows: the caption as the title, the
// text in the core font, a question icon when asked for, and the buttons of
// the box type. The box runs its own event loop until it is answered; while
// it is open, input for the program's other windows is dropped and their
// other events go to the queue as usual.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/message_box_logic.h"
#include "platform/text_encoding.h"
#include "platform/window_record.h"
#include "platform/x11/x11_connection.h"

namespace {

constexpr int kMargin = 14;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kButtonGap = 10;
constexpr int kMaxTextWidth = 480;

constexpr DWORD kFace = 0x00F0F0F0;
constexpr DWORD kText = 0x00000000;
constexpr DWORD kButtonFace = 0x00E1E1E1;
constexpr DWORD kButtonPressed = 0x00F7E4CC;
constexpr DWORD kButtonBorder = 0x00ADADAD;
constexpr DWORD kFocusBorder = 0x00D77800;
constexpr DWORD kIconBlue = 0x00C85A00;
constexpr DWORD kWhite = 0x00FFFFFF;

struct Layout {
  std::vector<std::string> lines;
  int width = 0, height = 0;
  int line_height = 0;
  int text_x = 0, text_y = 0;
  int icon_x = 0, icon_y = 0;
  std::vector<XRectangle> buttons;
};

Layout lay_out(const MessageBoxModel& model, const std::string& text) {
  Layout l;
  l.lines = message_box_lines(text, kMaxTextWidth, x11_text_width);
  l.line_height = x11_text_height() + 2;
  int text_width = 0;
  for (const std::string& line : l.lines) text_width = std::max(text_width, x11_text_width(line));
  const int text_height = static_cast<int>(l.lines.size()) * l.line_height;
  const bool icon = model.question_icon();
  l.text_x = kMargin + (icon ? kIconSize + kIconGap : 0);
  const int content_height = std::max(text_height, icon ? kIconSize : 0);

  int label_width = 0;
  for (const auto& b : model.buttons()) label_width = std::max(label_width, x11_text_width(b.label));
  const int button_width = std::max(80, label_width + 24);
  const int button_height = x11_text_height() + 12;
  const int count = static_cast<int>(model.buttons().size());
  const int buttons_width = count * button_width + (count - 1) * kButtonGap;

  l.width = std::max({l.text_x + text_width + kMargin, buttons_width + 2 * kMargin, 220});
  l.height = kMargin + content_height + kMargin + button_height + kMargin;
  l.text_y = kMargin + (content_height - text_height) / 2;
  l.icon_x = kMargin;
  l.icon_y = kMargin + (content_height - kIconSize) / 2;
  const int bx = (l.width - buttons_width) / 2;
  const int by = l.height - kMargin - button_height;
  for (int i = 0; i < count; ++i) {
    XRectangle r;
    r.x = static_cast<short>(bx + i * (button_width + kButtonGap));
    r.y = static_cast<short>(by);
    r.width = static_cast<unsigned short>(button_width);
    r.height = static_cast<unsigned short>(button_height);
    l.buttons.push_back(r);
  }
  return l;
}

int hit_button(const Layout& l, int x, int y) {
  for (size_t i = 0; i < l.buttons.size(); ++i) {
    const XRectangle& r = l.buttons[i];
    if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height)
      return static_cast<int>(i);
  }
  return -1;
}

class Dialog {
 public:
  Dialog(X11Connection* c, const MessageBoxModel& model, const Layout& layout)
      : c_(c), model_(model), layout_(layout), visual_(DefaultVisual(c->display, c->screen)) {}

  ~Dialog() {
    if (gc_) XFreeGC(c_->display, gc_);
    if (window_) XDestroyWindow(c_->display, window_);
    XSync(c_->display, False);
  }

  bool open(PlatformWindow* owner, const std::string& caption) {
    Display* d = c_->display;
    int x = (DisplayWidth(d, c_->screen) - layout_.width) / 2;
    int y = (DisplayHeight(d, c_->screen) - layout_.height) / 2;
    Window owner_native = 0;
    if (owner) {
      while (owner->parent) owner = owner->parent;
      owner_native = owner->native;
      RECT r;
      if (owner_native && GetWindowRect(owner, &r)) {
        x = r.left + (r.right - r.left - layout_.width) / 2;
        y = r.top + (r.bottom - r.top - layout_.height) / 2;
      }
    }
    XSetWindowAttributes a{};
    a.background_pixel = x11_pixel(visual_, kFace);
    a.border_pixel = 0;
    a.event_mask = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                   ButtonReleaseMask | StructureNotifyMask | FocusChangeMask;
    window_ = XCreateWindow(d, c_->root, x, y, static_cast<unsigned>(layout_.width),
                            static_cast<unsigned>(layout_.height), 0, CopyFromParent,
                            InputOutput, CopyFromParent, CWBackPixel | CWBorderPixel | CWEventMask,
                            &a);
    if (window_ == 0) return false;

    const std::string utf8 = cp1252_to_utf8(caption);
    const std::string latin1 = cp1252_to_latin1(caption);
    XChangeProperty(d, window_, c_->net_wm_name, c_->utf8_string, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()),
                    static_cast<int>(utf8.size()));
    XChangeProperty(d, window_, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(latin1.data()),
                    static_cast<int>(latin1.size()));
    Atom protocols[] = {c_->wm_delete_window};
    XSetWMProtocols(d, window_, protocols, 1);
    Atom type[] = {c_->net_wm_window_type_dialog};
    XChangeProperty(d, window_, c_->net_wm_window_type, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(type), 1);
    if (owner_native) XSetTransientForHint(d, window_, owner_native);
    XSizeHints* hints = XAllocSizeHints();
    if (hints) {
      hints->flags = USPosition | PPosition | PMinSize | PMaxSize;
      hints->x = x;
      hints->y = y;
      hints->min_width = hints->max_width = layout_.width;
      hints->min_height = hints->max_height = layout_.height;
      XSetWMNormalHints(d, window_, hints);
      XFree(hints);
    }
    XClassHint class_hint;
    char name[] = "messagebox";
    class_hint.res_name = name;
    class_hint.res_class = name;
    XSetClassHint(d, window_, &class_hint);
    XWMHints wm_hints{};
    wm_hints.flags = InputHint | StateHint;
    wm_hints.input = True;
    wm_hints.initial_state = NormalState;
    XSetWMHints(d, window_, &wm_hints);

    gc_ = XCreateGC(d, window_, 0, nullptr);
    XMapRaised(d, window_);
    if (x11_wait_mapped(window_, 2000)) take_focus();
    return true;
  }

  // Runs until the box is answered.
  int run() {
    Display* d = c_->display;
    for (;;) {
      XEvent event;
      XNextEvent(d, &event);
      if (event.xany.window != window_) {
        pass_on(event);
        continue;
      }
      int answer = 0;
      switch (event.type) {
        case Expose:
          if (event.xexpose.count == 0) draw();
          break;
        case MapNotify:
          take_focus();
          break;
        case KeyPress:
          answer = model_.key(box_key(event.xkey));
          draw();
          break;
        case ButtonPress:
          if (event.xbutton.button == Button1) {
            pressed_ = hit_button(layout_, event.xbutton.x, event.xbutton.y);
            draw();
          }
          break;
        case ButtonRelease:
          if (event.xbutton.button == Button1 && pressed_ >= 0) {
            if (hit_button(layout_, event.xbutton.x, event.xbutton.y) == pressed_)
              answer = model_.click(pressed_);
            pressed_ = -1;
            draw();
          }
          break;
        case ClientMessage:
          if (event.xclient.message_type == c_->wm_protocols &&
              static_cast<Atom>(event.xclient.data.l[0]) == c_->wm_delete_window)
            answer = model_.close_request();
          break;
        default:
          break;
      }
      if (answer != 0) return answer;
    }
  }

 private:
  static BoxKey box_key(XKeyEvent& key) {
    const KeySym sym = XLookupKeysym(&key, 0);
    switch (sym) {
      case XK_Tab:
        return (key.state & ShiftMask) ? BoxKey::kShiftTab : BoxKey::kTab;
      case XK_ISO_Left_Tab:
        return BoxKey::kShiftTab;
      case XK_Return:
      case XK_KP_Enter:
        return BoxKey::kReturn;
      case XK_space:
        return BoxKey::kSpace;
      case XK_Escape:
        return BoxKey::kEscape;
      case XK_s:
        return BoxKey::kLetterS;
      case XK_n:
        return BoxKey::kLetterN;
      default:
        return BoxKey::kOther;
    }
  }

  void take_focus() {
    X11ErrorTrap trap(c_->display);
    XSetInputFocus(c_->display, window_, RevertToPointerRoot, CurrentTime);
  }

  // Events of other windows while the box is open: input is dropped (the
  // box is modal), the rest is handled as usual.
  static void pass_on(XEvent& event) {
    switch (event.type) {
      case KeyPress:
      case KeyRelease:
      case ButtonPress:
      case ButtonRelease:
      case MotionNotify:
        return;
      default:
        x11_translate_event(event);
    }
  }

  void colour(DWORD c) { XSetForeground(c_->display, gc_, x11_pixel(visual_, c)); }

  void draw() {
    Display* d = c_->display;
    XSetLineAttributes(d, gc_, 1, LineSolid, CapButt, JoinMiter);
    colour(kFace);
    XFillRectangle(d, window_, gc_, 0, 0, static_cast<unsigned>(layout_.width),
                   static_cast<unsigned>(layout_.height));
    if (model_.question_icon()) draw_question_icon();
    colour(kText);
    for (size_t i = 0; i < layout_.lines.size(); ++i)
      x11_draw_text(window_, gc_, layout_.text_x,
                    layout_.text_y + static_cast<int>(i) * layout_.line_height, layout_.lines[i]);
    for (size_t i = 0; i < layout_.buttons.size(); ++i) draw_button(static_cast<int>(i));
    XFlush(d);
  }

  void draw_question_icon() {
    Display* d = c_->display;
    const int x = layout_.icon_x, y = layout_.icon_y;
    colour(kIconBlue);
    XFillArc(d, window_, gc_, x, y, kIconSize, kIconSize, 0, 360 * 64);
    colour(kWhite);
    XSetLineAttributes(d, gc_, 3, LineSolid, CapRound, JoinRound);
    // The hook of the question mark, its stem and its dot.
    XDrawArc(d, window_, gc_, x + 10, y + 6, 12, 11, -90 * 64, 270 * 64);
    XDrawLine(d, window_, gc_, x + 16, y + 17, x + 16, y + 20);
    XFillArc(d, window_, gc_, x + 14, y + 23, 5, 5, 0, 360 * 64);
    XSetLineAttributes(d, gc_, 1, LineSolid, CapButt, JoinMiter);
  }

  void draw_button(int i) {
    Display* d = c_->display;
    const XRectangle& r = layout_.buttons[static_cast<size_t>(i)];
    const bool focused = i == model_.focused();
    colour(i == pressed_ ? kButtonPressed : kButtonFace);
    XFillRectangle(d, window_, gc_, r.x, r.y, r.width, r.height);
    colour(focused ? kFocusBorder : kButtonBorder);
    XDrawRectangle(d, window_, gc_, r.x, r.y, r.width - 1u, r.height - 1u);
    if (focused) {
      XDrawRectangle(d, window_, gc_, r.x + 1, r.y + 1, r.width - 3u, r.height - 3u);
      // The dotted focus frame inside the button.
      colour(kText);
      XSetLineAttributes(d, gc_, 1, LineOnOffDash, CapButt, JoinMiter);
      char dashes[] = {1, 1};
      XSetDashes(d, gc_, 0, dashes, 2);
      XDrawRectangle(d, window_, gc_, r.x + 4, r.y + 4, r.width - 9u, r.height - 9u);
      XSetLineAttributes(d, gc_, 1, LineSolid, CapButt, JoinMiter);
    }
    colour(kText);
    const std::string& label = model_.buttons()[static_cast<size_t>(i)].label;
    const int tx = r.x + (r.width - x11_text_width(label)) / 2;
    const int ty = r.y + (r.height - x11_text_height()) / 2;
    x11_draw_text(window_, gc_, tx, ty, label);
  }

  X11Connection* c_;
  MessageBoxModel model_;
  Layout layout_;
  Visual* visual_;
  Window window_ = 0;
  GC gc_ = nullptr;
  int pressed_ = -1;
};

}  // namespace

int x11_message_box(PlatformWindow* owner, const std::string& text, const std::string& caption,
                    UINT type) {
  X11Connection* c = x11();
  if (c == nullptr || c->font == nullptr) return -1;
  MessageBoxModel model(type);
  const Layout layout = lay_out(model, text);
  int answer;
  {
    Dialog dialog(c, model, layout);
    if (!dialog.open(owner, caption)) return -1;
    answer = dialog.run();
  }
  // The owner gets the keyboard back.
  while (owner && owner->parent) owner = owner->parent;
  if (owner && owner->native) {
    X11ErrorTrap trap(c->display);
    XSetInputFocus(c->display, owner->native, RevertToPointerRoot, CurrentTime);
  }
  return answer;
}
