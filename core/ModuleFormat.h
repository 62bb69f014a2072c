// Module file operations over a seekable stream: the header, the compressed slide blocks and the
// lookup of slide entries. Opening files is left to the caller (ModuleFiles).
#pragma once

#include <cstdint>

#include "DesignerTypes.h"
#include "Picture.h"
#include "Stream.h"

// Writes the header at the stream's current position.
void WriteModuleHeader(TStream& stream, const TDesignerModule& module);

// Reads a header from the stream's current position. A truncated or malformed header raises
// ERuvoError naming the file and leaves the module as it was.
void ReadModuleHeader(TStream& stream, TDesignerModule& module);

// Byte size of the header that WriteModuleHeader would write.
int64_t ModuleHeaderSize(const TDesignerModule& module);

// Appends the whole source as one zlib block (level 9) at the module stream's position.
// Offset and Size are set before compressing, CompressedSize once the block is complete.
void WriteSlideBlock(TStream& module, TStream& source, int32_t& offset, int32_t& size,
                     int32_t& compressedSize);

// The first entry with that slide number, or null.
TSlideInfo* FindSlideInfo(TDesignerModule& module, int32_t slideIndex);

// Inflates exactly Size bytes of the block at Offset and decodes them as a PNG (or a JPEG).
TPicture LoadSlidePicture(TStream& stream, int32_t offset, int32_t size);

// No picture (and the stream untouched) when no entry has that slide number.
TPicture LoadSlidePictureByKey(TDesignerModule& module, TStream& stream, int32_t slideIndex);

// The same, shrunk to fit within maxWidth x maxHeight (ShrinkToFit); a PNG slide is shrunk as it
// is decoded, without holding its full size.
TPicture LoadSlidePictureToFit(TDesignerModule& module, TStream& stream, int32_t slideIndex, int maxWidth,
                               int maxHeight);

// Fails, before anything is read or written, when a block cannot hold Size bytes at Offset.
void CheckSlideBlock(TStream& stream, int32_t offset, int32_t size);

// Inflates exactly Size bytes of the block at Offset into dest.
void ExtractSlideBlock(TStream& stream, TStream& dest, int32_t offset, int32_t size);
