#include "CommandMailbox.h"

#include <memory>

#include "ExportStrings.h"

TCommand CurrentCommand;

namespace {
// The cell exists between start and end; a post or read outside that window still finds one.
std::string& Param2Cell() {
  if (!CurrentCommand.Param2) CurrentCommand.Param2 = std::make_unique<std::string>();
  return *CurrentCommand.Param2;
}
}  // namespace

void MailboxStart() {
  CurrentCommand.Id = 0;
  CurrentCommand.Flag1 = false;
  CurrentCommand.Flag2 = true;
  CurrentCommand.Param2 = std::make_unique<std::string>();
  CurrentCommand.Name.clear();
  CurrentCommand.Param1 = 0;
}

void MailboxEnd() {
  CurrentCommand.Param2.reset();
  std::string().swap(CurrentCommand.Name);
}

void SetCommand(const std::string& Name, int32_t Id, const int32_t* Param1, const std::string* Param2) {
  CurrentCommand.Name = Name;
  CurrentCommand.Id = Id;
  CurrentCommand.Param1 = Param1 ? *Param1 : 0;
  Param2Cell() = Param2 ? *Param2 : std::string();
}

int32_t PollCommand(char* buffer, int32_t* len, int32_t* id) {
  int32_t pending = CurrentCommand.Id;
  if (id) *id = pending;
  if (pending != 0) {
    int32_t n = StringOut(CurrentCommand.Name, buffer);
    if (len) *len = n;
  }
  CurrentCommand.Id = 0;
  return pending != 0 ? -1 : 0;
}

int32_t CommandParam1() { return CurrentCommand.Param1; }

const std::string& CommandParam2() { return Param2Cell(); }
