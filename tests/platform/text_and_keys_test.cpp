// Windows-1252 conversion, X keysyms to virtual keys, the message box's key
// handling and line layout, and MessageBoxA without a display.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/message_box.h"
#include "platform/message_box_logic.h"
#include "platform/text_encoding.h"
#include "platform/window.h"
#include "platform/x11/key_codes.h"

namespace {

TEST(TextEncoding, Windows1252ToUtf8AndLatin1) {
  struct Case {
    std::string cp1252, utf8, latin1;
  } cases[] = {
      {"Dimostrazione", "Dimostrazione", "Dimostrazione"},
      {"non \xE8 stata", "non \xC3\xA8 stata", "non \xE8 stata"},
      {"S\xEC", "S\xC3\xAC", "S\xEC"},
      {"\x80 5", "\xE2\x82\xAC 5", "E 5"},
      {"\x93x\x94 \x96", "\xE2\x80\x9Cx\xE2\x80\x9D \xE2\x80\x93", "\"x\" -"},
      {"\x81", "\xEF\xBF\xBD", "?"},
      {"due  ", "due  ", "due  "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cp1252_to_utf8(c.cp1252), c.utf8) << c.cp1252;
    EXPECT_EQ(cp1252_to_latin1(c.cp1252), c.latin1) << c.cp1252;
  }
}

TEST(KeyCodes, KeysymsMapToVirtualKeys) {
  // Keysym values of the X protocol.
  struct Case {
    unsigned long keysym;
    WPARAM vk;
  } cases[] = {
      {0xff1b, VK_ESCAPE}, {0x61, 'A'},         {0x7a, 'Z'},         {0x41, 'A'},
      {0x30, '0'},         {0x39, '9'},         {0xffbe, VK_F1},     {0xffc9, VK_F12},
      {0xff51, VK_LEFT},   {0xff52, VK_UP},     {0xff53, VK_RIGHT},  {0xff54, VK_DOWN},
      {0x20, VK_SPACE},    {0xff0d, VK_RETURN}, {0xffe1, VK_SHIFT},  {0xffe4, VK_CONTROL},
      {0xff09, VK_TAB},    {0xff08, VK_BACK},   {0xffff, VK_DELETE}, {0xffb5, 0x65},
      {0x1008ff13, 0},  // a media key has no virtual key
  };
  for (const Case& c : cases) EXPECT_EQ(virtual_key_from_keysym(c.keysym), c.vk) << c.keysym;
}

TEST(MessageBoxModel, KeysAndClicksGiveTheAnswers) {
  struct Case {
    UINT type;
    std::vector<BoxKey> keys;
    int answer;  // of the last key
  } cases[] = {
      {MB_YESNO, {BoxKey::kLetterS}, IDYES},
      {MB_YESNO, {BoxKey::kLetterN}, IDNO},
      {MB_YESNO, {BoxKey::kReturn}, IDYES},
      {MB_YESNO, {BoxKey::kTab, BoxKey::kSpace}, IDNO},
      {MB_YESNO, {BoxKey::kTab, BoxKey::kTab, BoxKey::kReturn}, IDYES},
      {MB_YESNO, {BoxKey::kShiftTab, BoxKey::kReturn}, IDNO},
      {MB_YESNO, {BoxKey::kEscape}, 0},
      {MB_YESNO | MB_ICONQUESTION, {BoxKey::kOther}, 0},
      {MB_OK, {BoxKey::kEscape}, IDOK},
      {MB_OK, {BoxKey::kTab, BoxKey::kReturn}, IDOK},
      {MB_OK, {BoxKey::kLetterN}, 0},
  };
  for (const Case& c : cases) {
    MessageBoxModel box(c.type);
    int answer = -1;
    for (BoxKey k : c.keys) answer = box.key(k);
    EXPECT_EQ(answer, c.answer) << c.type << " after " << c.keys.size() << " keys";
  }
  MessageBoxModel question(MB_YESNO | MB_ICONQUESTION);
  ASSERT_EQ(question.buttons().size(), 2u);
  EXPECT_EQ(question.buttons()[0].label, "S\xEC");
  EXPECT_EQ(question.buttons()[1].label, "No");
  EXPECT_TRUE(question.question_icon());
  EXPECT_EQ(question.focused(), 0);
  EXPECT_EQ(question.click(1), IDNO);
  EXPECT_EQ(question.click(2), 0);
  EXPECT_EQ(question.close_request(), 0);
  MessageBoxModel ok(MB_OK);
  EXPECT_EQ(ok.buttons()[0].label, "OK");
  EXPECT_FALSE(ok.question_icon());
  EXPECT_EQ(ok.close_request(), IDOK);
}

TEST(MessageBoxLines, KeepBlanksAndWrapLongLines) {
  const auto width = [](const std::string& s) { return static_cast<int>(s.size()) * 6; };
  EXPECT_EQ(message_box_lines("Settare lo schermo intero?  ", 480, width),
            (std::vector<std::string>{"Settare lo schermo intero?  "}));
  EXPECT_EQ(message_box_lines("uno\r\ndue\n\ntre ", 480, width),
            (std::vector<std::string>{"uno", "due", "", "tre "}));
  EXPECT_EQ(message_box_lines("aaa bbb ccc", 48, width),
            (std::vector<std::string>{"aaa bbb ", "ccc"}));
  EXPECT_EQ(message_box_lines("abcdefghijkl", 30, width),
            (std::vector<std::string>{"abcde", "fghij", "kl"}));
}

TEST(MessageBoxWithoutDisplay, WritesCaptionAndTextToStandardErrorAndAnswersZero) {
  // In a fresh child process (no display connection inherited), with no
  // display to open.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        unsetenv("DISPLAY");
        std::exit(MessageBoxA(nullptr, "Settare lo schermo intero?  ", "Video!",
                              MB_YESNO | MB_ICONQUESTION));
      },
      ::testing::ExitedWithCode(0), "Video!: Settare lo schermo intero\\?  \n");
  EXPECT_EXIT(
      {
        unsetenv("DISPLAY");
        std::exit(MessageBoxA(nullptr, "non \xE8 stata", "Error", MB_OK) + 3);
      },
      ::testing::ExitedWithCode(3), "Error: non \xC3\xA8 stata");
}

}  // namespace
