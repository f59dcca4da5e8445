#include "board/about.h"

#include "board/board_texts.h"
#include "data/file_io.h"
#include "data/file_paths.h"
#include "platform/file_locations.h"

namespace vorlash {

std::string about_text(const AppState& state) {
  namespace tx = board_text;
  std::string out;
  auto const line = [&](std::string_view label, std::string_view value) {
    out.append(label).append(value).append("\n");
  };
  out.append(tx::kAboutTitleOpen)
      .append(state.edition_title)
      .append(tx::kAboutTitleClose)
      .append("\n");
  line(tx::kAboutVersion, state.version_text + " (vorlash)");
  line(tx::kAboutEdition, std::to_string(state.edition));
  out.append(tx::kAboutDataDateOpen).append(state.data_date_text).append(tx::kAboutDataDateClose);
  out.append("\n\n");
  line(tx::kAboutDataFile, program_path(state.program_folder, state.data_file_name));
  line(tx::kAboutSettingsFile, settings_file_path(state));
  line(tx::kAboutUserHotelFile, user_hotel_file_path(state, state.program_folder));
  out.pop_back();
  return out;
}

}  // namespace vorlash
