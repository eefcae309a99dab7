#include "platform/posix/registry_tree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace verbsmith {
namespace {

using ::testing::ElementsAre;

RegistryNode& Add(RegistryNode& parent, const std::string& name) {
  return parent.AddChild(name, FoldRegistryName(name));
}

std::vector<std::string> Names(const RegistryNode& node) {
  std::vector<std::string> names;
  for (const RegistryNode* child : node.SortedChildren()) names.push_back(child->Name());
  return names;
}

class RegistryNameFoldingTest : public ::testing::Test {};

TEST_F(RegistryNameFoldingTest, UpperCasesAsciiAndEuropeanLettersAndCopiesMalformedBytes) {
  EXPECT_EQ(FoldRegistryName("Software\\Classes"), "SOFTWARE\\CLASSES");
  EXPECT_EQ(FoldRegistryName("caf\xC3\xA9 \xC3\xBF \xC5\x93 \xCE\xB1 \xD0\xB6 \xD1\x91"),
            "CAF\xC3\x89 \xC5\xB8 \xC5\x92 \xCE\x91 \xD0\x96 \xD0\x81");
  EXPECT_EQ(FoldRegistryName("a\xC3"), "A\xC3");
  EXPECT_EQ(FoldRegistryName("\xFF\x80z"), "\xFF\x80Z");
}

class RegistryNodeTest : public ::testing::Test {
 protected:
  RegistryNode root_;
};

TEST_F(RegistryNodeTest, FindsSubkeysAndValuesByFoldedNameKeepingTheFirstKeySpelling) {
  Add(root_, "Clsid");
  EXPECT_EQ(&Add(root_, "CLSID"), root_.FindChild("CLSID"));
  EXPECT_EQ(root_.ChildCount(), 1u);
  EXPECT_EQ(root_.FindChild("CLSID")->Name(), "Clsid");
  EXPECT_EQ(root_.FindChild("clsid"), nullptr);  // lookups take folded names
  // Values too: the later of one folded name replaces the earlier.
  root_.SetValue("PATH", RegistryValue{"Path", regtype::kString, "one"});
  root_.SetValue("PATH", RegistryValue{"PATH", regtype::kExpandString, "two"});
  EXPECT_EQ(root_.ValueCount(), 1u);
  EXPECT_EQ(root_.FindValue("PATH")->data, "two");
  EXPECT_TRUE(root_.RemoveValue("PATH"));
  EXPECT_EQ(root_.FindValue("PATH"), nullptr);
}

TEST_F(RegistryNodeTest, KeepsThousandsOfSubkeysThroughRemovalsAndReAdditions) {
  for (int i = 0; i < 5000; ++i) Add(root_, "Key" + std::to_string(i));
  for (int i = 0; i < 5000; i += 2)
    EXPECT_TRUE(root_.RemoveChild(FoldRegistryName("Key" + std::to_string(i))));
  EXPECT_FALSE(root_.RemoveChild("KEY0"));
  EXPECT_EQ(root_.ChildCount(), 2500u);
  for (int i = 0; i < 5000; ++i) {
    EXPECT_EQ(root_.FindChild(FoldRegistryName("Key" + std::to_string(i))) != nullptr, i % 2 == 1) << i;
  }
  // Slots freed by removals are used again without losing anybody.
  for (int round = 0; round < 20; ++round) {
    Add(root_, "Churn");
    EXPECT_TRUE(root_.RemoveChild("CHURN"));
  }
  Add(root_, "Key0");
  EXPECT_EQ(root_.ChildCount(), 2501u);
  EXPECT_NE(root_.FindChild("KEY4999"), nullptr);
}

TEST_F(RegistryNodeTest, ListsSubkeysByUpperCasedName) {
  Add(root_, "b_key");
  Add(root_, "Zeta");
  Add(root_, "alpha");
  Add(root_, "B");
  // '_' sorts after the upper-case letters, as Windows orders names.
  EXPECT_THAT(Names(root_), ElementsAre("alpha", "B", "b_key", "Zeta"));
  root_.RemoveChild("ZETA");
  Add(root_, "a");
  EXPECT_THAT(Names(root_), ElementsAre("a", "alpha", "B", "b_key"));
}

TEST_F(RegistryNodeTest, MergesAnotherTreeWithItsKeysAndValuesWinning) {
  RegistryNode& mine = Add(root_, "Shared");
  mine.SetValue("", RegistryValue{"", regtype::kString, "mine"});
  mine.SetValue("KEPT", RegistryValue{"Kept", regtype::kString, "kept"});
  Add(mine, "OnlyMine");

  RegistryNode other;
  RegistryNode& theirs = Add(other, "SHARED");
  theirs.SetValue("", RegistryValue{"", regtype::kString, "theirs"});
  Add(theirs, "OnlyTheirs");
  Add(other, "New");

  root_.MergeFrom(std::move(other));
  EXPECT_THAT(Names(root_), ElementsAre("New", "Shared"));
  const RegistryNode* shared = root_.FindChild("SHARED");
  EXPECT_EQ(shared->FindValue("")->data, "theirs");
  EXPECT_EQ(shared->FindValue("KEPT")->data, "kept");
  EXPECT_THAT(Names(*shared), ElementsAre("OnlyMine", "OnlyTheirs"));
  EXPECT_EQ(other.ChildCount(), 0u);
}

}  // namespace
}  // namespace verbsmith
