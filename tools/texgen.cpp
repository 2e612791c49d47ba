// texgen: draws the eight shell textures as 24-bit BMP files.
//
//   texgen <output folder>
//
// The seven outer textures are shell pigmentation. On a real shell the
// pattern is laid down along the growing lip, one line at a time, by an
// activator that excites itself and an inhibitor (or a depleted substrate)
// that holds it back; the picture is the history of that line. Here the
// x axis of an image runs along the lip (around the tube, texture s) and
// the y axis is growth time (along the spiral, texture t). Some textures run
// such a one-dimensional reaction-diffusion system row by row, the others
// draw the same families of marks (bands, zig-zags, chevrons, dots, flames)
// directly; all carry fine growth lines. The inner texture is a pearly,
// softly iridescent nacre.
//
// Every image tiles seamlessly in both directions (the shells repeat it
// many times along the spiral). The output depends only on the fixed seeds
// below, so running the tool again rewrites the same files.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int SIZE = 256;  // width and height of every texture
constexpr double PI = 3.14159265358979323846;

// ---- small helpers ------------------------------------------------------

struct Rgb {
  double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb scale(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
Rgb hex(uint32_t v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}

double clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : v; }
double smoothstep(double e0, double e1, double x) {
  const double t = clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}
double fract(double v) { return v - std::floor(v); }
int wrap(int v, int n) { return ((v % n) + n) % n; }

// Deterministic random numbers (splitmix64).
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}
  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  double uniform() { return double(next() >> 11) / double(1ull << 53); }

 private:
  uint64_t state_;
};

// Value noise on a torus: a lattice of `cells` x `cells` random values
// interpolated smoothly; coordinates are in [0, 1) and wrap.
class TileNoise {
 public:
  TileNoise(uint64_t seed, int cells) : cells_(cells), values_(size_t(cells) * cells) {
    Rng rng(seed);
    for (double& v : values_) v = rng.uniform();
  }
  double at(double u, double v) const {
    const double x = fract(u) * cells_, y = fract(v) * cells_;
    const int x0 = int(x), y0 = int(y);
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    auto val = [&](int i, int j) { return values_[size_t(wrap(j, cells_)) * cells_ + wrap(i, cells_)]; };
    const double a = val(x0, y0) + (val(x0 + 1, y0) - val(x0, y0)) * sx;
    const double b = val(x0, y0 + 1) + (val(x0 + 1, y0 + 1) - val(x0, y0 + 1)) * sx;
    return a + (b - a) * sy;
  }

 private:
  int cells_;
  std::vector<double> values_;
};

// Fractal sum of tiling noise, about 0..1.
double fbm(uint64_t seed, int base_cells, int octaves, double u, double v) {
  // The lattices are built once per (seed, octave) and kept.
  static std::vector<std::pair<uint64_t, TileNoise>> cache;
  double sum = 0, amplitude = 0.5, total = 0;
  for (int o = 0; o < octaves; ++o) {
    const uint64_t key = (seed << 20) ^ (uint64_t(base_cells) << 8) ^ uint64_t(o);
    const TileNoise* noise = nullptr;
    for (const auto& entry : cache)
      if (entry.first == key) noise = &entry.second;
    if (!noise) {
      cache.emplace_back(key, TileNoise(key, base_cells << o));
      noise = &cache.back().second;
    }
    sum += amplitude * noise->at(u, v);
    total += amplitude;
    amplitude *= 0.5;
  }
  return sum / total;
}

// ---- images ---------------------------------------------------------------

struct Image {
  std::vector<Rgb> px = std::vector<Rgb>(size_t(SIZE) * SIZE, Rgb{0, 0, 0});
  Rgb& at(int x, int y) { return px[size_t(wrap(y, SIZE)) * SIZE + wrap(x, SIZE)]; }
};

// A field of values over the image, used for pattern intensities.
struct Field {
  std::vector<double> v = std::vector<double>(size_t(SIZE) * SIZE, 0.0);
  double& at(int x, int y) { return v[size_t(wrap(y, SIZE)) * SIZE + wrap(x, SIZE)]; }
  double at(int x, int y) const { return v[size_t(wrap(y, SIZE)) * SIZE + wrap(x, SIZE)]; }
};

// ---- one-dimensional reaction-diffusion along the lip ------------------------

// Activator a and substrate b on a ring of SIZE cells.
struct Lip {
  std::vector<double> a, b, s;  // s: the cells' slightly uneven source density
};

struct RdParams {
  double da, db;     // diffusion of activator and substrate
  double ra, rb;     // decay rates
  double ba, bb;     // basic production
  double sat;        // saturation of the autocatalysis
  double fluctuation;  // spread of the source density
  int pacemakers = 0;        // smooth bumps of the source density around the lip
  double pacemaker_gain = 0;  // their height
  double dt;
  int steps_per_row;
  int warm_up_rows;
  double a0, b0;  // starting values
};

void rd_step(Lip& lip, const RdParams& p) {
  const int n = SIZE;
  std::vector<double> na(n), nb(n);
  for (int i = 0; i < n; ++i) {
    const double a = lip.a[i], b = lip.b[i], s = lip.s[i];
    const double lap_a = lip.a[wrap(i - 1, n)] + lip.a[wrap(i + 1, n)] - 2 * a;
    const double lap_b = lip.b[wrap(i - 1, n)] + lip.b[wrap(i + 1, n)] - 2 * b;
    const double aa = a * a / (1 + p.sat * a * a);
    // The activator makes itself from the substrate, which it uses up.
    const double dA = s * (b * aa + p.ba) - p.ra * a + p.da * lap_a;
    const double dB = p.bb - s * b * aa - p.rb * b + p.db * lap_b;
    na[i] = std::max(0.0, a + p.dt * dA);
    nb[i] = std::max(0.0, b + p.dt * dB);
  }
  lip.a.swap(na);
  lip.b.swap(nb);
}

// The recorded history of the lip: activator and substrate, each scaled
// to 0..1.
struct History {
  Field a, b;
};

// Runs the lip and records it, one row per `steps_per_row` steps. The lip is
// a ring, so the pattern tiles along it. To make it tile in time as well,
// the run goes on past SIZE rows; the period that best repeats the first
// rows is found among the lengths near SIZE and squeezed or stretched to
// exactly SIZE rows, and its last rows are cross-faded into its first ones.
History reaction_diffusion(const RdParams& p, uint64_t seed) {
  Rng rng(seed);
  Lip lip;
  lip.a.assign(SIZE, p.a0);
  lip.b.assign(SIZE, p.b0);
  lip.s.resize(SIZE);
  for (int i = 0; i < SIZE; ++i) {
    lip.s[i] = 1 + p.fluctuation * (rng.uniform() - 0.5) +
               p.pacemaker_gain * std::cos(2 * PI * p.pacemakers * i / SIZE);
    lip.a[i] *= 0.5 + rng.uniform();
  }
  for (int r = 0; r < p.warm_up_rows * p.steps_per_row; ++r) rd_step(lip, p);

  const int min_period = SIZE * 7 / 8, max_period = SIZE * 9 / 8, fade = 24;
  std::vector<std::vector<double>> ra, rb;
  for (int r = 0; r < max_period + fade + 1; ++r) {
    for (int k = 0; k < p.steps_per_row; ++k) rd_step(lip, p);
    ra.push_back(lip.a);
    rb.push_back(lip.b);
  }
  int period = SIZE;
  double best = 1e300;
  for (int candidate = min_period; candidate <= max_period; ++candidate) {
    double d = 0;
    for (int k = 0; k < fade; ++k)
      for (int x = 0; x < SIZE; ++x) {
        const double e = ra[k][x] - ra[candidate + k][x];
        d += e * e;
      }
    if (d < best) best = d, period = candidate;
  }

  auto build = [&](const std::vector<std::vector<double>>& rows) {
    double peak = 1e-12;
    for (const auto& row : rows)
      for (double v : row) peak = std::max(peak, v);
    // Row r of the period (0 <= r < period + fade) with linear interpolation.
    auto sample = [&](double r, int x) {
      const int r0 = std::min(int(r), int(rows.size()) - 2);
      const double f = r - r0;
      return rows[r0][x] * (1 - f) + rows[r0 + 1][x] * f;
    };
    const double stretch = double(period) / SIZE;
    const double fade_rows = fade / stretch;
    Field out;
    for (int y = 0; y < SIZE; ++y)
      for (int x = 0; x < SIZE; ++x) {
        const double r = y * stretch;
        double v = sample(r, x);
        if (y < fade_rows) {
          const double w = smoothstep(0, 1, (y + 0.5) / fade_rows);
          v = sample(r + period, x) * (1 - w) + v * w;
        }
        out.at(x, y) = v / peak;
      }
    return out;
  };
  return History{build(ra), build(rb)};
}

// ---- finishing touches shared by the outer textures ---------------------------

// Fine growth lines across the growth direction: thin, slightly darker rows
// of uneven strength, with two stronger rest marks.
double growth_lines(uint64_t seed, int x, int y) {
  const double u = double(x) / SIZE, v = double(y) / SIZE;
  const double wobble = (fbm(seed, 4, 2, u, v) - 0.5) * 0.012;
  const double fine = 0.5 + 0.5 * std::cos(2 * PI * 48 * (v + wobble));
  const double rest = std::pow(0.5 + 0.5 * std::cos(2 * PI * 2 * (v + wobble * 2 + 0.17)), 160);
  const double strength = 0.4 + 0.6 * fbm(seed + 1, 8, 2, u, v * 4);
  return 0.06 * std::pow(fine, 6) * strength + 0.10 * rest * (0.5 + strength);
}

// Base colour of the shell material: a soft ground with faint mottling.
Rgb ground(Rgb light, Rgb warm, uint64_t seed, int x, int y) {
  const double u = double(x) / SIZE, v = double(y) / SIZE;
  const double m = fbm(seed, 4, 4, u, v);
  return mix(light, warm, smoothstep(0.3, 0.8, m));
}

Rgb finish(Rgb c, uint64_t seed, int x, int y) {
  const double u = double(x) / SIZE, v = double(y) / SIZE;
  // Growth lines darken towards a warm brown rather than grey.
  c = mix(c, {c.r * 0.55, c.g * 0.42, c.b * 0.32}, growth_lines(seed, x, y) * 1.6);
  // A little porcelain grain.
  const double grain = (fbm(seed + 9, 64, 2, u, v) - 0.5) * 0.06;
  return {c.r + grain, c.g + grain, c.b + grain};
}

// ---- the seven outer textures -----------------------------------------------

// Travelling waves of a depleted substrate: waves start where the lip
// happens to be most excitable, run sideways and vanish when two of them
// meet, drawing nested tents; behind each wave the depleted substrate
// leaves a shaded wake.
Image tents() {
  RdParams p;
  p.da = 0.03;
  p.db = 0.0;
  p.ra = 0.1;
  p.rb = 0.0;
  p.ba = 0.001;
  p.bb = 0.02;
  p.sat = 1.0;
  p.fluctuation = 1.0;
  p.dt = 0.2;
  p.steps_per_row = 10;
  p.warm_up_rows = 300;
  p.a0 = 0.2;
  p.b0 = 1.0;
  const History h = reaction_diffusion(p, 101);
  Image img;
  const Rgb cream = hex(0xF1E4C6), sand = hex(0xE2C49A), ink = hex(0x4A2414), rust = hex(0x9A4A22);
  for (int y = 0; y < SIZE; ++y)
    for (int x = 0; x < SIZE; ++x) {
      const double a = h.a.at(x, y), b = h.b.at(x, y);
      Rgb c = ground(cream, sand, 11, x, y);
      c = mix(c, rust, 0.8 * smoothstep(0.32, 0.08, b));
      c = mix(c, ink, smoothstep(0.1, 0.4, a));
      img.at(x, y) = finish(c, 12, x, y);
    }
  return img;
}

// Shortest distance between two coordinates on a ring of length n.
double ring_distance(double a, double b, double n) {
  const double d = std::fabs(a - b);
  return std::min(d, n - d);
}

// Spiral bands: stripes that follow the growth direction, of several widths,
// softly edged, wandering a little and broken into dashes here and there.
Image bands() {
  struct Band {
    double centre, width, strength, dash;
  };
  const Band list[] = {
      {20, 14, 1.0, 0.0},  {52, 4, 0.8, 0.5},  {70, 3, 0.6, 0.0},  {104, 22, 0.9, 0.0},
      {140, 5, 0.9, 0.7}, {162, 9, 1.0, 0.3}, {196, 3, 0.7, 0.0}, {222, 16, 0.95, 0.0},
  };
  Image img;
  const Rgb ivory = hex(0xF3E7CF), blush = hex(0xE9CDB0), chestnut = hex(0x7A3A1C),
            amber = hex(0xB8692E);
  for (int y = 0; y < SIZE; ++y)
    for (int x = 0; x < SIZE; ++x) {
      const double u = double(x) / SIZE, v = double(y) / SIZE;
      const double wander = (fbm(21, 2, 3, u * 0.5, v) - 0.5) * 10;
      double ink = 0, core = 0;
      for (const Band& b : list) {
        const double d = ring_distance(x + wander, b.centre, SIZE);
        const double edge = 1 - smoothstep(b.width * 0.5 - 1.5, b.width * 0.5 + 1.5, d);
        double strength = b.strength;
        if (b.dash > 0) strength *= smoothstep(b.dash - 0.1, b.dash + 0.1, fbm(22 + uint64_t(b.centre), 8, 2, u, v));
        ink = std::max(ink, edge * strength);
        core = std::max(core, edge * strength * smoothstep(b.width * 0.5, 0, d));
      }
      Rgb c = ground(ivory, blush, 23, x, y);
      c = mix(c, mix(amber, chestnut, 0.35 + 0.65 * core), ink);
      img.at(x, y) = finish(c, 24, x, y);
    }
  return img;
}

// Zig-zag lines: a lip that fires almost all at once, the firing spreading
// from many nearby starting points, draws thin zig-zag lines across it.
Image zigzag() {
  RdParams p;
  p.da = 0.01;
  p.db = 0.0;
  p.ra = 0.1;
  p.rb = 0.0;
  p.ba = 0.001;
  p.bb = 0.02;
  p.sat = 1.0;
  p.fluctuation = 0.2;
  p.dt = 0.2;
  p.steps_per_row = 20;
  p.warm_up_rows = 300;
  p.a0 = 0.2;
  p.b0 = 1.0;
  const History h = reaction_diffusion(p, 303);
  Image img;
  const Rgb apricot = hex(0xF6DEC4), rose = hex(0xEBBFA4), wine = hex(0x6E2119),
            brick = hex(0xA9452A);
  for (int y = 0; y < SIZE; ++y)
    for (int x = 0; x < SIZE; ++x) {
      const double a = h.a.at(x, y), b = h.b.at(x, y);
      Rgb c = ground(apricot, rose, 31, x, y);
      c = mix(c, brick, 0.2 * smoothstep(0.35, 0.1, b));
      c = mix(c, mix(brick, wine, smoothstep(0.3, 0.6, a)), smoothstep(0.08, 0.3, a));
      img.at(x, y) = finish(c, 32, x, y);
    }
  return img;
}

// Dots in rows along the growth direction, each a little irregular, with a
// darker rim, over faint rosy bands.
Image dots() {
  constexpr int COLUMNS = 9, ROWS = 11;
  struct Dot {
    double x, y, r;
  };
  std::vector<Dot> list;
  Rng rng(404);
  for (int j = 0; j < ROWS; ++j)
    for (int i = 0; i < COLUMNS; ++i) {
      const double cx = (i + 0.5 + 0.18 * (rng.uniform() - 0.5)) * SIZE / COLUMNS;
      const double cy = (j + 0.5 + (i % 2) * 0.5 + 0.3 * (rng.uniform() - 0.5)) * SIZE / ROWS;
      const double r = 3.5 + 5.5 * rng.uniform() * rng.uniform() + (rng.uniform() < 0.15 ? 3 : 0);
      if (rng.uniform() < 0.12) continue;  // a gap now and then
      list.push_back({cx, cy, r});
    }
  Image img;
  const Rgb ivory = hex(0xF5EBDA), rosy = hex(0xEDCFC0), umber = hex(0x5C2A17),
            sienna = hex(0x9C4F28);
  for (int y = 0; y < SIZE; ++y)
    for (int x = 0; x < SIZE; ++x) {
      const double u = double(x) / SIZE, v = double(y) / SIZE;
      double ink = 0, rim = 0;
      for (const Dot& d : list) {
        const double dx = ring_distance(x, d.x, SIZE), dy = ring_distance(y, d.y, SIZE);
        if (dx > d.r + 4 || dy > d.r + 4) continue;
        const double warp = 1 + 0.25 * (fbm(41, 16, 2, u, v) - 0.5);
        const double dist = std::sqrt(dx * dx + dy * dy * 1.15) * warp;
        const double inside = 1 - smoothstep(d.r - 1.2, d.r + 0.6, dist);
        ink = std::max(ink, inside);
        rim = std::max(rim, inside * smoothstep(d.r * 0.45, d.r, dist));
      }
      const double band = 0.5 + 0.5 * std::cos(2 * PI * (2 * u + 0.1 * fbm(42, 4, 2, u, v)));
      Rgb c = mix(ground(ivory, ivory, 43, x, y), rosy, 0.55 * smoothstep(0.55, 1.0, band));
      c = mix(c, mix(sienna, umber, rim), ink);
      img.at(x, y) = finish(c, 44, x, y);
    }
  return img;
}

// Chevrons: broad nested V-shaped bands, dark and light in turn.
Image chevrons() {
  Image img;
  const Rgb cream = hex(0xF4E3C3), caramel = hex(0xC98A4B), cocoa = hex(0x5A2E1A),
            honey = hex(0xE2B47A);
  constexpr int VEES = 4, STRIPES = 6;
  for (int y = 0; y < SIZE; ++y)
    for (int x = 0; x < SIZE; ++x) {
      const double u = double(x) / SIZE, v = double(y) / SIZE;
      const double tri = std::fabs(fract(u * VEES) - 0.5) * 2;  // 0 at the tips, 1 between
      const double jitter = (fbm(51, 4, 3, u, v) - 0.5) * 0.25;
      const double phase = STRIPES * v + 0.9 * tri + jitter;
      const double f = fract(phase);
      Rgb c = ground(cream, honey, 52, x, y);
      // One broad dark band, a thin line and a pale gap in every stripe.
      c = mix(c, caramel, smoothstep(0.02, 0.06, f) * (1 - smoothstep(0.40, 0.45, f)));
      c = mix(c, cocoa, smoothstep(0.05, 0.08, f) * (1 - smoothstep(0.20, 0.25, f)));
      c = mix(c, cocoa, 0.85 * smoothstep(0.60, 0.62, f) * (1 - smoothstep(0.65, 0.67, f)));
      img.at(x, y) = finish(c, 53, x, y);
    }
  return img;
}

// Flames: wavy, tapering streaks laid down across the growth direction,
// each with its own sway, thickening and thinning and now and then broken.
Image flames() {
  Image img;
  const Rgb peach = hex(0xF7DFC2), sand = hex(0xEACCA4), russet = hex(0x7E321A),
            orange = hex(0xC2622E);
  constexpr int STREAKS = 6;
  for (int y = 0; y < SIZE; ++y)
    for (int x = 0; x < SIZE; ++x) {
      const double u = double(x) / SIZE, v = double(y) / SIZE;
      const double warp = fbm(61, 2, 4, u, v) - 0.5;
      const double sway = 0.22 * std::sin(2 * PI * (2 * u + 3 * warp)) + 1.2 * warp;
      const double phase = STREAKS * v + sway;
      const double d = std::fabs(fract(phase) - 0.5) * 2;  // 0 on the streak's spine
      const double lane = std::floor(phase);
      const double swell = fbm(62 + uint64_t(lane + 64), 4, 3, u, 0.0);
      const double width = 0.08 + 0.5 * smoothstep(0.3, 0.75, swell);
      const double body = 1 - smoothstep(width - 0.06, width + 0.03, d);
      const double edge = body * smoothstep(width * 0.4, width, d);
      Rgb c = ground(peach, sand, 63, x, y);
      c = mix(c, mix(orange, russet, 0.25 + 0.75 * edge), body);
      img.at(x, y) = finish(c, 64, x, y);
    }
  return img;
}

// Oblique lines: one pacemaker on the lip sends waves both ways round it;
// they run far, as long slanting lines, and vanish where they meet.
Image oblique_lines() {
  RdParams p;
  p.da = 0.03;
  p.db = 0.0;
  p.ra = 0.1;
  p.rb = 0.0;
  p.ba = 0.001;
  p.bb = 0.02;
  p.sat = 1.0;
  p.fluctuation = 0.15;
  p.pacemakers = 1;
  p.pacemaker_gain = 0.3;
  p.dt = 0.2;
  p.steps_per_row = 10;
  p.warm_up_rows = 300;
  p.a0 = 0.2;
  p.b0 = 1.0;
  const History h = reaction_diffusion(p, 606);
  Image img;
  const Rgb shell = hex(0xF2DDD2), mauve = hex(0xDDB8AE), plum = hex(0x4B2027),
            clay = hex(0x8C4A3C);
  for (int y = 0; y < SIZE; ++y)
    for (int x = 0; x < SIZE; ++x) {
      const double a = h.a.at(x, y);
      Rgb c = ground(shell, mauve, 71, x, y);
      c = mix(c, mix(clay, plum, smoothstep(0.3, 0.7, a)), smoothstep(0.06, 0.3, a));
      img.at(x, y) = finish(c, 72, x, y);
    }
  return img;
}

// The inside of the shell: pearly nacre. A white, satiny ground with
// brighter sheets of sheen stretched along the growth lines; the thin-film
// colours of the nacre layers (rose, gold, green, blue, following each other
// as the layer thickness grows) drift softly over it, strongest where the
// sheen is; fine wavy terrace edges cross it.
Image nacre() {
  Image img;
  const Rgb pearl = hex(0xF0ECE7), shade = hex(0xD9D6D8);
  for (int y = 0; y < SIZE; ++y)
    for (int x = 0; x < SIZE; ++x) {
      const double u = double(x) / SIZE, v = double(y) / SIZE;
      const double warp = fbm(81, 2, 4, u, v) - 0.5;
      // Sheets of sheen, long across the growth direction.
      const double sheet = fbm(85, 4, 4, u + 0.3 * warp, 2 * v + 0.6 * warp);
      const double sheen = smoothstep(0.35, 0.75, sheet);
      // Layer thickness, and the thin-film tints it gives.
      const double thickness = 1.5 * v + 1.4 * warp + 0.5 * fbm(82, 8, 3, u, v);
      const double t = 2 * PI * 1.5 * thickness;
      const Rgb tint = {0.5 + 0.5 * std::cos(t), 0.5 + 0.5 * std::cos(t - 2.1),
                        0.5 + 0.5 * std::cos(t - 4.2)};
      Rgb c = mix(shade, pearl, 0.35 + 0.65 * sheen);
      c = mix(c, tint, 0.04 + 0.07 * sheen);
      c = mix(c, {1.0, 0.99, 0.97}, 0.45 * std::pow(sheen, 3));  // highlights
      // Terrace edges of the nacre tablets.
      const double terrace = fract(24 * (v + 0.05 * warp + 0.01 * fbm(86, 16, 2, u, v)));
      c = scale(c, 1 - 0.035 * smoothstep(0.85, 1.0, terrace));
      const double grain = (fbm(84, 64, 2, u, v) - 0.5) * 0.02;
      img.at(x, y) = {c.r + grain, c.g + grain, c.b + grain};
    }
  return img;
}

// ---- writing ----------------------------------------------------------------

bool write_bmp(const std::string& path, const Image& img) {
  const uint32_t row = SIZE * 3;  // a multiple of 4: no padding
  const uint32_t pixels = row * SIZE;
  uint8_t header[54] = {'B', 'M'};
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) header[at + i] = uint8_t(v >> (8 * i));
  };
  put32(2, 54 + pixels);
  put32(10, 54);
  put32(14, 40);
  put32(18, SIZE);
  put32(22, SIZE);
  header[26] = 1;
  header[28] = 24;
  put32(34, pixels);
  put32(38, 2835);  // 72 dots per inch
  put32(42, 2835);
  std::vector<uint8_t> data(pixels);
  for (int y = 0; y < SIZE; ++y)  // bottom-up: stored row 0 is image row 0
    for (int x = 0; x < SIZE; ++x) {
      const Rgb c = img.px[size_t(y) * SIZE + size_t(x)];
      uint8_t* p = &data[size_t(y) * row + size_t(x) * 3];
      p[0] = uint8_t(std::lround(clamp01(c.b) * 255));
      p[1] = uint8_t(std::lround(clamp01(c.g) * 255));
      p[2] = uint8_t(std::lround(clamp01(c.r) * 255));
    }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(header, 1, sizeof header, f) == sizeof header &&
                  std::fwrite(data.data(), 1, data.size(), f) == data.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: texgen <output folder>\n");
    return 2;
  }
  const std::string dir = argv[1];
  const struct {
    const char* name;
    Image (*draw)();
  } textures[] = {
      {"GuscioInt00.bmp", nacre},   {"guscio00.bmp", tents},     {"guscio01.bmp", bands},
      {"guscio02.bmp", zigzag},     {"guscio03.bmp", dots},      {"guscio04.bmp", chevrons},
      {"guscio05.bmp", flames},     {"guscio06.bmp", oblique_lines},
  };
  for (const auto& t : textures) {
    const std::string path = dir + "/" + t.name;
    if (!write_bmp(path, t.draw())) {
      std::fprintf(stderr, "texgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
