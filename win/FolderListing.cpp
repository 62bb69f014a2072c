#include "FolderListing.h"

#include <windows.h>

#include "DriveProbe.h"
#include "FileMask.h"
#include "FolderTree.h"
#include "OwnedHandle.h"

namespace {
struct TFindClose {
  static void Free(HANDLE h) { FindClose(h); }
};
}  // namespace

TFolderContent ReadFolder(const std::string& folder) {
  TFolderContent content;
  if (folder.empty()) return content;
  TNoDiskBoxes quiet;
  WIN32_FIND_DATAA found;
  HANDLE first = FindFirstFileA(JoinPath(folder, "*").c_str(), &found);
  if (first == INVALID_HANDLE_VALUE) return content;
  TOwnedHandle<HANDLE, TFindClose> search(first);
  do {
    std::string name = found.cFileName;
    if (name == "." || name == ".." || (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
      continue;
    (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? content.Folders : content.Files).push_back(name);
  } while (FindNextFileA(search.Get(), &found));
  SortNames(content.Files);
  SortNames(content.Folders);
  return content;
}

bool FolderExists(const std::string& folder) {
  if (folder.empty()) return false;
  TNoDiskBoxes quiet;
  DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
