// Drives the real program under a virtual X server as a user would: answers
// the start-up question with a key, reads the screen back, drags with the
// real pointer, ends it with Escape or the window manager's close request.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "tests/window/x11_driving.h"

namespace {

using x11_driving::output_of;
using x11_driving::run;

void pause_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The screen as RGB bytes, read with xwd and converted by netpbm.
struct Screen {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;

  static Screen grab() {
    Screen s;
    FILE* p = popen("xwd -root -silent | xwdtopnm 2>/dev/null", "r");
    if (!p) return s;
    int maxval = 0;
    if (std::fscanf(p, "P6 %d %d %d", &s.width, &s.height, &maxval) == 3 && maxval == 255) {
      std::fgetc(p);
      s.rgb.resize(size_t(s.width) * s.height * 3);
      if (std::fread(s.rgb.data(), 1, s.rgb.size(), p) != s.rgb.size()) s.rgb.clear();
    }
    pclose(p);
    return s;
  }
  const unsigned char* at(int x, int y) const {
    if (rgb.empty() || x < 0 || y < 0 || x >= width || y >= height) return nullptr;
    return &rgb[(size_t(y) * width + x) * 3];
  }
};

// The lit, untextured floor: bright and grey.
bool is_floor(const unsigned char* p) {
  return p && p[0] > 150 && std::abs(p[0] - p[1]) < 12 && std::abs(p[1] - p[2]) < 12;
}
// The black clear colour.
bool is_background(const unsigned char* p) { return p && p[0] < 4 && p[1] < 4 && p[2] < 4; }

std::string describe(const unsigned char* p) {
  if (!p) return "outside the screen";
  return "rgb " + std::to_string(p[0]) + " " + std::to_string(p[1]) + " " + std::to_string(p[2]);
}

// Where a scene point lands in an 800 by 600 client area: model-view
// T(0,-1,-30) Rx(30) T(0,0,-depth) Rx(xrot) Ry(yrot), then a 45-degree
// perspective with the window's aspect.
struct Projected {
  double x, y;
};
Projected project(double x, double y, double z, double yrot = 0, double depth = 0,
                  int width = 800, int height = 600) {
  const double rad = M_PI / 180;
  // Ry(yrot)
  const double x1 = x * std::cos(yrot * rad) + z * std::sin(yrot * rad);
  const double z1 = -x * std::sin(yrot * rad) + z * std::cos(yrot * rad);
  const double y1 = y;
  // T(0, 0, -depth), then Rx(30), then T(0, -1, -30)
  const double z2 = z1 - depth;
  const double c = std::cos(30 * rad), s = std::sin(30 * rad);
  const double ye = y1 * c - z2 * s - 1;
  const double ze = y1 * s + z2 * c - 30;
  const double f = 1 / std::tan(22.5 * rad);
  const double aspect = double(width) / height;
  const double nx = f / aspect * x1 / -ze, ny = f * ye / -ze;
  return {(nx + 1) / 2 * width, (1 - ny) / 2 * height};
}

class Program {
 public:
  // Starts the program in `folder` with its output in a temporary file.
  explicit Program(const std::string& folder) {
    log_ = "/tmp/shell_gallery_e2e_" + std::to_string(getpid()) + ".log";
    pid_ = fork();
    if (pid_ == 0) {
      if (chdir(folder.c_str()) != 0) _exit(126);
      if (!freopen(log_.c_str(), "w", stderr)) _exit(126);
      execl(SHELL_GALLERY_EXE, SHELL_GALLERY_EXE, static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~Program() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    std::remove(log_.c_str());
  }

  // Waits up to `seconds` for the process to end; its exit status, or -1.
  int wait_exit(int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      pause_ms(50);
    }
    return -1;
  }

  // Answers the start-up question with a key and returns the main window.
  std::string answer(const char* key) {
    const std::string box =
        output_of("timeout 20 xdotool search --sync --name '^Video!$' | head -n 1");
    if (box.empty()) return "";
    run("xdotool windowfocus --sync " + box + " key " + key);
    const std::string window = output_of(
        "timeout 20 xdotool search --sync --name '^Dimostrazione sulla generare delle "
        "conchiglie$' | head -n 1");
    pause_ms(1500);  // the first frames
    return window;
  }

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
  std::string log_;
};

struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
};
Geometry geometry(const std::string& window) {
  Geometry g;
  const std::string text = output_of("xdotool getwindowgeometry --shell " + window);
  std::sscanf(text.c_str(), "WINDOW=%*d X=%d Y=%d WIDTH=%d HEIGHT=%d", &g.x, &g.y, &g.width,
              &g.height);
  return g;
}

const unsigned char* pixel(const Screen& s, const Geometry& g, Projected p) {
  return s.at(g.x + int(std::lround(p.x)), g.y + int(std::lround(p.y)));
}

// Points of the scene, in scene units, whose pixels a view must show as
// floor or as background. Inset floor corners hidden behind a shell in a
// view are left out of that view's list.
struct ScenePoint {
  double x, z;
};
struct ViewCheck {
  double yrot, depth;
  std::vector<ScenePoint> floor, beside;
};
const ViewCheck kAtRest{0, 0, {{-9.3, -9.3}, {9.3, -9.3}, {-9.3, 9.3}, {9.3, 9.3}},
                        {{-10.8, -9}, {10.8, -9}, {0, 11}}};
// Turned 40 degrees: the back-right corner goes behind the egg-shaped shell.
const ViewCheck kTurned{40, 0, {{-9.3, -9.3}, {-9.3, 9.3}, {9.3, 9.3}},
                        {{-11, 0}, {11, 0}, {0, -11}}};
// Then 5 units nearer: the front corner leaves the window.
const ViewCheck kNearer{40, -5, {{-9.3, -9.3}, {9.3, 9.3}}, {{-11, 0}, {11, 0}, {0, -11}}};

void expect_view(const Screen& s, const Geometry& g, const ViewCheck& v) {
  for (const auto& c : v.floor) {
    const auto* p = pixel(s, g, project(c.x, 0, c.z, v.yrot, v.depth));
    EXPECT_TRUE(is_floor(p)) << "floor " << c.x << "," << c.z << ": " << describe(p);
  }
  for (const auto& c : v.beside) {
    const auto* p = pixel(s, g, project(c.x, 0, c.z, v.yrot, v.depth));
    EXPECT_TRUE(is_background(p)) << "beside the floor " << c.x << "," << c.z << ": "
                                  << describe(p);
  }
}

// A shell covers the point: neither floor nor background, mostly.
double shell_coverage(const Screen& s, const Geometry& g, Projected centre) {
  int shell = 0, total = 0;
  for (int dy = -4; dy <= 4; ++dy)
    for (int dx = -4; dx <= 4; ++dx) {
      const auto* p = s.at(g.x + int(centre.x) + dx, g.y + int(centre.y) + dy);
      ++total;
      shell += p && !is_floor(p) && !is_background(p);
    }
  return double(shell) / total;
}

TEST(Program, WindowedGalleryTurnsMovesAndEndsOnEscape) {
  Program program(ASSETS_DIR);
  const std::string window = program.answer("n");
  ASSERT_FALSE(window.empty());
  const Geometry g = geometry(window);
  EXPECT_EQ(g.width, 800);
  EXPECT_EQ(g.height, 600);

  const Screen before = Screen::grab();
  ASSERT_FALSE(before.rgb.empty());
  expect_view(before, g, kAtRest);
  // Two shells standing over their bases: the egg-shaped shell at the back
  // (base at (0, 1.5, -6)) and the two-part cone at the front right (base at
  // (6, 3.5, 6)), each seen a little above its base.
  EXPECT_GT(shell_coverage(before, g, project(0, 3, -6)), 0.8);
  EXPECT_GT(shell_coverage(before, g, project(6, 5, 6)), 0.8);

  // Left drag of 40 pixels to the right: the gallery turns 40 degrees.
  const Projected grab = project(0, 0, 8);
  run("xdotool mousemove --window " + window + " " + std::to_string(int(grab.x)) + " " +
      std::to_string(int(grab.y)) + " mousedown 1");
  for (int i = 0; i < 8; ++i) {
    run("xdotool mousemove_relative -- 5 0");
    pause_ms(60);
  }
  run("xdotool mouseup 1");
  pause_ms(800);
  const Screen turned = Screen::grab();
  expect_view(turned, g, kTurned);
  // The unturned front-left corner is no longer floor.
  EXPECT_FALSE(is_floor(pixel(turned, g, project(-9.3, 0, 9.3))));

  // Right drag 25 pixels down: 5 units nearer.
  run("xdotool mousemove --window " + window + " " + std::to_string(int(grab.x)) + " " +
      std::to_string(int(grab.y)) + " mousedown 3");
  for (int i = 0; i < 5; ++i) {
    run("xdotool mousemove_relative -- 0 5");
    pause_ms(60);
  }
  run("xdotool mouseup 3");
  pause_ms(800);
  const Screen nearer = Screen::grab();
  expect_view(nearer, g, kNearer);
  // The floor reaches where the turned view showed background.
  for (const auto& c : kNearer.floor)
    EXPECT_TRUE(is_background(pixel(turned, g, project(c.x, 0, c.z, 40, -5))));

  run("xdotool windowfocus --sync " + window + " key Escape");
  EXPECT_EQ(program.wait_exit(5), 0);
}

TEST(Program, CloseRequestEndsWithStatusZero) {
  Program program(ASSETS_DIR);
  const std::string window = program.answer("n");
  ASSERT_FALSE(window.empty());
  ASSERT_TRUE(run(std::string(SEND_CLOSE_REQUEST) + " " + window));
  EXPECT_EQ(program.wait_exit(5), 0);
}

TEST(Program, FullScreenCoversTheScreen) {
  Program program(ASSETS_DIR);
  const std::string window = program.answer("s");
  ASSERT_FALSE(window.empty());
  const Geometry g = geometry(window);
  int sw = 0, sh = 0;
  std::sscanf(output_of("xdotool getdisplaygeometry").c_str(), "%d %d", &sw, &sh);
  EXPECT_EQ(g.x, 0);
  EXPECT_EQ(g.y, 0);
  EXPECT_EQ(g.width, sw);
  EXPECT_EQ(g.height, sh);
  run("xdotool windowfocus --sync " + window + " key Escape");
  EXPECT_EQ(program.wait_exit(5), 0);
}

TEST(Program, StartsAndDrawsWithoutTextures) {
  char folder[] = "/tmp/shell_gallery_empty_XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  {
    Program program(folder);
    const std::string window = program.answer("n");
    ASSERT_FALSE(window.empty());
    expect_view(Screen::grab(), geometry(window), kAtRest);
    run("xdotool windowfocus --sync " + window + " key Escape");
    EXPECT_EQ(program.wait_exit(5), 0);
  }
  rmdir(folder);
}

}  // namespace
