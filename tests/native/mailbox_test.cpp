#include <gtest/gtest.h>

#include <cstring>

#include "CommandMailbox.h"

namespace {

class Mailbox : public ::testing::Test {
 protected:
  void SetUp() override { MailboxStart(); }
  void TearDown() override { MailboxEnd(); }

  struct TPoll {
    int32_t result, id, len;
    std::string text;
  };
  // Buffer and Len start as "untouched" markers.
  static TPoll Poll() {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    buffer[63] = '\0';
    TPoll p{0, -7, -7, ""};
    p.result = PollCommand(buffer, &p.len, &p.id);
    p.text = buffer;
    return p;
  }
};

}  // namespace

TEST_F(Mailbox, StartValues) {
  EXPECT_EQ(CurrentCommand.Id, 0);
  EXPECT_FALSE(CurrentCommand.Flag1);
  EXPECT_TRUE(CurrentCommand.Flag2);
  ASSERT_TRUE(CurrentCommand.Param2);
  EXPECT_EQ(CommandParam1(), 0);
  EXPECT_EQ(CommandParam2(), "");
}

TEST_F(Mailbox, NothingPendingLeavesBufferAndLength) {
  TPoll p = Poll();
  EXPECT_EQ(p.result, 0);
  EXPECT_EQ(p.id, 0);
  EXPECT_EQ(p.len, -7);
  EXPECT_EQ(p.text, std::string(63, '#'));
}

TEST_F(Mailbox, PollConsumesOnlyTheId) {
  int32_t slide = 42;
  std::string path = "C:\\Talks\\deck.ppt";
  SetCommand("Deck", cmdGoToSlide, &slide, &path);
  TPoll first = Poll();
  EXPECT_EQ(first.result, -1);
  EXPECT_EQ(first.id, cmdGoToSlide);
  EXPECT_EQ(first.text, "Deck");
  EXPECT_EQ(first.len, 4);
  TPoll second = Poll();
  EXPECT_EQ(second.result, 0);
  EXPECT_EQ(second.id, 0);
  EXPECT_EQ(second.len, -7);
  // The parameters outlive the poll, for any number of reads.
  EXPECT_EQ(CommandParam1(), 42);
  EXPECT_EQ(CommandParam1(), 42);
  EXPECT_EQ(CommandParam2(), path);
  EXPECT_EQ(CurrentCommand.Name, "Deck");
}

TEST_F(Mailbox, NewerCommandReplacesTheUnreadOneWhole) {
  int32_t slot = 3;
  std::string path = "D:\\x.ruvo";
  SetCommand("", cmdManageEmptySlot, &slot, &path);
  SetCommand("Second", cmdNextSlide);
  TPoll p = Poll();
  EXPECT_EQ(p.id, cmdNextSlide);
  EXPECT_EQ(p.text, "Second");
  EXPECT_EQ(CommandParam1(), 0);
  EXPECT_EQ(CommandParam2(), "");
  EXPECT_FALSE(CurrentCommand.Flag1);
  EXPECT_TRUE(CurrentCommand.Flag2);
}

TEST_F(Mailbox, EmptyNameWritesJustTheTerminator) {
  SetCommand("", cmdExitPresenter);
  TPoll p = Poll();
  EXPECT_EQ(p.result, -1);
  EXPECT_EQ(p.id, cmdExitPresenter);
  EXPECT_EQ(p.len, 0);
  EXPECT_EQ(p.text, "");
}

TEST_F(Mailbox, NullOutputsAreSkipped) {
  SetCommand("Deck", cmdBlank);
  int32_t id = 0;
  EXPECT_EQ(PollCommand(nullptr, nullptr, &id), -1);
  EXPECT_EQ(id, cmdBlank);
  EXPECT_EQ(PollCommand(nullptr, nullptr, nullptr), 0);
}

TEST_F(Mailbox, EndThenStartAgainBeginsFresh) {
  int32_t slide = 5;
  std::string text = "volume";
  SetCommand("Deck", cmdGoToSlide, &slide, &text);
  MailboxEnd();
  EXPECT_FALSE(CurrentCommand.Param2);
  EXPECT_EQ(CommandParam2(), "");  // a read after the end still finds an empty cell
  MailboxStart();
  EXPECT_EQ(Poll().id, 0);
  EXPECT_EQ(CommandParam1(), 0);
  EXPECT_EQ(CommandParam2(), "");
}
