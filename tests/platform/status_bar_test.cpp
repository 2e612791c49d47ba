// The status bar on the headless backend: placement, parts and what it draws.

#include "platform/status_bar.h"

#include <gtest/gtest.h>

#include "tests/platform/headless_fixture.h"

namespace {

using DrawOp = HeadlessBackend::DrawOp;

std::vector<DrawOp> drawn_on(const HeadlessBackend& backend, HWND window, DrawOp::Kind kind) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : backend.drawn)
    if (op.window == window && op.kind == kind) out.push_back(op);
  return out;
}

TEST_F(HeadlessPlatform, StatusBarSitsAlongTheBottomAndDrawsItsParts) {
  HWND parent = make(WS_POPUP | WS_VISIBLE, nullptr, 0, 400, 300);
  HWND bar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "Percorso file", parent, 30482);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetParent(bar), parent);
  EXPECT_EQ(GetDlgCtrlID(bar), 30482);
  RECT client, outer, parent_outer;
  ASSERT_TRUE(GetClientRect(bar, &client));
  ASSERT_TRUE(GetWindowRect(bar, &outer));
  ASSERT_TRUE(GetWindowRect(parent, &parent_outer));
  EXPECT_EQ(client.right, 400);
  EXPECT_GE(client.bottom, 20);
  EXPECT_EQ(outer.bottom, parent_outer.bottom) << "flush with the bottom of the client area";

  const int edges[3] = {100, 250, -1};
  EXPECT_TRUE(SendMessageA(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges)));
  EXPECT_TRUE(SendMessageA(bar, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>("terza")));
  EXPECT_FALSE(SendMessageA(bar, SB_SETTEXTA, 3, reinterpret_cast<LPARAM>("oltre")));
  backend.drawn.clear();
  EXPECT_TRUE(UpdateWindow(bar));

  const auto texts = drawn_on(backend, bar, DrawOp::kText);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "Percorso file");
  EXPECT_EQ(texts[0].rect.left, 4);
  EXPECT_EQ(texts[1].text, "terza");
  EXPECT_EQ(texts[1].rect.left, 254);
  // A separator at each inner right edge, none at the bar's end.
  std::vector<LONG> separators;
  for (const DrawOp& l : drawn_on(backend, bar, DrawOp::kLine))
    if (l.rect.left == l.rect.right) separators.push_back(l.rect.left);
  EXPECT_EQ(separators, (std::vector<LONG>{99, 100, 249, 250}));
}

TEST_F(HeadlessPlatform, StatusBarRefusesBadPartsAndGoesWithItsParent) {
  HWND parent = make(WS_POPUP | WS_VISIBLE, nullptr, 0, 300, 200);
  HWND bar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "x", parent, 1);
  ASSERT_NE(bar, nullptr);
  const int edges[1] = {50};
  EXPECT_FALSE(SendMessageA(bar, SB_SETPARTS, 0, reinterpret_cast<LPARAM>(edges)));
  EXPECT_FALSE(SendMessageA(bar, SB_SETPARTS, 2, 0));
  EXPECT_FALSE(SendMessageA(bar, SB_SETPARTS, 257, reinterpret_cast<LPARAM>(edges)));
  // Part text beyond a long line is cut to the part's width.
  const int one[1] = {60};
  ASSERT_TRUE(SendMessageA(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(one)));
  ASSERT_TRUE(SetWindowTextA(bar, "un testo molto lungo"));
  backend.drawn.clear();
  UpdateWindow(bar);
  const auto texts = drawn_on(backend, bar, DrawOp::kText);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "un testo");  // 6 pixels a character, 4 of margin each side
  EXPECT_LE(texts[0].rect.right, 56);

  EXPECT_EQ(CreateStatusWindowA(WS_CHILD, "x", nullptr, 1), nullptr);
  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(bar));
}

}  // namespace
