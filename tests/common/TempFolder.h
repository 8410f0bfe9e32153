// A fresh folder under the temporary directory, removed with its contents
// when the object goes away.
#pragma once

#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // path() + "\\" + name
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

// Whole-file helpers for the tests; an unreadable file reads as empty and
// `exists` is false.
std::string ReadFileBytes(const std::string& path, bool* exists = nullptr);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// The Windows form (Z:\...) of a path of the build tree.
std::string WindowsPathOf(const std::string& buildPath);
