#include "shell/start_up.h"

#include <QPointer>

#include "board/clock_day.h"
#include "data/startup.h"
#include "platform/safe_file.h"
#include "shell/loading_texts.h"
#include "shell/loading_window.h"
#include "shell/running_copy.h"

namespace vorlash {

namespace {

constexpr int kProgressSteps = 7;

// A failed start leaves nothing behind: the lock file it made goes too.
Status report_failure(AppContext& ctx, Status status,
                      std::string_view heading = loading_text::kStartUpFailed) {
  ctx.program_lock.discard();
  ctx.platform.messages.show(error_message(std::string(heading) + "\n" + status.error));
  return status;
}

}  // namespace

Status start_up(AppContext& ctx, const StartUpSteps& steps) {
  AppState& state = ctx.state;
  // The lock lives where the SettingsFile is saved: two copies saving there
  // on exit would overwrite each other.
  std::string const& lock_folder =
      state.settings_folder.empty() ? ctx.program_folder : state.settings_folder;
  Status lock_error;
  switch (ctx.program_lock.acquire(lock_folder, lock_error)) {
    case LockResult::taken:
      ctx.running_copy = std::make_unique<RunningCopyServer>(running_copy_socket_name(lock_folder),
                                                             steps.show_again);
      break;
    case LockResult::busy: {
      if (ask_running_copy_to_show(running_copy_socket_name(lock_folder))) {
        ctx.handed_to_running_copy = true;
        return Status::failure(std::string(loading_text::kShownRunningCopy));
      }
      bool const installed = lock_folder != ctx.program_folder;
      Status busy = Status::failure(std::string(installed ? loading_text::kAlreadyRunningEdition
                                                          : loading_text::kAlreadyRunning));
      ctx.platform.messages.show(error_message(busy.error));
      return busy;
    }
    case LockResult::failed:
      return report_failure(ctx, std::move(lock_error), loading_text::kFolderNotWritable);
  }
  if (Status st = identify_installation(state, ctx.program_folder); !st) {
    return report_failure(ctx, std::move(st));
  }
  get_today(state, ctx.platform.clock);

  // The loading window stands at its stored position, so it opens only once
  // the SettingsFile has been read: at the first event break of the load,
  // which comes right after the settings and the opening of the DataFile.
  QPointer<LoadingWindow> loading;
  bool opened = false;
  auto const ensure_loading_window = [&] {
    if (opened) return;
    opened = true;
    loading = open_loading_window(ctx, kLoadingStartUp);
    if (loading) loading->show_progress(0, kProgressSteps);
  };

  LoadHooks hooks;
  hooks.yield = [&] {
    ensure_loading_window();
    if (ctx.yield) ctx.yield();
  };
  hooks.progress = [&](int value) {
    ensure_loading_window();
    if (loading) loading->set_progress(value);
  };
  hooks.keiyo_skipped = [&] {
    if (steps.keiyo_skipped) steps.keiyo_skipped();
  };

  Status const loaded = load_settings_and_tables(state, hooks);
  if (!loaded) {
    if (loading) loading->finish();
    return report_failure(ctx, loaded);
  }
  if (steps.set_form1) steps.set_form1();
  if (loading) loading->finish();
  // Temporary files of saves that a crash cut short.
  remove_stale_temporaries(lock_folder);
  if (!state.user_hotel_folder.empty() && state.user_hotel_folder != lock_folder)
    remove_stale_temporaries(state.user_hotel_folder);
  return Status::success();
}

}  // namespace vorlash
