// The names and decisions of the presentation export that need no operating system: the module
// names, the slide picture names, the status lines, what each module stores as the presentation's
// path, and whether the presentation's drive has room for the copy.
#pragma once

#include <cstdint>
#include <string>

struct TExportNames {
  std::string Target;      // next to the presentation: folder + base name + ".ruvo"
  std::string TempModule;  // temporary folder + base name + ".ruvo"; stays there
  std::string TempCopy;    // temporary folder + base name + ".1.ruvo"; copied to Target
};

// tempFolder ends in a backslash.
TExportNames MakeExportNames(const std::string& pptFileName, const std::string& tempFolder);

// One slide's picture: "%sruvo%d.png" with the temporary folder and n.
std::string SlidePictureName(const std::string& tempFolder, int n);

std::string ExportingStatusText(const std::string& pptFileName, const TExportNames& names);
std::string CopyingStatusText(const TExportNames& names);

// The temporary module names the presentation relative to its own folder (its full path when it
// lies on another drive); the copy, which will lie next to the presentation, by its bare name.
std::string TempModulePresentationPath(const std::string& tempModule, const std::string& fullName);
std::string TempCopyPresentationPath(const std::string& fullName);

// The copy's size cut down to whole kilobytes must be strictly less than the free bytes; free
// space that could not be determined counts as 0.
bool RoomForCopy(int64_t copySize, int64_t freeBytes);
