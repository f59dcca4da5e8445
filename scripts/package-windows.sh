#!/bin/sh
# Packages the Windows program for users: a portable zip per Edition (a
# folder that runs where it is unpacked: vorlash.exe beside the Edition's
# DataFile, SettingsFile, UserHotelFile and manual) and one 64-bit installer
# for all three Editions (packaging/windows/vorlash.nsi).
#
#   sh scripts/package-windows.sh WINDOWS_BUILD NATIVE_BUILD OUT_DIR
# WINDOWS_BUILD holds bin/vorlash.exe and bin/vorlash-cli.exe; NATIVE_BUILD
# the sample program folders (bin/, edition2/, edition3/).
set -e
windows=$(realpath "$1")
native=$(realpath "$2")
out=$(realpath -m "$3")
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(vorlash VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$out"

# The executables without their debugging symbols: a third of the size.
mkdir -p "$stage/bin"
for exe in vorlash vorlash-cli; do
  x86_64-w64-mingw32-strip -o "$stage/bin/$exe.exe" "$windows/bin/$exe.exe"
done

# An Edition's files, as the program folder or the installed data folder
# holds them; the manual goes by the help file name the help menu opens.
edition_files() {  # edition number, destination
  case $1 in
    1) from=$native/bin ini=vorlash2.ini ;;
    2) from=$native/edition2 ini=vorlash3.ini ;;
    3) from=$native/edition3 ini=vorlash4.ini ;;
  esac
  mkdir -p "$2"
  cp "$from/vorlashj.dat" "$from/$ini" "$from/hotelusr.csv" "$2/"
  cp docs/manual.html "$2/vorlash2.html"
}

for edition in 1 2 3; do
  name=vorlash-$version-edition$edition
  edition_files "$edition" "$stage/$name"
  cp "$stage/bin/vorlash.exe" "$stage/$name/"
  rm -f "$out/$name.zip"
  (cd "$stage" && zip -q -r -X "$out/$name.zip" "$name")
  edition_files "$edition" "$stage/share/vorlash/edition$edition"
done
echo "portable: $out/vorlash-$version-edition{1,2,3}.zip"

cp packaging/windows/vorlash.ico "$stage/"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
  -DOUTFILE="$out/vorlash-$version-setup.exe" packaging/windows/vorlash.nsi
echo "installer: $out/vorlash-$version-setup.exe"
