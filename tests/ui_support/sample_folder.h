// The window tests run on the sample program folder, which building them
// builds first; a missing file fails the test and names the file, so that a
// green run never hides tests that did not run.
#pragma once

#include <QFile>
#include <QString>
#include <QTest>

#define VORLASH_REQUIRE_SAMPLE_FILE(path)                                  \
  do {                                                                     \
    const QString required_file = (path);                                  \
    if (!QFile::exists(required_file))                                     \
      QFAIL(qPrintable(QStringLiteral("missing file: ") + required_file)); \
  } while (false)

#define VORLASH_REQUIRE_SAMPLE() \
  VORLASH_REQUIRE_SAMPLE_FILE(QStringLiteral(VORLASH_SAMPLE_DIR "/vorlashj.dat"))
