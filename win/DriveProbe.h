// What the drives answer, asked so that a drive without media never raises the system's "no
// disk" box nor waits on the speaker.
#pragma once

#include <windows.h>

#include <string>

// Switches the system's critical-error boxes off for the calling process while it lives, and
// puts the previous mode back.
class TNoDiskBoxes {
 public:
  TNoDiskBoxes();
  ~TNoDiskBoxes();
  TNoDiskBoxes(const TNoDiskBoxes&) = delete;
  TNoDiskBoxes& operator=(const TNoDiskBoxes&) = delete;

 private:
  UINT old_;
};

// The letters of the drives that exist now, in lower case and in order.
std::string ExistingDriveLetters();
// GetDriveType of the drive's root (DRIVE_REMOVABLE, DRIVE_FIXED, ...).
unsigned DriveTypeOf(char letter);
// True when a free-space query on the drive's root succeeds: the drive is ready.
bool DriveAnswers(char letter);
// The volume label of a fixed drive; empty for other drives and when there is none.
std::string FixedDriveLabel(char letter);
// The lower-case letter of the process's current folder's drive; 0 when it has none.
char CurrentDriveLetter();
