// Where the program's files live.
//
// A portable program folder holds the DataFile beside the executable and
// keeps every file there, the settings and the user's hotels included. An
// installed program (no DataFile beside the executable) reads the DataFile
// and the manual from its Edition's read-only data folder under share/ and
// keeps the SettingsFile and the UserHotelFile in the user's own folders,
// copied from the installed defaults on the first start. The layout decides
// the mode, never whether a folder happens to be writable.
#pragma once

#include <string>
#include <vector>

#include "base/status.h"

namespace vorlash {

// The Edition data folders, relative to the folder of the installed
// executables (bin/ and share/ side by side under the prefix).
inline constexpr char kInstalledDataFromBin[] = "../share/vorlash";

// The environment variables that name the user's folders.
struct UserEnvironment {
  std::string home;             // HOME
  std::string xdg_config_home;  // XDG_CONFIG_HOME
  std::string xdg_data_home;    // XDG_DATA_HOME
  std::string appdata;          // APPDATA (Windows)
};

// Reads UserEnvironment from this process's environment.
UserEnvironment process_environment();

// The program's own folder among the user's settings, shared by every
// Edition and layout ($XDG_CONFIG_HOME/vorlash, ~/.config/vorlash, or
// %APPDATA%\vorlash); empty when the environment names no home.
std::string user_config_folder(const UserEnvironment& env);

struct FileLocations {
  bool installed = false;
  std::string data_folder;       // DataFile and manual
  std::string settings_folder;   // SettingsFile
  std::string user_data_folder;  // UserHotelFile; also where per-user lock files belong
};

// The folder of the running executable; argv0 only when the system cannot
// tell.
std::string executable_folder(const char* argv0);

// Every file in one folder: a program folder named explicitly (--dir).
FileLocations portable_locations(const std::string& folder);

// True when the folder holds a DataFile or a SettingsFile of any Edition.
bool is_portable_folder(const std::string& folder);

// Portable when exe_folder is a portable folder; otherwise installed, with the
// data folder of `edition` and the user's folders from env. Fails only when
// the user's home cannot be told.
Status locate_files(const std::string& exe_folder, int edition, const UserEnvironment& env,
                    FileLocations& out);

// What one prepare_user_folders made, so that a start that fails after it
// can take exactly that back.
struct PreparedUserFiles {
  std::vector<std::string> folders;  // created, each before the folders inside it
  std::vector<std::string> files;    // defaults copied in
};

// First start of an installed program: creates the user's folders and copies
// each default SettingsFile (*.ini) and the UserHotelFile that is not there
// yet from the data folder. Never overwrites; nothing to do when portable.
// An Edition whose data folder holds no DataFile is refused before any
// folder is made; a failure half-way takes back what this call made.
Status prepare_user_folders(const FileLocations& locations, PreparedUserFiles& made);

// Removes the copies and then the folders of made, innermost first. A folder
// that has since received anything else stays, and so does its content:
// nothing that was there before the start, or that someone else put there,
// is touched.
void undo_user_folders(const PreparedUserFiles& made);

// An Edition number 1..99 from its text; 0 when it is not one.
int parse_edition(const std::string& text);

// The Edition chosen by "--edition N" or "--edition=N" in argv (1 when
// absent); 0 when the value is not an Edition number.
int edition_option(int argc, const char* const* argv);

}  // namespace vorlash
