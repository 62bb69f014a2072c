#include "ModuleFormat.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "PictureScale.h"
#include "RuvoError.h"

namespace {

constexpr size_t kChunk = 64 * 1024;
// deflate cannot expand better than about 1032:1, so a block claiming more is corrupt.
constexpr int64_t kMaxInflateRatio = 1032;

void WriteInt32(TStream& s, int32_t v) {
  uint8_t b[4] = {uint8_t(v), uint8_t(uint32_t(v) >> 8), uint8_t(uint32_t(v) >> 16),
                  uint8_t(uint32_t(v) >> 24)};
  s.Write(b, 4);
}

void WriteString(TStream& s, const std::string& str) {
  WriteInt32(s, static_cast<int32_t>(str.size()));
  if (!str.empty()) s.Write(str.data(), str.size());
}

// Reads the header while checking every count and length against the bytes left in the file,
// so a damaged header can neither allocate without bound nor read past the end.
class THeaderReader {
 public:
  explicit THeaderReader(TStream& s) : s_(s), end_(s.Size()) {}

  int32_t Int32(const char* what) {
    Need(4, what);
    uint8_t b[4];
    s_.ReadExact(b, 4);
    return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                uint32_t(b[3]) << 24);
  }
  // A count of items each at least itemBytes long.
  size_t Count(int itemBytes, const char* what) {
    int32_t n = Int32(what);
    if (n < 0) Fail(Format("negative %s", what));
    Need(int64_t(n) * itemBytes, what);
    return static_cast<size_t>(n);
  }
  std::string String(const char* what) {
    size_t len = Count(1, what);
    std::string out(len, '\0');
    if (len) s_.ReadExact(&out[0], len);
    return out;
  }
  [[noreturn]] void Fail(const std::string& why) {
    throw ERuvoError(Format("The module file \"%s\" is damaged: %s.", s_.Name().c_str(), why.c_str()));
  }

 private:
  void Need(int64_t bytes, const char* what) {
    if (bytes > end_ - s_.Position()) Fail(Format("the header ends inside the %s", what));
  }
  TStream& s_;
  int64_t end_;
};

int32_t CheckedSize(int64_t n, const char* what) {
  if (n < 0 || n > std::numeric_limits<int32_t>::max())
    throw ERuvoError(Format("The %s is too large for a module file.", what));
  return static_cast<int32_t>(n);
}

}  // namespace

void CheckSlideBlock(TStream& stream, int32_t offset, int32_t size) {
  if (size <= 0) throw ERuvoError(Format("The slide at offset %d has no image data.", offset));
  int64_t fileSize = stream.Size();
  if (offset < 0 || offset >= fileSize)
    throw ERuvoError(Format("The slide offset %d lies outside the module file \"%s\".", offset,
                            stream.Name().c_str()));
  // More than the bytes left could ever inflate to: the read would come up short.
  if (size > (fileSize - offset) * kMaxInflateRatio + 64) throw ERuvoError("Stream read error");
}

namespace {

// Streams inflated bytes of one block to a sink, stopping once `size` bytes have come out.
template <class Sink>
void InflateBlock(TStream& stream, int32_t offset, int32_t size, Sink sink) {
  CheckSlideBlock(stream, offset, size);
  stream.Seek(offset);

  z_stream z;
  std::memset(&z, 0, sizeof z);
  if (inflateInit(&z) != Z_OK) throw ERuvoError(zError(Z_MEM_ERROR));
  struct Guard {
    z_stream* z;
    ~Guard() { inflateEnd(z); }
  } guard{&z};

  std::vector<uint8_t> in(kChunk), out(std::min<size_t>(kChunk, size_t(size)));
  size_t left = size_t(size);
  while (left > 0) {
    if (z.avail_in == 0) {
      z.avail_in = static_cast<uInt>(stream.Read(in.data(), in.size()));
      z.next_in = in.data();
      if (z.avail_in == 0) throw ERuvoError("Stream read error");
    }
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(std::min(out.size(), left));
    int rc = inflate(&z, Z_NO_FLUSH);
    size_t produced = std::min(out.size(), left) - z.avail_out;
    if (produced) sink(out.data(), produced);
    left -= produced;
    if (rc == Z_STREAM_END) {
      if (left > 0) throw ERuvoError("Stream read error");
      break;
    }
    if (rc != Z_OK && rc != Z_BUF_ERROR) throw ERuvoError(zError(rc));
  }
}

}  // namespace

int64_t ModuleHeaderSize(const TDesignerModule& m) {
  int64_t n = 20 + int64_t(m.PresentationFileName.size()) + 16 * int64_t(m.SlideInfos.size());
  for (const auto& show : m.SlideShowInfos) n += 12 + int64_t(show.Name.size()) + 4 * int64_t(show.Indices.size());
  return n;
}

void WriteModuleHeader(TStream& s, const TDesignerModule& m) {
  // One buffered write, so a failed write leaves no half-written header behind a success.
  TMemoryStream buf;
  WriteInt32(buf, m.MajorVersion);
  WriteInt32(buf, m.MinorVersion);
  WriteString(buf, m.PresentationFileName);
  WriteInt32(buf, static_cast<int32_t>(m.SlideInfos.size()));
  WriteInt32(buf, static_cast<int32_t>(m.SlideShowInfos.size()));
  for (const auto& e : m.SlideInfos) {
    WriteInt32(buf, e.SlideIndex);
    WriteInt32(buf, e.Offset);
    WriteInt32(buf, e.Size);
    WriteInt32(buf, e.CompressedSize);
  }
  for (const auto& show : m.SlideShowInfos) {
    WriteInt32(buf, show.Kind);
    WriteString(buf, show.Name);
    WriteInt32(buf, static_cast<int32_t>(show.Indices.size()));
    for (int32_t v : show.Indices) WriteInt32(buf, v);
  }
  s.Write(buf.Bytes().data(), buf.Bytes().size());
}

void ReadModuleHeader(TStream& s, TDesignerModule& module) {
  THeaderReader r(s);
  TDesignerModule m;
  m.MajorVersion = r.Int32("version");
  m.MinorVersion = r.Int32("version");
  m.PresentationFileName = r.String("presentation path");
  size_t slides = r.Count(16, "slide count");
  size_t shows = r.Count(12, "slide show count");
  m.SlideInfos.resize(slides);
  for (auto& e : m.SlideInfos) {
    e.SlideIndex = r.Int32("slide entries");
    e.Offset = r.Int32("slide entries");
    e.Size = r.Int32("slide entries");
    e.CompressedSize = r.Int32("slide entries");
  }
  m.SlideShowInfos.resize(shows);
  for (auto& show : m.SlideShowInfos) {
    show.Kind = r.Int32("slide shows");
    show.Name = r.String("slide show name");
    show.Indices.resize(r.Count(4, "slide show's slide list"));
    for (auto& v : show.Indices) v = r.Int32("slide show's slide list");
  }
  module = std::move(m);
}

void WriteSlideBlock(TStream& module, TStream& source, int32_t& offset, int32_t& size,
                     int32_t& compressedSize) {
  z_stream z;
  std::memset(&z, 0, sizeof z);
  if (deflateInit2(&z, 9, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK) throw ERuvoError(zError(Z_MEM_ERROR));
  struct Guard {
    z_stream* z;
    ~Guard() { deflateEnd(z); }
  } guard{&z};

  size = CheckedSize(source.Size(), "slide image");
  offset = CheckedSize(module.Position(), "module file");
  std::vector<uint8_t> in(kChunk), out(kChunk);
  int64_t left = size;
  int flush = Z_NO_FLUSH;
  do {
    if (z.avail_in == 0 && flush == Z_NO_FLUSH) {
      size_t want = static_cast<size_t>(std::min<int64_t>(left, int64_t(in.size())));
      if (want) source.ReadExact(in.data(), want);
      left -= int64_t(want);
      z.next_in = in.data();
      z.avail_in = static_cast<uInt>(want);
      if (left == 0) flush = Z_FINISH;
    }
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    int rc = deflate(&z, flush);
    if (rc == Z_STREAM_ERROR) throw ERuvoError(zError(rc));
    size_t produced = out.size() - z.avail_out;
    if (produced) module.Write(out.data(), produced);
    if (rc == Z_STREAM_END) break;
  } while (true);
  compressedSize = CheckedSize(module.Position() - offset, "module file");
}

TSlideInfo* FindSlideInfo(TDesignerModule& module, int32_t slideIndex) {
  for (auto& e : module.SlideInfos)
    if (e.SlideIndex == slideIndex) return &e;
  return nullptr;
}

namespace {
TPicture LoadSlidePictureToFit(TStream& stream, int32_t offset, int32_t size, int maxWidth, int maxHeight) {
  std::vector<uint8_t> png;
  // The declared size comes from the file: trusted for the buffer only up to what slides need.
  if (size > 0) png.reserve(std::min<size_t>(size_t(size), 32u << 20));
  InflateBlock(stream, offset, size, [&](const uint8_t* p, size_t n) { png.insert(png.end(), p, p + n); });
  // A JPEG slide is read too; anything else is judged as the PNG that slides normally are.
  static const uint8_t kJpeg[] = {0xFF, 0xD8, 0xFF};
  if (png.size() >= sizeof kJpeg && std::equal(kJpeg, kJpeg + sizeof kJpeg, png.begin())) {
    TPicture picture = DecodeJpeg(png.data(), png.size());
    return maxWidth > 0 && maxHeight > 0 ? ShrinkToFit(picture, maxWidth, maxHeight) : picture;
  }
  return DecodePngToFit(png.data(), png.size(), maxWidth, maxHeight);
}
}  // namespace

TPicture LoadSlidePicture(TStream& stream, int32_t offset, int32_t size) {
  return LoadSlidePictureToFit(stream, offset, size, 0, 0);
}

TPicture LoadSlidePictureByKey(TDesignerModule& module, TStream& stream, int32_t slideIndex) {
  return LoadSlidePictureToFit(module, stream, slideIndex, 0, 0);
}

TPicture LoadSlidePictureToFit(TDesignerModule& module, TStream& stream, int32_t slideIndex, int maxWidth,
                               int maxHeight) {
  const TSlideInfo* e = FindSlideInfo(module, slideIndex);
  if (!e) return TPicture();
  return LoadSlidePictureToFit(stream, e->Offset, e->Size, maxWidth, maxHeight);
}

void ExtractSlideBlock(TStream& stream, TStream& dest, int32_t offset, int32_t size) {
  InflateBlock(stream, offset, size, [&](const uint8_t* p, size_t n) { dest.Write(p, n); });
}
