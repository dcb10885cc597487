#include "edit/macro_tree.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <system_error>

#include "io/macro_file.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool AlphabeticalBefore(const TMacroNode& a, const TMacroNode& b) {
  const std::string la = Lower(a.Name), lb = Lower(b.Name);
  return la != lb ? la < lb : a.Name < b.Name;
}

// `visited` holds the canonical folders already scanned, so links that lead
// back up the tree cannot make the scan endless.
void ScanFolder(const fs::path& folder, TMacroTree& nodes, std::set<fs::path>& visited) {
  std::error_code ec;
  const fs::path canonical = fs::canonical(folder, ec);
  if (ec || !visited.insert(canonical).second) return;
  fs::directory_iterator it(folder, ec);
  if (ec) return;
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    const fs::path& entry = it->path();
    const std::string name = entry.filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code kind;
    if (it->is_directory(kind)) {
      TMacroNode node;
      node.Name = name;
      node.Folder = true;
      ScanFolder(entry, node.Children, visited);
      nodes.push_back(std::move(node));
    } else if (!kind && Lower(entry.extension().string()) == kMacroExtension) {
      nodes.push_back(TMacroNode{name, false, {}});
    }
  }
  std::sort(nodes.begin(), nodes.end(), AlphabeticalBefore);
}

bool Find(const TMacroTree& nodes, const std::string& name, TMacroNodePath& path) {
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    path.push_back(i);
    if (Lower(nodes[i].Name) == name || Find(nodes[i].Children, name, path)) return true;
    path.pop_back();
  }
  return false;
}

}  // namespace

fs::path MacroRootFolder(const std::string& setting, const fs::path& programFolder) {
  std::error_code ec;
  if (!setting.empty() && fs::is_directory(setting, ec)) return setting;
  return programFolder / "Makros";
}

TMacroTree BuildMacroTree(const fs::path& root) {
  TMacroTree tree;
  std::set<fs::path> visited;
  ScanFolder(root, tree, visited);
  return tree;
}

const TMacroNode* MacroNodeAt(const TMacroTree& tree, const TMacroNodePath& path) {
  const TMacroTree* level = &tree;
  const TMacroNode* node = nullptr;
  for (std::size_t i : path) {
    if (i >= level->size()) return nullptr;
    node = &(*level)[i];
    level = &node->Children;
  }
  return node;
}

fs::path MacroNodeFile(const fs::path& root, const TMacroTree& tree, const TMacroNodePath& path) {
  fs::path file = root;
  const TMacroTree* level = &tree;
  for (std::size_t i : path) {
    if (i >= level->size()) return {};
    file /= (*level)[i].Name;
    level = &(*level)[i].Children;
  }
  return path.empty() ? fs::path() : file;
}

std::optional<TMacroNodePath> FindMacroNode(const TMacroTree& tree, const fs::path& file) {
  TMacroNodePath path;
  if (Find(tree, Lower(file.filename().string()), path)) return path;
  return std::nullopt;
}

}  // namespace corvane
