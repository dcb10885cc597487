#include "edit/macro_tree.h"

#include <gtest/gtest.h>

#include "macro_test_util.h"

namespace corvane {
namespace {

using macro_test::TempFolder;

std::vector<std::string> Names(const TMacroTree& nodes) {
  std::vector<std::string> names;
  for (const TMacroNode& n : nodes) names.push_back(n.Name + (n.Folder ? "/" : ""));
  return names;
}

void Touch(const std::filesystem::path& file) { macro_test::WriteBytes(file, {0}); }

struct MacroTreeTest : ::testing::Test {
  void SetUp() override {
    for (const char* f : {"b.lmk", "A.LMK", ".hidden.lmk", "notes.txt", "sub/z.lmk", "sub/Deep/b.lmk",
                          ".git/x.lmk", "c.lmk.bak"})
      Touch(dir / f);
    std::filesystem::create_directories(dir / "empty");
    // A link back to the root must not make the scan endless.
    std::filesystem::create_directory_symlink(dir.Path(), dir / "sub" / "loop");
  }
  TempFolder dir;
};

TEST_F(MacroTreeTest, ScanTakesFoldersAndMacroFilesSorted) {
  const TMacroTree tree = BuildMacroTree(dir.Path());
  EXPECT_EQ(Names(tree), (std::vector<std::string>{"A.LMK", "b.lmk", "empty/", "sub/"}));
  EXPECT_TRUE(tree[2].Children.empty());
  EXPECT_EQ(Names(tree[3].Children), (std::vector<std::string>{"Deep/", "loop/", "z.lmk"}));
  EXPECT_EQ(Names(tree[3].Children[0].Children), (std::vector<std::string>{"b.lmk"}));
  EXPECT_TRUE(tree[3].Children[1].Children.empty());
}

TEST_F(MacroTreeTest, NodesGiveTheirFiles) {
  const TMacroTree tree = BuildMacroTree(dir.Path());
  EXPECT_EQ(MacroNodeFile(dir.Path(), tree, {3, 0, 0}), dir.Path() / "sub" / "Deep" / "b.lmk");
  EXPECT_EQ(MacroNodeAt(tree, {3, 2})->Name, "z.lmk");
  EXPECT_EQ(MacroNodeAt(tree, {3, 9}), nullptr);
  EXPECT_TRUE(MacroNodeFile(dir.Path(), tree, {7}).empty());
  EXPECT_TRUE(MacroNodeFile(dir.Path(), tree, {}).empty());
}

TEST_F(MacroTreeTest, FindsTheFirstNodeWithTheFileName) {
  const TMacroTree tree = BuildMacroTree(dir.Path());
  struct Case {
    std::string file;
    std::optional<TMacroNodePath> expected;
  } cases[] = {
      {"/elsewhere/B.LMK", TMacroNodePath{1}},  // the top-level b.lmk comes before sub/Deep/b.lmk
      {"z.lmk", TMacroNodePath{3, 2}},
      {"a.lmk", TMacroNodePath{0}},
      {"missing.lmk", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(FindMacroNode(tree, c.file), c.expected) << c.file;
}

TEST(MacroTree, MissingRootGivesAnEmptyTreeAndTheFallbackRoot) {
  TempFolder dir;
  EXPECT_TRUE(BuildMacroTree(dir / "nothing").empty());
  std::filesystem::create_directories(dir / "mine");
  EXPECT_EQ(MacroRootFolder((dir / "mine").string(), "/prog"), dir / "mine");
  EXPECT_EQ(MacroRootFolder((dir / "nothing").string(), "/prog"), std::filesystem::path("/prog/Makros"));
  EXPECT_EQ(MacroRootFolder("", "/prog"), std::filesystem::path("/prog/Makros"));
}

}  // namespace
}  // namespace corvane
