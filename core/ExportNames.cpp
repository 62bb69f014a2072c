#include "ExportNames.h"

#include "PathRules.h"
#include "RuvoError.h"

TExportNames MakeExportNames(const std::string& pptFileName, const std::string& tempFolder) {
  std::string base = StripExtension(ExtractFileName(pptFileName));
  return {ExtractFilePath(pptFileName) + base + ".ruvo", tempFolder + base + ".ruvo", tempFolder + base + ".1.ruvo"};
}

std::string SlidePictureName(const std::string& tempFolder, int n) {
  return Format("%sruvo%d.png", tempFolder.c_str(), n);
}

std::string ExportingStatusText(const std::string& pptFileName, const TExportNames& names) {
  return Format("Status: Exporting \"%s\" to \"%s\".", ExtractFileName(pptFileName).c_str(),
                ExtractFileName(names.Target).c_str());
}

std::string CopyingStatusText(const TExportNames& names) {
  return Format("Status: Copying \"%s\" from \"%s\" to \"%s\".", ExtractFileName(names.TempCopy).c_str(),
                ExtractFilePath(names.TempCopy).c_str(), ExtractFilePath(names.Target).c_str());
}

std::string TempModulePresentationPath(const std::string& tempModule, const std::string& fullName) {
  return MakeRelativePath(tempModule, fullName);
}

std::string TempCopyPresentationPath(const std::string& fullName) { return ExtractFileName(fullName); }

bool RoomForCopy(int64_t copySize, int64_t freeBytes) { return (copySize / 1024) * 1024 < freeBytes; }
