#include "platform/language_choice.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/file_texts.h"
#include "platform/native_path.h"
#include "platform/safe_file.h"
#include "platform/system_error.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace vorlash {

namespace {

constexpr char kLanguageFileName[] = "language";

std::string language_file(const UserEnvironment& env) {
  std::string const folder = user_config_folder(env);
  return folder.empty() ? std::string() : utf8_path(native_path(folder) / kLanguageFileName);
}

}  // namespace

std::optional<std::string> lang_option(int argc, const char* const* argv) {
  std::string_view const name = "--lang";
  for (int i = 1; i < argc; ++i) {
    std::string_view const arg = argv[i];
    if (arg == name) return i + 1 < argc ? std::string(argv[i + 1]) : std::string();
    if (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=')
      return std::string(arg.substr(name.size() + 1));
  }
  return std::nullopt;
}

Language locale_language() {
#if defined(_WIN32)
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_ENGLISH ? Language::en : Language::ja;
#else
  auto value = [](char const* name) {
    char const* v = std::getenv(name);
    return std::string_view(v ? v : "");
  };
  return language_from_locale(value("LC_ALL"), value("LC_MESSAGES"), value("LANG"));
#endif
}

std::optional<Language> remembered_language(const UserEnvironment& env) {
  std::string const path = language_file(env);
  if (path.empty() || !file_exists(path)) return std::nullopt;
  std::string bytes;
  if (!read_regular_file(path, kMaxTextFileSize, bytes)) return std::nullopt;
  while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.pop_back();
  return parse_language(bytes);
}

Status remember_language(const UserEnvironment& env, Language lang) {
  std::string const folder = user_config_folder(env);
  if (folder.empty()) return Status::failure(std::string(file_text::kNoUserFolder));
  std::error_code ec;
  std::filesystem::create_directories(native_path(folder), ec);
  if (ec)
    return path_failure(folder, file_text::kCannotCreateFolder,
                        filesystem_reason(ec, FileAccess::write));
  return replace_file(language_file(env), std::string(language_code(lang)) + "\n");
}

Language chosen_language(std::optional<Language> option, std::optional<Language> remembered,
                         Language locale) {
  if (option) return *option;
  if (remembered) return *remembered;
  return kLocalePicksLanguage ? locale : Language::ja;
}

}  // namespace vorlash
