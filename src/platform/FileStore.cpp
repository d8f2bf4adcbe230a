#include "platform/FileStore.h"

namespace vantrel {
namespace {

class LocalStore final : public FileStore {
 public:
  FileContent Read(const std::filesystem::path& path) const override { return ReadWholeFile(path); }
  FileProblem Update(const std::filesystem::path& path, const Change& change) override {
    return UpdateFileAtomically(path, change);
  }
};

}  // namespace

FileStore& LocalFileStore() {
  static LocalStore store;
  return store;
}

}  // namespace vantrel
