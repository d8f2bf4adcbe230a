#include "expr/MathContext.h"

namespace vantrel::expr {

void MathSink::Write(std::string_view block) const {
  if (text_) {
    text_->append(block);
  } else if (file_) {
    std::fwrite(block.data(), 1, block.size(), file_);
    std::fflush(file_);
  }
}

}  // namespace vantrel::expr
