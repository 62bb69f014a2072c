// Module file operations that open files of their own, on top of the stream operations.
#pragma once

#include <string>

#include "ModuleFormat.h"

// Appends the source file (opened without sharing) as a compressed block at the stream's position.
void WriteSlideToFile(TStream& stream, const std::string& sourceFileName, int32_t& offset, int32_t& size,
                      int32_t& compressedSize);

// Inflates the block into a new file that replaces any file of that name. A failed extraction
// removes the partly written file again.
void ExtractSlideFromFile(TStream& stream, const std::string& destFileName, int32_t offset, int32_t size);
