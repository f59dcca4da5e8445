// Message boxes: errors and confirmations that wait for the user's answer.
// Every box of the program has the exclamation icon, the title
// kErrorTitle or kConfirmTitle, the buttons OK or OK/Cancel, and a
// help-context number of the program's help file.
//
// Windows call MessageBoxes::show through Platform; tests use
// FakeMessageBoxes and answer from a queue instead of a real dialog.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "text/language.h"

namespace vorlash {

inline constexpr Text kErrorTitle{"エラーメッセージ", "Error"};
inline constexpr Text kConfirmTitle{"確認メッセージ", "Confirmation"};

enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

struct MessageRequest {
  std::string title;
  std::string text;
  MessageButtons buttons = MessageButtons::Ok;
  int help_context = 0;  // topic of the help file; 0 = none
  bool information = false;  // the information icon (the About box), not the exclamation
};

// An error box: title kErrorTitle, OK only.
inline MessageRequest error_message(std::string text, int help_context = 0) {
  return {kErrorTitle.str(), std::move(text), MessageButtons::Ok, help_context};
}

// A confirmation: title kConfirmTitle, OK and Cancel.
inline MessageRequest confirm_message(std::string text, int help_context = 0) {
  return {kConfirmTitle.str(), std::move(text), MessageButtons::OkCancel, help_context};
}

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows the box and waits for the answer. A box with only OK answers Ok;
  // closing an OK/Cancel box without choosing answers Cancel.
  virtual MessageAnswer show(const MessageRequest& request) = 0;
};

// Records every request; answers from `answers` (front first), Ok when the
// queue is empty.
class FakeMessageBoxes final : public MessageBoxes {
 public:
  MessageAnswer show(const MessageRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return MessageAnswer::Ok;
    auto const answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<MessageRequest> requests;
  std::deque<MessageAnswer> answers;
};

}  // namespace vorlash
