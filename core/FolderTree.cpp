#include "FolderTree.h"

TFolderTree BuildFolderTree(const std::string& folder, const std::vector<std::string>& subFolders) {
  TFolderTree tree;
  if (folder.empty()) return tree;
  // The root: "X:\", or "\\server\share\" for a network folder.
  size_t rootEnd = folder.find('\\');
  if (folder.size() >= 2 && folder[0] == '\\' && folder[1] == '\\') {
    size_t share = folder.find('\\', 2);
    rootEnd = share == std::string::npos ? std::string::npos : folder.find('\\', share + 1);
  }
  std::string root = rootEnd == std::string::npos ? folder + "\\" : folder.substr(0, rootEnd + 1);
  tree.Entries.push_back({root, root, 0});
  std::string path = root;
  int level = 0;
  for (size_t at = root.size(); at < folder.size();) {
    size_t end = folder.find('\\', at);
    if (end == std::string::npos) end = folder.size();
    if (end > at) {
      std::string name = folder.substr(at, end - at);
      path = JoinPath(path, name);
      tree.Entries.push_back({name, path, ++level});
    }
    at = end + 1;
  }
  tree.Current = tree.Entries.size() - 1;
  for (const std::string& name : subFolders) tree.Entries.push_back({name, JoinPath(path, name), level + 1});
  return tree;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}
