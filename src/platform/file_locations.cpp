#include "platform/file_locations.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/file_texts.h"
#include "platform/native_path.h"
#include "platform/program_files.h"
#include "platform/safe_file.h"
#include "platform/system_error.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace vorlash {

namespace fs = std::filesystem;

namespace {

constexpr char kProgramSubfolder[] = "vorlash";

std::string env_value(const char* name) {
#if defined(_WIN32)
  // The narrow environment is in the ANSI code page; a Japanese user name in
  // APPDATA would not survive it.
  std::wstring const wide_name(name, name + std::char_traits<char>::length(name));
  const wchar_t* v = _wgetenv(wide_name.c_str());
  return v ? utf8_path(fs::path(v)) : std::string();
#else
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
#endif
}

std::string edition_folder_name(int edition) {
  return "edition" + std::to_string(edition);
}

#if !defined(_WIN32)
// An XDG base folder: the variable when it holds an absolute path (relative
// ones are to be ignored), else the fallback under the home folder.
fs::path xdg_base(const std::string& variable, const std::string& home, const char* fallback) {
  if (!variable.empty() && native_path(variable).is_absolute()) return native_path(variable);
  return native_path(home) / fallback;
}
#endif

Status copy_if_missing(const fs::path& from, const fs::path& folder, PreparedUserFiles& made) {
  std::error_code ec;
  fs::path const to = folder / from.filename();
  if (fs::exists(fs::symlink_status(to, ec))) return Status::success();
  fs::copy_file(from, to, ec);
  if (ec)
    return path_failure(utf8_path(to), file_text::kCannotCopyDefault,
                        filesystem_reason(ec, FileAccess::write));
  made.files.push_back(utf8_path(to));
  // The installed default is read-only; the user's copy is theirs to write.
  fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  return Status::success();
}

// create_directories, one level at a time, noting each level it makes.
Status create_folder(const std::string& folder, PreparedUserFiles& made) {
  std::error_code ec;
  std::vector<fs::path> missing;
  for (fs::path p = native_path(folder); !p.empty(); p = p.parent_path()) {
    if (fs::exists(fs::symlink_status(p, ec))) break;
    missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (!fs::create_directory(*it, ec) && ec) {
      // Reported with the folder the user knows, as create_directories did.
      return path_failure(folder, file_text::kCannotCreateFolder,
                          filesystem_reason(ec, FileAccess::write));
    }
    made.folders.push_back(utf8_path(*it));
  }
  // A name in the way (a file, a link to nothing) fails here, not at the copy.
  if (!fs::is_directory(native_path(folder), ec))
    return path_failure(
        folder, file_text::kCannotCreateFolder,
        filesystem_reason(std::make_error_code(std::errc::not_a_directory), FileAccess::write));
  return Status::success();
}

Status prepare_into(const FileLocations& locations, PreparedUserFiles& made) {
  for (auto const& folder : {locations.settings_folder, locations.user_data_folder})
    if (Status st = create_folder(folder, made); !st) return st;
  std::error_code ec;
  for (auto const& entry : fs::directory_iterator(native_path(locations.data_folder), ec)) {
    if (!entry.is_regular_file(ec)) continue;
    fs::path const& file = entry.path();
    Status st = Status::success();
    if (file.extension() == ".ini")
      st = copy_if_missing(file, native_path(locations.settings_folder), made);
    else if (file.filename() == fs::path(std::string(kUserHotelFileName)))
      st = copy_if_missing(file, native_path(locations.user_data_folder), made);
    if (!st) return st;
  }
  return Status::success();
}

}  // namespace

UserEnvironment process_environment() {
  return {env_value("HOME"), env_value("XDG_CONFIG_HOME"), env_value("XDG_DATA_HOME"),
          env_value("APPDATA")};
}

std::string executable_folder(const char* argv0) {
  std::error_code ec;
#if defined(_WIN32)
  std::wstring buffer(32768, L'\0');
  DWORD const n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n > 0 && n < buffer.size()) {
    buffer.resize(n);
    return utf8_path(fs::path(buffer).parent_path());
  }
#else
  fs::path const self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return utf8_path(self.parent_path());
#endif
  return utf8_path(fs::absolute(native_path(argv0 ? argv0 : ""), ec).parent_path());
}

std::string user_config_folder(const UserEnvironment& env) {
#if defined(_WIN32)
  if (env.appdata.empty()) return {};
  return utf8_path(native_path(env.appdata) / kProgramSubfolder);
#else
  if (env.home.empty() && env.xdg_config_home.empty()) return {};
  return utf8_path(xdg_base(env.xdg_config_home, env.home, ".config") / kProgramSubfolder);
#endif
}

FileLocations portable_locations(const std::string& folder) {
  return {false, folder, folder, folder};
}

// A portable folder: the DataFile beside the executable, or a SettingsFile
// of any Edition there (a portable folder whose DataFile went missing is
// still one, and its start-up names the missing file in that folder).
bool is_portable_folder(const std::string& folder) {
  for (std::string_view const name :
       {kDataFileName, std::string_view("vorlash2.ini"), std::string_view("vorlash3.ini"),
        std::string_view("vorlash4.ini")})
    if (file_exists(program_path(folder, name))) return true;
  return false;
}

Status locate_files(const std::string& exe_folder, int edition, const UserEnvironment& env,
                    FileLocations& out) {
  if (is_portable_folder(exe_folder)) {
    out = portable_locations(exe_folder);
    return Status::success();
  }
  std::string const edition_folder = edition_folder_name(edition);
  out.installed = true;
  out.data_folder = utf8_path(
      (native_path(exe_folder) / kInstalledDataFromBin / edition_folder).lexically_normal());
#if defined(_WIN32)
  if (env.appdata.empty()) return Status::failure(std::string(file_text::kNoUserFolderWindows));
  std::string const user = utf8_path(native_path(env.appdata) / kProgramSubfolder / edition_folder);
  out.settings_folder = user;
  out.user_data_folder = user;
#else
  if (env.home.empty() && (env.xdg_config_home.empty() || env.xdg_data_home.empty()))
    return Status::failure(std::string(file_text::kNoUserFolder));
  out.settings_folder = utf8_path(xdg_base(env.xdg_config_home, env.home, ".config") /
                                  kProgramSubfolder / edition_folder);
  out.user_data_folder = utf8_path(xdg_base(env.xdg_data_home, env.home, ".local/share") /
                                   kProgramSubfolder / edition_folder);
#endif
  return Status::success();
}

Status prepare_user_folders(const FileLocations& locations, PreparedUserFiles& made) {
  made = {};
  if (!locations.installed) return Status::success();
  // An Edition that is not installed gets no user folders.
  std::string const data_file = program_path(locations.data_folder, kDataFileName);
  if (!file_exists(data_file))
    return path_failure(data_file, file_text::kEditionNotInstalled,
                        path_exists(data_file) ? file_text::kNotRegular : file_text::kMissing);
  Status st = prepare_into(locations, made);
  if (!st) {
    undo_user_folders(made);
    made = {};
  }
  return st;
}

void undo_user_folders(const PreparedUserFiles& made) {
  std::error_code ec;
  for (auto const& file : made.files) fs::remove(native_path(file), ec);
  // remove() takes a folder only when it is empty.
  for (auto it = made.folders.rbegin(); it != made.folders.rend(); ++it)
    fs::remove(native_path(*it), ec);
}

int parse_edition(const std::string& text) {
  if (text.empty() || text.size() > 2) return 0;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n;
}

int edition_option(int argc, const char* const* argv) {
  std::string const name = "--edition";
  for (int i = 1; i < argc; ++i) {
    std::string const arg = argv[i];
    if (arg == name) return i + 1 < argc ? parse_edition(argv[i + 1]) : 0;
    if (arg.rfind(name + "=", 0) == 0) return parse_edition(arg.substr(name.size() + 1));
  }
  return 1;
}

}  // namespace vorlash
