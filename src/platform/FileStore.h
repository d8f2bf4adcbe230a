// How a settings file is read and replaced: on the real file system, or, in
// tests, through a stand-in that stages what the machine running them cannot
// (a file that root may not read, a full disk).
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "platform/AtomicFile.h"

namespace vantrel {

class FileStore {
 public:
  using Change = std::function<std::string(const FileContent&)>;

  virtual ~FileStore() = default;
  virtual FileContent Read(const std::filesystem::path& path) const = 0;
  // One atomic read-modify-write, as UpdateFileAtomically.
  virtual FileProblem Update(const std::filesystem::path& path, const Change& change) = 0;
};

// The real file system.
FileStore& LocalFileStore();

}  // namespace vantrel
