// The add-in's readers of the command mailbox.
#include "CommandMailbox.h"
#include "ExportGuard.h"
#include "ExportStrings.h"

RUVO_EXPORT(int32_t) GetCommand(char* buffer, int32_t* len, int32_t* id) {
  RUVO_GUARDED(0, return PollCommand(buffer, len, id);)
}

RUVO_EXPORT(void) GetCommandParam1Int(int32_t* value) {
  RUVO_GUARDED(, if (value) *value = CommandParam1();)
}

RUVO_EXPORT(int32_t) GetCommandParam2String(char* buffer) {
  RUVO_GUARDED(0, return StringOut(CommandParam2(), buffer);)
}

// Param1 never holds a string, so its string view is always empty.
RUVO_EXPORT(int32_t) GetCommandParam1String(char* buffer) {
  RUVO_GUARDED(0, return StringOut(std::string(), buffer);)
}

// Param2 never holds an integer, so its integer view is always 0.
RUVO_EXPORT(void) GetCommandParam2Int(int32_t* value) {
  RUVO_GUARDED(, if (value) *value = 0;)
}
