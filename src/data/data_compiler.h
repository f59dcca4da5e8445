// The DataFile compiler and exporter.
//
// A source folder (tab-separated UTF-8 files, described in
// docs/data-sources.md) compiles into the bytes of a DataFile; a DataFile that
// the compiler wrote exports back to a folder that compiles into the same
// bytes. Every error names the source file and line.
#pragma once

#include <map>
#include <string>

#include "base/status.h"
#include "data/app_state.h"
#include "data/data_source.h"

namespace vorlash {

// Source file name -> its UTF-8 text.
using SourceTexts = std::map<std::string, std::string>;

// Reads every source file of the folder.
Status read_source_texts(const std::string& dir, SourceTexts& texts);

// Parses the source texts into the model. Syntax errors (headers, numbers,
// times, column counts, a missing file) are reported here, all of them at
// once; ranges and references are checked by write_data_file.
Status parse_data_source(const SourceTexts& texts, DataSource& source);

// Checks the model against everything the file layout can hold and encodes
// it. On success bytes holds the whole DataFile, control block last.
Status write_data_file(const DataSource& source, std::string& bytes);

// read_source_texts, parse_data_source and write_data_file in one.
Status compile_data_folder(const std::string& dir, std::string& bytes);

// The model of loaded tables: the Edition, the region, district, Keiyo,
// Shinkansen and fare tables, and the DataFile hotels in slots U+1..U+N with
// their regions unfolded.
Status data_source_from_state(const AppState& state, DataSource& source);

// The source texts of a model in the compiler's canonical form. A text that a
// source file cannot carry (a tab or line break, a first column that would
// read as a comment, a time that is not H:MM) is an error.
Status format_data_source(const DataSource& source, SourceTexts& texts);

// format_data_source, then writes the files into dir as the output folder
// of export-data (data/output_folder.h: data_source_output).
Status write_data_source(const DataSource& source, const std::string& dir);

// Reads a DataFile and writes its sources into dir (as write_data_source).
Status export_data_file(const std::string& data_file, const std::string& dir);

}  // namespace vorlash
