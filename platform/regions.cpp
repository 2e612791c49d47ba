// Regions: areas kept as y-x banded rectangle lists, built from rectangle
// descriptions and combined with the boolean operations.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <utility>

#include "platform/gdi.h"

namespace {

typedef std::pair<LONG, LONG> Span;  // [first, second) along x

bool is_empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// Sorted, disjoint, non-touching spans from any list of spans.
std::vector<Span> merged(std::vector<Span> spans) {
  std::sort(spans.begin(), spans.end());
  std::vector<Span> out;
  for (const Span& s : spans) {
    if (!out.empty() && s.first <= out.back().second)
      out.back().second = std::max(out.back().second, s.second);
    else
      out.push_back(s);
  }
  return out;
}

bool apply(int mode, bool in_a, bool in_b) {
  switch (mode) {
    case RGN_AND:
      return in_a && in_b;
    case RGN_OR:
      return in_a || in_b;
    case RGN_XOR:
      return in_a != in_b;
    case RGN_DIFF:
      return in_a && !in_b;
    default:
      return in_a;
  }
}

// The spans of `mode` applied to two merged span lists.
std::vector<Span> combine_spans(const std::vector<Span>& a, const std::vector<Span>& b, int mode) {
  std::vector<LONG> edges;
  edges.reserve(2 * (a.size() + b.size()));
  for (const Span& s : a) edges.insert(edges.end(), {s.first, s.second});
  for (const Span& s : b) edges.insert(edges.end(), {s.first, s.second});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::vector<Span> out;
  size_t ia = 0, ib = 0;
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    const LONG x0 = edges[i], x1 = edges[i + 1];
    while (ia < a.size() && a[ia].second <= x0) ++ia;
    while (ib < b.size() && b[ib].second <= x0) ++ib;
    const bool in_a = ia < a.size() && a[ia].first <= x0;
    const bool in_b = ib < b.size() && b[ib].first <= x0;
    if (!apply(mode, in_a, in_b)) continue;
    if (!out.empty() && out.back().second == x0)
      out.back().second = x1;
    else
      out.emplace_back(x0, x1);
  }
  return out;
}

// Walks the horizontal bands between consecutive top and bottom edges of a
// rectangle list, giving the merged spans of the rectangles covering each.
class BandWalker {
 public:
  explicit BandWalker(const std::vector<RECT>& rects) {
    for (const RECT& r : rects)
      if (!is_empty(r)) rects_.push_back(r);
    std::sort(rects_.begin(), rects_.end(),
              [](const RECT& p, const RECT& q) { return p.top < q.top; });
  }
  void edges(std::vector<LONG>* out) const {
    for (const RECT& r : rects_) out->insert(out->end(), {r.top, r.bottom});
  }
  // The spans over [top, bottom); bands must be asked for in rising order
  // and lie between consecutive edges.
  std::vector<Span> spans(LONG top, LONG bottom) {
    while (next_ < rects_.size() && rects_[next_].top <= top) active_.push_back(rects_[next_++]);
    active_.erase(std::remove_if(active_.begin(), active_.end(),
                                 [top](const RECT& r) { return r.bottom <= top; }),
                  active_.end());
    std::vector<Span> out;
    for (const RECT& r : active_)
      if (r.bottom >= bottom) out.emplace_back(r.left, r.right);
    return merged(std::move(out));
  }

 private:
  std::vector<RECT> rects_;
  std::vector<RECT> active_;
  size_t next_ = 0;
};

// The banded rectangles of `a` op `b`.
std::vector<RECT> combine(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode) {
  BandWalker wa(a), wb(b);
  std::vector<LONG> edges;
  wa.edges(&edges);
  wb.edges(&edges);
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  std::vector<RECT> out;
  size_t last_band = 0;  // index in `out` of the previous band's first rectangle
  bool have_band = false;
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    const LONG top = edges[i], bottom = edges[i + 1];
    const std::vector<Span> spans = combine_spans(wa.spans(top, bottom), wb.spans(top, bottom), mode);
    if (spans.empty()) continue;
    // A band touching the previous one with the same spans extends it.
    if (have_band && out[last_band].bottom == top && out.size() - last_band == spans.size()) {
      bool same = true;
      for (size_t k = 0; k < spans.size() && same; ++k)
        same = out[last_band + k].left == spans[k].first && out[last_band + k].right == spans[k].second;
      if (same) {
        for (size_t k = last_band; k < out.size(); ++k) out[k].bottom = bottom;
        continue;
      }
    }
    last_band = out.size();
    have_band = true;
    for (const Span& s : spans) out.push_back(RECT{s.first, top, s.second, bottom});
  }
  return out;
}

int kind_of(const Region& r) {
  if (r.rects.empty()) return NULLREGION;
  return r.rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

HRGN make_region(std::vector<RECT> rects) {
  try {
    auto* r = new Region();
    r->rects = std::move(rects);
    return r;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

Region* region_from_handle(const void* handle) {
  return gdi_object_as<Region>(handle);
}

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
  if (rect == nullptr) return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  const RECT r{std::min(left, right), std::min(top, bottom), std::max(left, right),
               std::max(top, bottom)};
  return make_region(combine({r}, {}, RGN_OR));
}

HRGN ExtCreateRegion(const XFORM* transform, DWORD count, const RGNDATA* data) {
  if (transform != nullptr || data == nullptr || count < sizeof(RGNDATAHEADER)) return nullptr;
  RGNDATAHEADER header;
  std::memcpy(&header, data, sizeof header);
  if (header.dwSize != sizeof(RGNDATAHEADER) || header.iType != RDH_RECTANGLES) return nullptr;
  const uint64_t room = (uint64_t(count) - header.dwSize) / sizeof(RECT);
  if (header.nCount > room) return nullptr;
  std::vector<RECT> rects;
  try {
    rects.resize(header.nCount);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  if (header.nCount)
    std::memcpy(rects.data(), reinterpret_cast<const BYTE*>(data) + header.dwSize,
                size_t(header.nCount) * sizeof(RECT));
  return make_region(combine(rects, {}, RGN_OR));
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode) {
  Region* d = region_from_handle(dst);
  const Region* a = region_from_handle(src1);
  if (d == nullptr || a == nullptr || mode < RGN_AND || mode > RGN_COPY) return RGN_ERROR;
  if (mode == RGN_COPY) {
    d->rects = a->rects;
    return kind_of(*d);
  }
  const Region* b = region_from_handle(src2);
  if (b == nullptr) return RGN_ERROR;
  try {
    d->rects = combine(a->rects, b->rects, mode);
  } catch (const std::bad_alloc&) {
    return RGN_ERROR;
  }
  return kind_of(*d);
}

BOOL PtInRegion(HRGN region, int x, int y) {
  const Region* r = region_from_handle(region);
  if (r == nullptr) return FALSE;
  // Bands rise with the list: the first rectangle ending below y starts the
  // only band that can hold it.
  auto it = std::partition_point(r->rects.begin(), r->rects.end(),
                                 [y](const RECT& rect) { return rect.bottom <= y; });
  for (; it != r->rects.end() && it->top <= y; ++it) {
    if (x < it->left) return FALSE;
    if (x < it->right) return TRUE;
  }
  return FALSE;
}

int GetRgnBox(HRGN region, RECT* box) {
  const Region* r = region_from_handle(region);
  if (r == nullptr || box == nullptr) return RGN_ERROR;
  if (r->rects.empty()) {
    *box = RECT{0, 0, 0, 0};
    return NULLREGION;
  }
  RECT b = r->rects.front();
  for (const RECT& rect : r->rects) {
    b.left = std::min(b.left, rect.left);
    b.right = std::max(b.right, rect.right);
  }
  b.bottom = r->rects.back().bottom;
  *box = b;
  return kind_of(*r);
}
