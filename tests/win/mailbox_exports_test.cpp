// The mailbox as the add-in reads it. The DLL keeps its own mailbox, which nothing can post to
// from outside, so its start values are checked through the DLL; posting and reading are checked
// on the readers linked into this program, which share the mailbox with SetCommand here.
#include <gtest/gtest.h>

#include <cstring>

#include "AddIn.h"
#include "CommandMailbox.h"

extern "C" {
int32_t __stdcall GetCommand(char* buffer, int32_t* len, int32_t* id);
void __stdcall GetCommandParam1Int(int32_t* value);
int32_t __stdcall GetCommandParam2String(char* buffer);
int32_t __stdcall GetCommandParam1String(char* buffer);
void __stdcall GetCommandParam2Int(int32_t* value);
}

namespace {

struct TMailboxApi {
  decltype(&::GetCommand) Get;
  decltype(&::GetCommandParam1Int) Param1Int;
  decltype(&::GetCommandParam2String) Param2String;
  decltype(&::GetCommandParam1String) Param1String;
  decltype(&::GetCommandParam2Int) Param2Int;
};

TMailboxApi Linked() {
  return {::GetCommand, ::GetCommandParam1Int, ::GetCommandParam2String, ::GetCommandParam1String,
          ::GetCommandParam2Int};
}

TMailboxApi Loaded(const TAddIn& a) {
  return {a.Fn<decltype(&::GetCommand)>("GetCommand"), a.Fn<decltype(&::GetCommandParam1Int)>("GetCommandParam1Int"),
          a.Fn<decltype(&::GetCommandParam2String)>("GetCommandParam2String"),
          a.Fn<decltype(&::GetCommandParam1String)>("GetCommandParam1String"),
          a.Fn<decltype(&::GetCommandParam2Int)>("GetCommandParam2Int")};
}

struct TPoll {
  int32_t result, id, len;
  std::string text;
};

// Buffer and Len start out as markers, so that "untouched" can be seen.
TPoll Poll(const TMailboxApi& api) {
  char buffer[64];
  std::memset(buffer, '#', sizeof buffer);
  buffer[63] = '\0';
  TPoll p{0, -7, -7, ""};
  p.result = api.Get(buffer, &p.len, &p.id);
  p.text = buffer;
  return p;
}

const std::string kUntouched(63, '#');

void ExpectNoParameters(const TMailboxApi& api) {
  int32_t value = -7;
  api.Param1Int(&value);
  EXPECT_EQ(value, 0);
  char buffer[16] = "untouched";
  EXPECT_EQ(api.Param2String(buffer), 0);
  EXPECT_STREQ(buffer, "");
}

class LinkedMailbox : public ::testing::Test {
 protected:
  void SetUp() override { MailboxStart(); }
  void TearDown() override { MailboxEnd(); }
  TMailboxApi api = Linked();
};

}  // namespace

TEST(DllMailbox, StartsEmptyAndStaysSo) {
  TAddIn addIn;
  TMailboxApi api = Loaded(addIn);
  for (int round = 0; round < 2; ++round) {
    TPoll p = Poll(api);
    EXPECT_EQ(p.result, 0);
    EXPECT_EQ(p.id, 0);
    EXPECT_EQ(p.len, -7);
    EXPECT_EQ(p.text, kUntouched);
  }
  ExpectNoParameters(api);
  char buffer[16] = "untouched";
  EXPECT_EQ(api.Param1String(buffer), 0);
  EXPECT_STREQ(buffer, "");
  int32_t value = -7;
  api.Param2Int(&value);
  EXPECT_EQ(value, 0);
}

// The edge cases themselves are covered by the native tests; here the exports' mapping onto them.
TEST_F(LinkedMailbox, ReadersThroughTheExports) {
  TPoll idle = Poll(api);
  EXPECT_EQ(idle.result, 0);
  EXPECT_EQ(idle.id, 0);
  EXPECT_EQ(idle.len, -7);
  EXPECT_EQ(idle.text, kUntouched);

  int32_t slide = 9;
  SetCommand("Deck One", cmdGoToSlide, &slide);
  TPoll first = Poll(api);
  EXPECT_EQ(first.result, -1);
  EXPECT_EQ(first.id, cmdGoToSlide);
  EXPECT_EQ(first.len, 8);
  EXPECT_EQ(first.text, "Deck One");
  EXPECT_EQ(Poll(api).id, 0);
  int32_t value = -7;
  api.Param1Int(&value);
  EXPECT_EQ(value, 9);

  std::string path = "D:\\Modules\\talk.ruvo";
  SetCommand("", cmdBrowseOK, nullptr, &path);
  TPoll browse = Poll(api);
  EXPECT_EQ(browse.result, -1);
  EXPECT_EQ(browse.len, 0);
  EXPECT_EQ(browse.text, "");
  char buffer[64];
  EXPECT_EQ(api.Param2String(buffer), int32_t(path.size()));
  EXPECT_EQ(buffer, path);
  value = -7;
  api.Param1Int(&value);
  EXPECT_EQ(value, 0);
  // The other views of the parameters carry nothing.
  std::strcpy(buffer, "untouched");
  EXPECT_EQ(api.Param1String(buffer), 0);
  EXPECT_STREQ(buffer, "");
  value = -7;
  api.Param2Int(&value);
  EXPECT_EQ(value, 0);
}
