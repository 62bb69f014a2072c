// An INI file through the platform's profile-string functions: each key is read from and written
// to the file at once. Binding a file name touches no file.
#pragma once

#include <string>

#include "IniFile.h"

class TProfileIniFile : public TCustomIniFile {
 public:
  explicit TProfileIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  // At most 2,047 characters of a value come back.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) override;
  // Raises ERuvoError "Unable to write to <file name>".
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
  void UpdateFile() override;

  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
};
