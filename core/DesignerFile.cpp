#include "DesignerFile.h"

namespace {
const char kSettings[] = "Settings";

std::string SlotSection(size_t position) { return "Pres" + std::to_string(position); }
}  // namespace

void WriteDesignerToIni(TCustomIniFile& ini, const TDesigner& designer) {
  ini.WriteInteger(kSettings, "MajorVersion", designer.MajorVersion);
  ini.WriteInteger(kSettings, "MinorVersion", designer.MinorVersion);
  for (size_t p = 0; p < designer.Presentations.size(); ++p) {
    const TDesignerPresentation& slot = designer.Presentations[p];
    std::string section = SlotSection(p);
    ini.WriteString(section, "PresentationFileName", slot.PresentationFileName);
    ini.WriteString(section, "ModuleFileName", slot.ModuleFileName);
    ini.WriteString(section, "SlideShowName", slot.SlideShowName);
    ini.WriteInteger(section, "ThumbnailSlide", slot.ThumbnailSlide);
  }
}

void ReadDesignerFromIni(TCustomIniFile& ini, TDesigner& designer) {
  designer.MajorVersion = ini.ReadInteger(kSettings, "MajorVersion", 1);
  designer.MinorVersion = ini.ReadInteger(kSettings, "MinorVersion", 0);
  for (size_t p = 0; p < designer.Presentations.size(); ++p) {
    TDesignerPresentation& slot = designer.Presentations[p];
    std::string section = SlotSection(p);
    slot.PresentationFileName = ini.ReadString(section, "PresentationFileName", "");
    slot.ModuleFileName = ini.ReadString(section, "ModuleFileName", "");
    slot.SlideShowName = ini.ReadString(section, "SlideShowName", "");
    slot.ThumbnailSlide = ini.ReadInteger(section, "ThumbnailSlide", 1);
  }
}
