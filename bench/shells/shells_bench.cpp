// Every frame regenerates the gallery's nineteen shells. These benchmarks time
// one such frame through the generators and through the plain per-vertex
// evaluation; "vertex" reports the time per emitted vertex.
#include <benchmark/benchmark.h>

#include "shells/gallery_shells.h"
#include "tests/shells/shell_oracle.h"

namespace {

long frame_vertices() {
  long n = 0;
  for (const GalleryDraw& d : GALLERY_DRAWS) {
    const ShellShape& s = d.shape;
    const int lines = s.generator == ShellGenerator::SPIRALSHELL3 ? s.NUMLINEINF + s.NUMLINESUP
                                                                  : s.NUMLINE;
    n += 2L * s.NUMCIRCLE * lines;
  }
  return n;
}

void report(benchmark::State& state) {
  state.counters["vertex"] = benchmark::Counter(
      double(frame_vertices()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_GalleryFrame(benchmark::State& state) {
  for (auto _ : state)
    for (const GalleryDraw& d : GALLERY_DRAWS) draw_shell_shape(d.shape);
  report(state);
}
BENCHMARK(BM_GalleryFrame)->Unit(benchmark::kMillisecond);

void BM_GalleryFramePerVertexFormulas(benchmark::State& state) {
  for (auto _ : state)
    for (const GalleryDraw& d : GALLERY_DRAWS) shell_oracle::draw_shape(d.shape);
  report(state);
}
BENCHMARK(BM_GalleryFramePerVertexFormulas)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
