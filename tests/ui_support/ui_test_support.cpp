#include "ui_support/ui_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

#include "data/file_io.h"
#include "data/startup.h"

namespace vorlash::test {

namespace {

// The files of a program folder that a run reads or writes; the folder of
// the build also holds the executables, which a test does not need.
bool is_program_file(const QFileInfo& file) {
  static const QStringList suffixes = {"dat", "ini", "csv", "html", "hlp"};
  return file.isFile() && suffixes.contains(file.suffix().toLower());
}

void copy_program_files(const QString& from, const QString& to) {
  QDir const source(from);
  if (!source.exists()) return;
  for (auto const& file : source.entryInfoList(QDir::Files)) {
    if (is_program_file(file)) QFile::copy(file.absoluteFilePath(), to + "/" + file.fileName());
  }
}

}  // namespace

UiFixture::UiFixture(bool copy_sample, ClockReading start)
    : folder(dir.path().toStdString()),
      state_storage(std::make_unique<AppState>()),
      state(*state_storage),
      clock(start),
      platform{clock, messages, help, printer},
      context(state, platform, folder) {
  if (copy_sample) copy_program_files(QStringLiteral(VORLASH_SAMPLE_DIR), dir.path());
  state.program_folder = folder;
}

std::string UiFixture::path(const std::string& file_name) const {
  return program_path(folder, file_name);
}

Status UiFixture::load() {
  auto status = identify_installation(state, folder);
  if (status) status = load_settings_and_tables(state, LoadHooks{});
  return status;
}

QString save_screenshot(QWidget* window, const QString& name) {
  QDir const dir(QStringLiteral(VORLASH_SCREENSHOT_DIR));
  if (!dir.mkpath(QStringLiteral("."))) return {};
  auto const file = dir.filePath(name + QStringLiteral(".png"));
  return window->grab().save(file) ? file : QString();
}

QString keep_output(const QString& file, const QString& name) {
  QDir const dir(QStringLiteral(VORLASH_SCREENSHOT_DIR));
  if (!dir.mkpath(QStringLiteral("."))) return {};
  auto const copy = dir.filePath(name);
  QFile::remove(copy);
  return QFile::copy(file, copy) ? copy : QString();
}

}  // namespace vorlash::test
