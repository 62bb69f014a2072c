// Path rules on plain strings, in the Windows form (backslashes, drive letters, UNC shares).
#pragma once

#include <string>

// The module file name for a presentation: the same folder and name, extension ".ruvo".
std::string PPTToDMFileName(const std::string& fileName);

// DestName relative to the folder of BaseName; DestName unchanged when the drives differ.
std::string MakeRelativePath(const std::string& baseName, const std::string& destName);
