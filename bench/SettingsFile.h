// A settings file holding the given text in a temporary folder of its own,
// removed with the object.
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace vantrel::bench {

class SettingsFile {
 public:
  explicit SettingsFile(const std::string& text) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vantrel-bench-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data());
    std::FILE* f = std::fopen(Path().c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
  ~SettingsFile() { std::filesystem::remove_all(folder_); }
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  std::filesystem::path Path() const { return folder_ / "Mensura.ini"; }

 private:
  std::filesystem::path folder_;
};

}  // namespace vantrel::bench
