// The add-in's readers of the command mailbox.
#include "CommandMailbox.h"
#include "ExportGuard.h"
#include "ExportStrings.h"
#include "RuvoServerExports.h"

RUVO_EXPORT(int32_t) GetCommand(char* buffer, int32_t* len, int32_t* id) noexcept {
  try {
    return PollCommand(buffer, len, id);
  }
  RUVO_CATCH(0)
}

RUVO_EXPORT(void) GetCommandParam1Int(int32_t* value) noexcept {
  try {
    if (value) *value = CommandParam1();
  }
  RUVO_CATCH()
}

RUVO_EXPORT(int32_t) GetCommandParam2String(char* buffer) noexcept {
  try {
    return StringOut(CommandParam2(), buffer);
  }
  RUVO_CATCH(0)
}

// Param1 never holds a string, so its string view is always empty.
RUVO_EXPORT(int32_t) GetCommandParam1String(char* buffer) noexcept {
  try {
    return StringOut(std::string(), buffer);
  }
  RUVO_CATCH(0)
}

// Param2 never holds an integer, so its integer view is always 0.
RUVO_EXPORT(void) GetCommandParam2Int(int32_t* value) noexcept {
  try {
    if (value) *value = 0;
  }
  RUVO_CATCH()
}
