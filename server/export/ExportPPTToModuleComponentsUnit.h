// The presentation export: a presentation open in PowerPoint into module files. PowerPoint renders
// each slide into a PNG through its automation interface; the export stores each picture into two
// modules in the temporary folder, shows its progress, and copies one of them next to the
// presentation when the drive has room.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <oaidl.h>

#include <string>

#include "ProgressStatusIntfUnit.h"

// Unit start and stop: OLE on the thread that loads the library, once per load.
void ExportPPTToModuleComponentsUnitStart();
void ExportPPTToModuleComponentsUnitEnd();

// Writes the temporary module and the temporary copy. A failure is shown in a message box; the
// module files it created and the slide picture are then removed and the result is false.
bool ExportHelper(IDispatch* presentation, const std::string& tempModule, const std::string& tempCopy,
                  IProgressStatus* progress) noexcept;

// Has PowerPoint export the slide as a PNG under a new slide-picture name in the temporary folder
// (never the name of a file already there) and returns that name. Raises, with no file left
// behind, when the export fails or leaves no picture.
std::string ExportSlidePicture(IDispatch* slide);

// Copies the file with progress; true only for a complete copy. A destination left incomplete is
// removed; one that could not be created is left alone.
bool CopyWithProgress(const std::string& source, const std::string& dest, IProgressStatus* progress);
