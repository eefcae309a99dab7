#include "platform/win32/win32_keystrokes.h"

#include <gtest/gtest.h>

#include "base/vb_error.h"
#include "platform/win32/windows_api.h"

namespace verbsmith {
namespace {

std::vector<KeyStroke> Press(unsigned short key) {
  return {{key, false}, {key, true}};
}

TEST(KeyStrokes, ModifiersHoldForOneKeyOrAGroup) {
  // The save of the environment's project: Alt held over F and V.
  EXPECT_EQ(KeyStrokesFor("%(FV)"),
            (std::vector<KeyStroke>{
                {VK_MENU, false}, {'F', false}, {'F', true}, {'V', false}, {'V', true}, {VK_MENU, true}}));
  std::vector<KeyStroke> expected{{VK_CONTROL, false}, {'S', false}, {'S', true}, {VK_CONTROL, true}};
  for (const KeyStroke& k : Press(VK_RETURN)) expected.push_back(k);
  for (const KeyStroke& k : Press(VK_F5)) expected.push_back(k);
  EXPECT_EQ(KeyStrokesFor("^s~{F5}"), expected);
}

TEST(KeyStrokes, AnUnreadableTextIsRefused) {
  for (const char* keys : {"%(FV", "FV)", "{NOSUCH}", "%", "{F13}", "!"}) {
    EXPECT_THROW(KeyStrokesFor(keys), VbError) << keys;
  }
}

}  // namespace
}  // namespace verbsmith
