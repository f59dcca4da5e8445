// The search results window (SearchResultsWindow, "新幹線検索結果"). Its load runs
// the whole search behind the loading window (search mode), letting events
// run every twentieth train and between the stages, and fills:
//   Frame1 the frame, captioned with the header line (journey, date, season,
//     display order)
//   Text1 the connection list (Label1 "新幹線検索結果") and Text2 the fare
//     text (Label2 "新幹線運賃情報"), read-only, fixed-pitch
//   Label3 the vehicle-mark legend
//   Command1 "検索終了", Command2 "印刷", Command3 "再検索"
// The texts, and the printout made of them, are built once at the load.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "search/search_results.h"
#include "shell/app_context.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vorlash {

inline constexpr int kSearchResultsWindow = 26;

class SearchResultsWindow final : public QWidget {
 public:
  // The load: runs the search on the conditions in AppState.
  explicit SearchResultsWindow(AppContext& ctx);

  const SearchResultTexts& texts() const { return texts_; }
  // The fifteen printed items of this result.
  const std::vector<std::string>& printout() const { return printout_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_controls();
  void form_load();

  // "検索終了" (Command1): back to the main window.
  void back_to_main_window();
  // "印刷" (Command2), after a confirmation.
  void print_results();
  // "再検索" (Command3): back to the search window with the last conditions.
  void search_again();
  // Escape: stores the position and closes.
  void end_proc();

  AppContext& ctx_;
  QGroupBox* Frame1 = nullptr;
  QPlainTextEdit* Text1 = nullptr;
  QPlainTextEdit* Text2 = nullptr;
  QLabel* Label3 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  SearchResultTexts texts_;
  std::vector<std::string> printout_;
};

// Opens the results window for the conditions now in AppState. A results
// window still open from an earlier search is closed first: it shows other
// conditions.
void open_search_results_window(AppContext& ctx);

}  // namespace vorlash
