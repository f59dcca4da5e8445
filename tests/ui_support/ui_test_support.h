// Support for the window tests (Qt Test, offscreen platform).
//
// UiFixture gives a test its own program folder (a copy of the sample
// program folder's data, settings, user hotels and manual when the sample
// was built), its own AppState on the heap, fake platform services and an
// AppContext over them:
//
//   auto f = std::make_unique<UiFixture>();
//   QVERIFY(f->load().ok());                    // start-up readers on the copy
//   auto* w = f->context.show_window<SettingsWindow>(5);
//   f->messages.answers.push_back(MessageAnswer::Cancel);
//   ...
//   save_screenshot(w, "timetable5");
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "base/status.h"
#include "data/app_state.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "shell/app_context.h"

class QWidget;

namespace vorlash::test {

// A weekday morning: Wednesday 2000/03/15 09:00:00.
inline constexpr ClockReading kDefaultClock{2000, 3, 15, 9, 0, 0};

struct UiFixture {
  // copy_sample: fill the folder from VORLASH_SAMPLE_DIR (when it exists);
  // otherwise the folder starts empty.
  explicit UiFixture(bool copy_sample = true, ClockReading start = kDefaultClock);
  UiFixture(const UiFixture&) = delete;
  UiFixture& operator=(const UiFixture&) = delete;

  // The full path of a file in the fixture's program folder.
  std::string path(const std::string& file_name) const;
  // Runs the start-up readers on the folder (installation, settings, tables),
  // without windows.
  Status load();

  QTemporaryDir dir;
  std::string folder;
  std::unique_ptr<AppState> state_storage;
  AppState& state;
  FakeClock clock;
  FakeMessageBoxes messages;
  FakeHelpViewer help;
  FakePrinter printer;
  Platform platform;
  AppContext context;
};

// Writes window.grab() as <VORLASH_SCREENSHOT_DIR>/<name>.png. Returns the
// file's path (empty when it could not be written).
QString save_screenshot(QWidget* window, const QString& name);

// Copies a file a test made (a printed PDF) into <VORLASH_SCREENSHOT_DIR>
// under `name`, replacing an earlier copy, to be looked at after the run.
QString keep_output(const QString& file, const QString& name);

}  // namespace vorlash::test
