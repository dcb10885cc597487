#pragma once
// The macro library as a tree: folders and .lmk files under the macro root.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

struct TMacroNode {
  std::string Name;  // the folder or file name as shown (file names with their extension)
  bool Folder = false;
  std::vector<TMacroNode> Children;  // folders only
};

using TMacroTree = std::vector<TMacroNode>;
// A node given by the index of each ancestor and of itself, from the top.
using TMacroNodePath = std::vector<std::size_t>;

// The macro root: the folder of the setting when it exists, else the
// program folder's "Makros".
std::filesystem::path MacroRootFolder(const std::string& setting, const std::filesystem::path& programFolder);

// Scans the root: every entry whose name does not start with "." is taken, a
// folder as a node with its own entries, a file whose extension in lower case
// is ".lmk" as a leaf. Every level is sorted alphabetically without regard to
// case. Unreadable entries are skipped; a folder reached twice through links
// is not entered again. A root that does not exist gives an empty tree.
TMacroTree BuildMacroTree(const std::filesystem::path& root);

// The node at `path`, or nullptr when the path leads outside the tree.
const TMacroNode* MacroNodeAt(const TMacroTree& tree, const TMacroNodePath& path);

// The file of a node: the root, the names of its ancestors and its own name,
// joined with the platform's separator. Empty when the path is not in the tree.
std::filesystem::path MacroNodeFile(const std::filesystem::path& root, const TMacroTree& tree,
                                    const TMacroNodePath& path);

// The first node in tree order (each node before its children, siblings in
// order) whose name equals the file name of `file` without its folder,
// compared without regard to case.
std::optional<TMacroNodePath> FindMacroNode(const TMacroTree& tree, const std::filesystem::path& file);

}  // namespace corvane
