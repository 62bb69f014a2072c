// How many bytes a file holds and a drive has free, each with its own rule for a failed answer.
#pragma once

#include <cstdint>
#include <string>

// From the file's directory entry; -1 when the file does not exist.
int64_t FileSizeOf(const std::string& name);

// Of the file opened for reading without sharing; raises ERuvoError as opening it does.
int64_t MeasureFile(const std::string& name);

// Bytes free to the caller on the folder's drive; 0 when the system cannot tell.
int64_t FreeBytes(const std::string& folder);
