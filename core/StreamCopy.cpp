#include "StreamCopy.h"

#include <limits>
#include <vector>

#include "RuvoError.h"

namespace {

// How many bytes dest took of n: all of them, or what it took before its write failed.
size_t WriteCounted(TStream& dest, const uint8_t* data, size_t n) {
  int64_t before = dest.Position();
  try {
    dest.Write(data, n);
  } catch (const ERuvoError&) {
  }
  return static_cast<size_t>(dest.Position() - before);
}

}  // namespace

bool CopyStreamWithProgress(TStream& source, TStream& dest, TCopyProgress& progress) {
  std::vector<uint8_t> buffer(kCopyBlockSize);
  int64_t size = source.Size() - source.Position();
  if (size < 0) size = 0;
  // A bar range of more than 31 bits is scaled down by halves.
  int shift = 0;
  while ((2 * size) >> shift > std::numeric_limits<int32_t>::max()) ++shift;
  auto bar = [shift](int64_t at) { return static_cast<int32_t>(at >> shift); };

  progress.SetParams(0, 0, bar(2 * size));
  int64_t position = 0, read = 0;
  size_t r = 0, w = 0;
  do {
    progress.ProcessMessages();
    r = source.Read(buffer.data(), buffer.size());
    progress.ProcessMessages();
    position += int64_t(r);
    read += int64_t(r);
    progress.SetPosition(bar(position));
    w = 0;
    if (r > 0) {
      progress.ProcessMessages();
      w = WriteCounted(dest, buffer.data(), r);
      progress.ProcessMessages();
      position += int64_t(w);
      progress.SetPosition(bar(position));
    }
  } while (r == w && r != 0);
  // A read that fails looks like the end: only the whole size counts as complete.
  return r == w && read == size;
}
