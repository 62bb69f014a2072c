// The copy loop of the export's copy next to the presentation, with a progress object that
// records what it was told.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "RuvoError.h"
#include "StreamCopy.h"

namespace {

struct TRecordingProgress : TCopyProgress {
  int32_t max = -1;
  std::vector<int32_t> positions;
  int messageRuns = 0;
  void SetParams(int32_t position, int32_t min, int32_t max_) override {
    EXPECT_EQ(position, 0);
    EXPECT_EQ(min, 0);
    max = max_;
  }
  void SetPosition(int32_t position) override { positions.push_back(position); }
  void ProcessMessages() override { ++messageRuns; }
};

// A destination that takes at most `room` bytes, then fails as a full disk does.
class TFullDisk : public TMemoryStream {
 public:
  explicit TFullDisk(size_t room) : room_(room) {}
  void Write(const void* buf, size_t n) override {
    size_t fits = std::min(n, room_ - std::min<size_t>(room_, size_t(Position())));
    TMemoryStream::Write(buf, fits);
    if (fits < n) throw ERuvoError("There is not enough space on the disk");
  }

 private:
  size_t room_;
};

// A source that claims more bytes than it delivers, as a read that fails half way does.
class TFailingRead : public TStream {
 public:
  explicit TFailingRead(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}
  size_t Read(void* buf, size_t n) override { return data_.Read(buf, n); }
  void Write(const void*, size_t) override {}
  void Seek(int64_t pos) override { data_.Seek(pos); }
  int64_t Position() const override { return data_.Position(); }
  int64_t Size() const override { return data_.Size() + 1000; }
  std::string Name() const override { return "failing"; }

 private:
  TMemoryStream data_;
};

// A source of `size` zero bytes that holds none of them.
class THugeSource : public TStream {
 public:
  explicit THugeSource(int64_t size) : size_(size) {}
  size_t Read(void*, size_t n) override {
    size_t got = size_t(std::min<int64_t>(int64_t(n), size_ - pos_));
    pos_ += int64_t(got);
    return got;
  }
  void Write(const void*, size_t) override {}
  void Seek(int64_t pos) override { pos_ = pos; }
  int64_t Position() const override { return pos_; }
  int64_t Size() const override { return size_; }
  std::string Name() const override { return "huge"; }

 private:
  int64_t size_, pos_ = 0;
};

class TCountingSink : public TStream {
 public:
  size_t Read(void*, size_t) override { return 0; }
  void Write(const void*, size_t n) override { pos_ += int64_t(n); }
  void Seek(int64_t pos) override { pos_ = pos; }
  int64_t Position() const override { return pos_; }
  int64_t Size() const override { return pos_; }
  std::string Name() const override { return "sink"; }

 private:
  int64_t pos_ = 0;
};

std::vector<uint8_t> Bytes(size_t n) {
  std::vector<uint8_t> b(n);
  for (size_t i = 0; i < n; ++i) b[i] = uint8_t(i * 31 + i / 251);
  return b;
}

}  // namespace

TEST(StreamCopy, PositionsCountEachByteReadAndWritten) {
  const struct {
    size_t size;
    std::vector<int32_t> positions;
  } cases[] = {
      {0, {0}},
      {1, {1, 2, 2}},
      {kCopyBlockSize, {102400, 204800, 204800}},
      {250000, {102400, 204800, 307200, 409600, 454800, 500000, 500000}},
  };
  for (const auto& c : cases) {
    TMemoryStream source(Bytes(c.size)), dest;
    TRecordingProgress progress;
    EXPECT_TRUE(CopyStreamWithProgress(source, dest, progress)) << c.size;
    EXPECT_EQ(progress.max, int32_t(2 * c.size)) << c.size;
    EXPECT_EQ(progress.positions, c.positions) << c.size;
    EXPECT_EQ(dest.Bytes(), source.Bytes()) << c.size;
    // Messages run around every read and every write.
    EXPECT_EQ(progress.messageRuns, int(2 * c.positions.size())) << c.size;
  }
}

TEST(StreamCopy, ShortWritesAndReadsAreNotComplete) {
  {
    TMemoryStream source(Bytes(250000));
    TFullDisk dest(150000);
    TRecordingProgress progress;
    EXPECT_FALSE(CopyStreamWithProgress(source, dest, progress));
    // The second block is written short and the copy stops there.
    EXPECT_EQ(progress.positions, (std::vector<int32_t>{102400, 204800, 307200, 354800}));
  }
  {
    TMemoryStream source(Bytes(100));
    TFullDisk full(0);
    TRecordingProgress progress;
    EXPECT_FALSE(CopyStreamWithProgress(source, full, progress));
    EXPECT_EQ(progress.positions, (std::vector<int32_t>{100, 100}));
  }
  {
    TFailingRead source(Bytes(5000));
    TMemoryStream dest;
    TRecordingProgress progress;
    EXPECT_FALSE(CopyStreamWithProgress(source, dest, progress));
  }
}

TEST(StreamCopy, RangeBeyondThirtyOneBitsIsScaledAndEndsAtItsMaximum) {
  THugeSource source(int64_t(3) << 30);  // 3 GiB: twice that overflows 32 bits
  TCountingSink dest;
  TRecordingProgress progress;
  EXPECT_TRUE(CopyStreamWithProgress(source, dest, progress));
  EXPECT_GT(progress.max, std::numeric_limits<int32_t>::max() / 2);
  EXPECT_EQ(progress.positions.back(), progress.max);
  EXPECT_TRUE(std::is_sorted(progress.positions.begin(), progress.positions.end()));
  EXPECT_EQ(dest.Position(), int64_t(3) << 30);
}
