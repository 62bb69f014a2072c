// Which files a file list shows: masks of one or more wildcard patterns ("*.ppt;*.pps"), the
// entries of a filter box, and the filter the browser picks by what a folder holds.
#pragma once

#include <string>
#include <vector>

// True when the name matches one of the mask's patterns, separated by ';'. Letters match in
// either case; '*' stands for any run of characters and '?' for one; a pattern ending in ".*"
// also takes a name without an extension, so "*.*" takes every name.
bool MatchesMask(const std::string& name, const std::string& mask);

struct TFilterEntry {
  std::string Description, Mask;
};
// "Description|mask|Description|mask...": an entry without its mask gets an empty one.
std::vector<TFilterEntry> ParseFilter(const std::string& filter);

// The entry the browser picks for a folder of these file names: the first entry, the last
// excepted, under which at least one name is shown; the first entry when none is.
size_t AutoPickFilterIndex(const std::vector<TFilterEntry>& entries, const std::vector<std::string>& names);

// Sorts names as a file list shows them: letters in either case together, then by their bytes.
void SortNames(std::vector<std::string>& names);
