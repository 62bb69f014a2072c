// Path rules on plain strings, in the Windows form (backslashes, drive letters, UNC shares).
#pragma once

#include <string>

// The part after the last backslash or colon; the whole name when it has neither.
std::string ExtractFileName(const std::string& name);
// The part up to and including the last backslash or colon; empty when it has neither.
std::string ExtractFilePath(const std::string& name);
// The name without the extension of its file-name part (from that part's last dot on).
std::string StripExtension(const std::string& name);

// The module file name for a presentation: the same folder and name, extension ".ruvo".
std::string PPTToDMFileName(const std::string& fileName);

// DestName relative to the folder of BaseName; DestName unchanged when the drives differ.
std::string MakeRelativePath(const std::string& baseName, const std::string& destName);

// A path stored relative to a file (a module's presentation path), made usable: a relative path,
// a bare file name too, joins BaseName's folder; a path from the root (\Talks\deck.ppt) takes
// BaseName's drive; a path with a drive or share stays as it is.
std::string ResolveRelativePath(const std::string& baseName, const std::string& path);
