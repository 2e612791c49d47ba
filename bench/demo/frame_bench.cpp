// The cost of one gallery frame on the real OpenGL implementation, in a real
// 800 by 600 window: OPENGL_DRAW as the program runs it (shells generated
// and submitted call by call), and the same frame's calls replayed from
// memory through the same context, which is the cost of the GL work alone.
// Run under an X server (the benchmark script starts Xvfb).
#include <GL/gl.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

#include "bench/demo/frame_stream.h"
#include "demo/gallery_scene.h"
#include "demo/gallery_start.h"
#include "framework/render/textures.h"
#include "framework/window/window_lifecycle.h"

namespace {

enum Code : uint8_t {
  kBegin, kEnd, kVertex3f, kVertex3fv, kNormal3f, kNormal3fv, kTexCoord2f, kClear,
  kLoadIdentity, kClearColor, kViewport, kMatrixMode, kOrtho, kPerspective, kEnable,
  kDisable, kDepthFunc, kClearDepth, kColor4f, kBlendFunc, kLightModeli, kHint, kTranslatef,
  kRotatef, kScalef, kLightfv, kBindTexture, kPushMatrix, kPopMatrix, kCullFace, kFrontFace,
  kShadeModel, kPointSize,
};

// One call with its arguments in the types the entry point takes; calls with
// double arguments keep them in a side table.
struct Op {
  Code code;
  uint32_t u[2];
  float f[4];
};

struct Replay {
  std::vector<Op> ops;
  std::vector<double> doubles;
};

bool decode(const RecordedFrame& frame, Replay& replay) {
  static const std::unordered_map<std::string, Code> codes = {
      {"glBegin", kBegin}, {"glEnd", kEnd}, {"glVertex3f", kVertex3f},
      {"glVertex3fv", kVertex3fv}, {"glNormal3f", kNormal3f}, {"glNormal3fv", kNormal3fv},
      {"glTexCoord2f", kTexCoord2f}, {"glClear", kClear}, {"glLoadIdentity", kLoadIdentity},
      {"glClearColor", kClearColor}, {"glViewport", kViewport}, {"glMatrixMode", kMatrixMode},
      {"glOrtho", kOrtho}, {"gluPerspective", kPerspective}, {"glEnable", kEnable},
      {"glDisable", kDisable}, {"glDepthFunc", kDepthFunc}, {"glClearDepth", kClearDepth},
      {"glColor4f", kColor4f}, {"glBlendFunc", kBlendFunc}, {"glLightModeli", kLightModeli},
      {"glHint", kHint}, {"glTranslatef", kTranslatef}, {"glRotatef", kRotatef},
      {"glScalef", kScalef}, {"glLightfv", kLightfv}, {"glBindTexture", kBindTexture},
      {"glPushMatrix", kPushMatrix}, {"glPopMatrix", kPopMatrix}, {"glCullFace", kCullFace},
      {"glFrontFace", kFrontFace}, {"glShadeModel", kShadeModel}, {"glPointSize", kPointSize},
  };
  // The recorded texture names stand for the live ones of the same slots.
  std::unordered_map<uint32_t, uint32_t> names;
  for (size_t slot = 0; slot < frame.slot_names.size() && slot < 8; ++slot)
    names[frame.slot_names[slot]] = TEXTUREID2[slot];

  for (const RecordedCall& c : frame.calls) {
    const auto code = codes.find(c.name);
    if (code == codes.end()) {
      std::fprintf(stderr, "frame_bench: no replay for %s\n", c.name.c_str());
      return false;
    }
    Op op{code->second, {0, 0}, {0, 0, 0, 0}};
    const auto& a = c.args;
    switch (op.code) {
      case kOrtho: case kPerspective: case kClearDepth:
        op.u[0] = uint32_t(replay.doubles.size());
        replay.doubles.insert(replay.doubles.end(), a.begin(), a.end());
        break;
      case kLightfv:
        op.u[0] = uint32_t(a[0]);
        op.u[1] = uint32_t(a[1]);
        for (size_t i = 2; i < a.size() && i < 6; ++i) op.f[i - 2] = float(a[i]);
        break;
      case kBindTexture:
        op.u[0] = uint32_t(a[0]);
        op.u[1] = names.count(uint32_t(a[1])) ? names[uint32_t(a[1])] : uint32_t(a[1]);
        break;
      case kBegin: case kMatrixMode: case kEnable: case kDisable: case kDepthFunc:
      case kClear: case kCullFace: case kFrontFace: case kShadeModel: case kBlendFunc:
      case kHint: case kLightModeli: case kViewport:
        for (size_t i = 0; i < a.size() && i < 4; ++i) {
          if (i < 2) op.u[i] = uint32_t(int64_t(a[i]));
          op.f[i] = float(a[i]);
        }
        break;
      default:
        for (size_t i = 0; i < a.size() && i < 4; ++i) op.f[i] = float(a[i]);
    }
    replay.ops.push_back(op);
  }
  return true;
}

void replay_frame(const Replay& r) {
  for (const Op& op : r.ops) {
    const float* f = op.f;
    switch (op.code) {
      case kBegin: glBegin(op.u[0]); break;
      case kEnd: glEnd(); break;
      case kVertex3f: glVertex3f(f[0], f[1], f[2]); break;
      case kVertex3fv: glVertex3fv(f); break;
      case kNormal3f: glNormal3f(f[0], f[1], f[2]); break;
      case kNormal3fv: glNormal3fv(f); break;
      case kTexCoord2f: glTexCoord2f(f[0], f[1]); break;
      case kClear: glClear(op.u[0]); break;
      case kLoadIdentity: glLoadIdentity(); break;
      case kClearColor: glClearColor(f[0], f[1], f[2], f[3]); break;
      case kViewport: glViewport(GLint(f[0]), GLint(f[1]), GLsizei(f[2]), GLsizei(f[3])); break;
      case kMatrixMode: glMatrixMode(op.u[0]); break;
      case kOrtho: {
        const double* d = &r.doubles[op.u[0]];
        glOrtho(d[0], d[1], d[2], d[3], d[4], d[5]);
        break;
      }
      case kPerspective: {
        const double* d = &r.doubles[op.u[0]];
        gluPerspective(d[0], d[1], d[2], d[3]);
        break;
      }
      case kClearDepth: glClearDepth(r.doubles[op.u[0]]); break;
      case kEnable: glEnable(op.u[0]); break;
      case kDisable: glDisable(op.u[0]); break;
      case kDepthFunc: glDepthFunc(op.u[0]); break;
      case kColor4f: glColor4f(f[0], f[1], f[2], f[3]); break;
      case kBlendFunc: glBlendFunc(op.u[0], op.u[1]); break;
      case kLightModeli: glLightModeli(op.u[0], GLint(op.u[1])); break;
      case kHint: glHint(op.u[0], op.u[1]); break;
      case kTranslatef: glTranslatef(f[0], f[1], f[2]); break;
      case kRotatef: glRotatef(f[0], f[1], f[2], f[3]); break;
      case kScalef: glScalef(f[0], f[1], f[2]); break;
      case kLightfv: glLightfv(op.u[0], op.u[1], f); break;
      case kBindTexture: glBindTexture(op.u[0], op.u[1]); break;
      case kPushMatrix: glPushMatrix(); break;
      case kPopMatrix: glPopMatrix(); break;
      case kCullFace: glCullFace(op.u[0]); break;
      case kFrontFace: glFrontFace(op.u[0]); break;
      case kShadeModel: glShadeModel(op.u[0]); break;
      case kPointSize: glPointSize(f[0]); break;
    }
  }
}

Replay g_replay;

// The program's start-up, without the question: windowed 800 by 600.
bool start_up() {
  if (chdir(ASSETS_DIR) != 0) return false;
  start_gallery(false);
  const RecordedFrame frame = read_frame(FRAME_RECORD_FILE);
  return !frame.calls.empty() && decode(frame, g_replay);
}

void BM_FrameLive(benchmark::State& state) {
  for (auto _ : state) {
    OPENGL_DRAW();
    glFinish();
  }
  state.counters["calls"] = double(g_replay.ops.size());
}
BENCHMARK(BM_FrameLive)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_FrameReplay(benchmark::State& state) {
  for (auto _ : state) {
    replay_frame(g_replay);
    glFinish();
  }
  state.counters["calls"] = double(g_replay.ops.size());
}
BENCHMARK(BM_FrameReplay)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (!start_up()) {
    std::fprintf(stderr, "frame_bench: no window, context or recorded frame\n");
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  DELETEOGLWINDOW();
  return 0;
}
