// The test doubles of the platform services answer as the window tests
// expect: the queued answers in order, then OK.
#include "platform/message_box.h"

#include <gtest/gtest.h>

#include "platform/printer.h"

namespace vorlash {
namespace {

TEST(FakeMessageBoxes, AnswersFromQueueThenOkAndRecordsEveryBox) {
  FakeMessageBoxes boxes;
  boxes.answers = {MessageAnswer::Cancel, MessageAnswer::Ok, MessageAnswer::Cancel};
  EXPECT_EQ(boxes.show(confirm_message("本当に削除しますよ！！", 251)), MessageAnswer::Cancel);
  EXPECT_EQ(boxes.show(confirm_message("追加しますよ！！", 253)), MessageAnswer::Ok);
  EXPECT_EQ(boxes.show(confirm_message("更新しますよ！！", 252)), MessageAnswer::Cancel);
  EXPECT_EQ(boxes.show(error_message("ホテルデータなし", 204)), MessageAnswer::Ok);

  ASSERT_EQ(boxes.requests.size(), 4u);
  EXPECT_EQ(boxes.requests[0].title, "確認メッセージ");
  EXPECT_EQ(boxes.requests[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(boxes.requests[0].help_context, 251);
  EXPECT_EQ(boxes.requests[3].title, "エラーメッセージ");
  EXPECT_EQ(boxes.requests[3].text, "ホテルデータなし");
  EXPECT_EQ(boxes.requests[3].buttons, MessageButtons::Ok);
  EXPECT_EQ(boxes.requests[3].help_context, 204);
}

TEST(FakePrinter, RecordsJobsAndAnswersSetOutcome) {
  FakePrinter printer;
  EXPECT_EQ(printer.print({"ＭＳ ゴシック", 9, {" ", "a"}}), PrintOutcome::Printed);
  printer.outcome = PrintOutcome::Cancelled;
  EXPECT_EQ(printer.print({"ＭＳ ゴシック", 9, {}}), PrintOutcome::Cancelled);
  ASSERT_EQ(printer.jobs.size(), 2u);
  EXPECT_EQ(printer.jobs[0].items, (std::vector<std::string>{" ", "a"}));
}

}  // namespace
}  // namespace vorlash
