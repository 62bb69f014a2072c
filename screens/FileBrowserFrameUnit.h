// The file browser: the presenter window's screen for choosing a module or a presentation file
// from the speaker's drives. So far an empty screen of its size and colour.
#pragma once

#include <string>

#include "Frame.h"

class TFileBrowserFrame : public TFrame {
 public:
  TFileBrowserFrame();
  // Reads the drives anew.
  void RefreshDrives() {}
  // The selected file's full path; empty when no file is selected.
  std::string SelectedPath() const { return std::string(); }
};
