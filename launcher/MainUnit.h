// The launcher's main window and its two runs. All the work happens in FormCreate, before the
// message loop: a presenter run, a module run, or nothing, in which case the small window shows
// until the user closes it.
#pragma once

#include <string>

#include "Form.h"

// Its own namespace: the presenter window (screens/MainUnit.h) is a TMainForm as well.
namespace launcher {

class TMainForm : public TForm {
 public:
  // Hidden; closing it ends the program.
  TMainForm();

  // Reads the command line (the arguments after the program name) and runs what it asks for.
  // Every run ends by asking the program to end; an unknown command line shows the window.
  void FormCreate(const std::string& commandLine);
};

}  // namespace launcher

// The presenter run: PowerPoint attached or started, the add-in's launch macro run, the end of
// the presenter awaited and tidied up. FileName may be empty.
void LaunchPresenter(const std::string& FileName);

// The module run: the module's presentation checked, the add-in's module macro run, no wait.
void LaunchDesignerModule(const std::string& ModuleFileName);
