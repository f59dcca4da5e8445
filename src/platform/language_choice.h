// Which language the program speaks: "--lang ja|en" first, then the choice
// the user made in the desktop program's Language menu, then the user's
// locale. The remembered choice is a one-line file "language" in the user's
// config folder (user_config_folder), apart from the SettingsFile, whose
// format other copies of the program read.
#pragma once

#include <optional>
#include <string>

#include "base/status.h"
#include "platform/file_locations.h"
#include "text/language.h"

namespace vorlash {

// Whether the locale picks the language when nothing else does (switched
// off, every user speaks Japanese unless "--lang en" or the menu says
// otherwise).
inline constexpr bool kLocalePicksLanguage = true;

// The value of "--lang X" or "--lang=X" in argv; nullopt when absent, and
// an empty string when the option has no value.
std::optional<std::string> lang_option(int argc, const char* const* argv);

// The language of the user's locale: LC_ALL, LC_MESSAGES and LANG on POSIX
// systems, the display language on Windows.
Language locale_language();

// The remembered choice; nullopt when none was made or it cannot be read.
std::optional<Language> remembered_language(const UserEnvironment& env);
Status remember_language(const UserEnvironment& env, Language lang);

// The language to speak, from the option's value (already checked), the
// remembered choice and the locale.
Language chosen_language(std::optional<Language> option, std::optional<Language> remembered,
                         Language locale);

}  // namespace vorlash
