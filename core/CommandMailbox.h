// The single-slot mailbox through which the screens hand the speaker's commands to the add-in.
// An unread command is overwritten by the next one. Only the presenter window's thread uses it.
#pragma once

#include <cstdint>
#include <string>

#include "DesignerTypes.h"

enum : int32_t {
  cmdNextBuild = 1,
  cmdPrevBuild = 2,
  cmdPrevSlide = 3,
  cmdNextSlide = 4,
  cmdExitSlideShow = 5,
  cmdLaunchSlot = 6,
  cmdBlank = 7,
  cmdUnblank = 8,
  cmdGoToSlide = 9,
  cmdShowNotes = 10,
  cmdHideNotes = 11,
  cmdExitPresenter = 12,
  cmdManageEmptySlot = 13,
  cmdBrowseCancel = 14,
  cmdBrowseOK = 15,
  cmdVolumeArrived = 16,
  cmdVolumeRemoved = 17,
  cmdManageFilledSlot = 18,
  cmdPrevKey = 19,
  cmdNextKey = 20,
  cmdPlayVideo = 21,
  cmdPauseVideo = 23,
  cmdReduceEmptySlots = 25,
};

extern TCommand CurrentCommand;

// Start values: nothing pending, Param1 0, a new empty Param2 cell.
void MailboxStart();
// Frees the Param2 cell, then releases the name.
void MailboxEnd();

// Posts a command whole: absent parameters become 0 and the empty string.
void SetCommand(const std::string& Name, int32_t Id, const int32_t* Param1 = nullptr,
                const std::string* Param2 = nullptr);

// Writes the pending id (0 when none) to id; when one was pending, also its name with its length,
// and consumes it. Returns -1 when a command was pending, else 0.
int32_t PollCommand(char* buffer, int32_t* len, int32_t* id);

// The last command's parameters, readable until the next post.
int32_t CommandParam1();
const std::string& CommandParam2();
