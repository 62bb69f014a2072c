// The presenter window's decisions: where the work area lies, which keys step a presentation,
// and what a volume notice posts.
#pragma once

#include <cstdint>
#include <string>

struct TWorkArea {
  int Left, Top, Width, Height;
};
// The work area of width x height centred in a window of the monitor's size; the offsets are
// halved toward zero and negative where the monitor is the smaller.
TWorkArea CenteredWorkArea(int windowWidth, int windowHeight, int workWidth, int workHeight);

// The command a released key posts (cmdNextKey, cmdPrevKey), or 0. Keys count only with no
// Shift, Ctrl or Alt held.
int32_t SlideKeyCommand(uint16_t virtualKey, bool modifierHeld);

// The drive letter of the lowest of bits 0 to 25 set in a volume's unit mask; empty for none.
std::string DriveLetterFromMask(uint32_t unitMask);

// What a device-change notice posts: cmdVolumeArrived or cmdVolumeRemoved for a volume that
// arrived or went, else 0. headerSize is what the notice's header claims and available what the
// message's data holds; a header too short for a volume record posts nothing.
struct TVolumeNotice {
  int32_t Command = 0;
  std::string Letter;
};
constexpr uint32_t kDeviceArrival = 0x8000, kDeviceRemoveComplete = 0x8004, kDeviceTypeVolume = 2;
TVolumeNotice VolumeNoticeCommand(uint32_t event, bool haveHeader, uint32_t deviceType, bool haveVolumeRecord,
                                  uint32_t unitMask);
