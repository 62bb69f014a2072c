// The files and sub-folders of a folder as the browser's lists show them: hidden and system
// entries left out, names sorted.
#pragma once

#include <string>
#include <vector>

struct TFolderContent {
  std::vector<std::string> Files, Folders;
};

// An empty content when the folder cannot be read (missing, no media, no access); no system
// box is shown.
TFolderContent ReadFolder(const std::string& folder);

// True when the path names a folder that is there now; no system box is shown.
bool FolderExists(const std::string& folder);
