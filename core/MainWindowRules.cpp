#include "MainWindowRules.h"

#include "CommandMailbox.h"

TWorkArea CenteredWorkArea(int windowWidth, int windowHeight, int workWidth, int workHeight) {
  // C++ division truncates toward zero, as the layout wants for negative differences too.
  return {(windowWidth - workWidth) / 2, (windowHeight - workHeight) / 2, workWidth, workHeight};
}

int32_t SlideKeyCommand(uint16_t key, bool modifierHeld) {
  if (modifierHeld) return 0;
  switch (key) {
    case 13:
    case 32:
    case 34:
    case 39:
    case 40:
    case 78:
    case 110:
      return cmdNextKey;
    case 8:
    case 33:
    case 37:
    case 38:
    case 80:
    case 112:
      return cmdPrevKey;
  }
  return 0;
}

std::string DriveLetterFromMask(uint32_t unitMask) {
  for (int i = 0; i < 26; ++i)
    if (unitMask & (1u << i)) return std::string(1, char('A' + i));
  return std::string();
}

TVolumeNotice VolumeNoticeCommand(uint32_t event, bool haveHeader, uint32_t deviceType, bool haveVolumeRecord,
                                  uint32_t unitMask) {
  TVolumeNotice n;
  if (event != kDeviceArrival && event != kDeviceRemoveComplete) return n;
  if (!haveHeader || deviceType != kDeviceTypeVolume || !haveVolumeRecord) return n;
  n.Command = event == kDeviceArrival ? cmdVolumeArrived : cmdVolumeRemoved;
  n.Letter = DriveLetterFromMask(unitMask);
  return n;
}
