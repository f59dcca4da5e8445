#include "board/ui/passing_stations_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "board/passing_stations.h"
#include "board/ui/window_texts.h"
#include "shell/fonts.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"

namespace vorlash {

namespace {

// A Shinkansen train from one end of the line to the other makes a line of
// well over a hundred columns; it is wrapped into a few lines.
constexpr int kTextColumns = 72;
constexpr int kTextLines = 3;

}  // namespace

PassingStationsWindow::PassingStationsWindow(AppContext& ctx) : ctx_(ctx) {
  setObjectName(QStringLiteral("timetable23"));
  setWindowTitle(to_qstring(board_window_text::kPassingCaption));

  Text1 = new QPlainTextEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setReadOnly(true);
  Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setFont(fixed_pitch_font(10));
  Text1->setAccessibleName(
      to_qstring(board_window_text::kPassingCaption));  // the window's only text
  Text1->setPlainText(to_qstring(passing_stations_text(ctx_.state, ctx_.windows.board)));
  QFontMetrics const metrics(Text1->font());
  Text1->setMinimumSize(metrics.horizontalAdvance(QString(kTextColumns, QChar('0'))) + 24,
                        metrics.lineSpacing() * kTextLines + 12);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text1);

  auto* keys = new KeyActions(this);
  keys->on_escape({Text1}, [this] { end_proc(); });

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kPassingStationsLifetimeMs);
  connect(Timer1, &QTimer::timeout, this, [this] { end_proc(); });
  Timer1->start();

  setFixedSize(sizeHint());
  place_window(this, ctx_.state.form[kPassingStationsWindow]);
}

void PassingStationsWindow::end_proc() {
  Timer1->stop();
  store_position(ctx_.state, kPassingStationsWindow, this);
  close();
}

void PassingStationsWindow::closeEvent(QCloseEvent* event) {
  Timer1->stop();
  ctx_.quit_help();
  event->accept();
}

}  // namespace vorlash
