#include "data/data_source_errors.h"

#include "data/data_source_texts.h"
#include "text/fill.h"

namespace vorlash {

namespace {
constexpr std::size_t kMaxReported = 100;
}

void SourceErrors::add(std::string_view file, int line, std::string_view message) {
  std::string text(file);
  if (line > 0) text += ":" + std::to_string(line);
  text += ": ";
  text += message;
  messages_.push_back(std::move(text));
}

Status SourceErrors::status() const {
  if (messages_.empty()) return Status::success();
  std::string all;
  for (std::size_t i = 0; i < messages_.size() && i < kMaxReported; ++i) {
    if (i > 0) all += '\n';
    all += messages_[i];
  }
  if (messages_.size() > kMaxReported)
    all += "\n" + fill(source_text::kMoreErrors, {std::to_string(messages_.size() - kMaxReported)});
  return Status::failure(std::move(all));
}

std::string quote_text(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

}  // namespace vorlash
