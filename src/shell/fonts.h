// The fixed-pitch font of lists, grids and printouts, so that columns line
// up: "ＭＳ ゴシック" where it exists, else an installed Japanese fixed-pitch
// font (the set-up installs IPAGothic).
#pragma once

#include <QFont>
#include <QStringList>

namespace vorlash {

// The families asked for, in order of preference.
QStringList fixed_pitch_families();

QFont fixed_pitch_font(int point_size);

}  // namespace vorlash
