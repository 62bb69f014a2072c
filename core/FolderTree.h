// The entries of a folder list: the folder's parents from the root down, the folder itself, then
// its sub-folders one level deeper.
#pragma once

#include <string>
#include <vector>

struct TFolderEntry {
  std::string Caption;  // the root as "X:\", else the folder's own name
  std::string Path;     // full path: the root with its backslash, the others without one
  int Level = 0;        // 0 for the root
};

struct TFolderTree {
  std::vector<TFolderEntry> Entries;
  size_t Current = 0;  // the folder's own entry
};

// The folder is a full path ("G:\Talks\2024", with or without a closing backslash, or
// "\\server\share\..."); the sub-folders are names inside it. No entries for an empty folder.
TFolderTree BuildFolderTree(const std::string& folder, const std::vector<std::string>& subFolders);

// A name inside a folder: "G:\" + "a.ruvo" and "G:\Talks" + "a.ruvo" give one backslash between.
std::string JoinPath(const std::string& folder, const std::string& name);
