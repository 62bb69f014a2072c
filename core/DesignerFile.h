// The designer file's layout over an INI file: section "Settings" with the versions, then one
// section "Pres<n>" per slot, numbered from 0, keys in a fixed order.
#pragma once

#include "DesignerTypes.h"
#include "IniFile.h"

// Replaces the designer's keys one by one; whatever else the file holds stays. A key that cannot
// be written raises ERuvoError, and the keys before it stay written.
void WriteDesignerToIni(TCustomIniFile& ini, const TDesigner& designer);

// Missing keys read as versions 1 and 0, empty strings and thumbnail slide 1.
void ReadDesignerFromIni(TCustomIniFile& ini, TDesigner& designer);
