// The real file store, counting what it is asked to do, that fails on demand
// where a test cannot make the real failure (a file root may not read, a full
// disk, a read-only folder).
#pragma once

#include "platform/FileStore.h"

namespace vantrel::testing {

class StagedFileStore final : public FileStore {
 public:
  FileProblem readProblem;   // something is there that cannot be read
  FileProblem writeProblem;  // a replace fails
  mutable int reads = 0;
  int replacements = 0;  // updates that changed the file

  FileContent Read(const std::filesystem::path& path) const override {
    ++reads;
    if (readProblem) return {true, {}, readProblem};
    return ReadWholeFile(path);
  }

  FileProblem Update(const std::filesystem::path& path, const Change& change) override {
    if (readProblem) return readProblem;
    if (writeProblem) return writeProblem;
    bool changed = false;
    const FileProblem problem = UpdateFileAtomically(path, [&](const FileContent& old) {
      std::string content = change(old);
      changed = content != old.bytes;
      return content;
    });
    if (!problem && changed) ++replacements;
    return problem;
  }
};

}  // namespace vantrel::testing
