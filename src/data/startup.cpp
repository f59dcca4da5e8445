#include "data/startup.h"

#include <utility>

#include "data/data_file.h"
#include "data/fare_table.h"
#include "data/file_io.h"
#include "data/ini_file.h"
#include "data/readers.h"

namespace vorlash {

Status startup_data_file(const AppState& state, DataFile& file) {
  std::string const path = program_path(state.program_folder, state.data_file_name);
  if (state.data_file_bytes.empty()) return DataFile::open(path, file);
  file = DataFile::borrowing(state.data_file_bytes, path);
  return Status::success();
}

Status identify_installation(AppState& state, const std::string& program_folder) {
  state.data_file_name = "vorlashj.dat";
  state.help_file_name = "vorlash2.hlp";
  state.version_text = "1.59";
  state.data_date_text = "2000/03/11";
  state.program_folder = program_folder;
  state.data_file_bytes.clear();
  // Read straight into the state, where every later section is read from.
  std::string const path = program_path(program_folder, state.data_file_name);
  std::string bytes;
  if (Status st = read_file_bytes(path, bytes); !st) return st;
  state.data_file_bytes = std::move(bytes);
  if (Status st = get_control(DataFile::borrowing(state.data_file_bytes, path), state); !st) {
    state.data_file_bytes.clear();
    return st;
  }
  return apply_edition(state);
}

Status load_settings_and_tables(AppState& state, const LoadHooks& hooks) {
  YieldFn const yield = hooks.yield ? hooks.yield : YieldFn([] {});
  auto const progress = [&hooks](int value) {
    if (hooks.progress) hooks.progress(value);
  };

  if (Status st = get_ini_file(state); !st) return st;

  DataFile file;
  if (Status st = startup_data_file(state, file); !st) return st;
  yield();

  if (Status st = get_hatyaku(file, state, yield); !st) return st;
  progress(1);
  yield();
  if (Status st = get_tiku(file, state, yield); !st) return st;
  progress(2);
  yield();
  if (state.keiyo_use == 1) {
    if (Status st = get_keiyo_station(file, state, yield); !st) return st;
    progress(3);
    yield();
    if (Status st = get_keiyo_time(file, state, yield); !st) return st;
    progress(4);
    yield();
  } else {
    // The Keiyo tables stay empty: nothing may read them.
    state.keiyo = KeiyoTables{};
    if (hooks.keiyo_skipped) hooks.keiyo_skipped();
  }
  if (Status st = get_sinkansen_station(file, state, yield); !st) return st;
  progress(5);
  yield();
  if (Status st = get_sinkansen_time(file, state, yield); !st) return st;
  progress(6);
  yield();
  if (Status st = get_paytable(file, state, yield); !st) return st;
  progress(7);
  yield();
  return Status::success();
}

}  // namespace vorlash
