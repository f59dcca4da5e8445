; The Windows installer: the program and the three Editions' data under
; Program Files (the same bin\ and share\vorlash\editionN\ layout as on
; Linux, which tells the program it is installed), a Start-menu shortcut per
; Edition and an entry in Apps & features. The user's own files live in
; %APPDATA%\vorlash and stay when the program is removed.
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.59 -DSTAGE=<staged tree> -DOUTFILE=<setup.exe> vorlash.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "ソルマー時刻表&ホテル情報"
!define MENU_FOLDER "ソルマー時刻表"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\vorlash"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\vorlash"
Icon "${STAGE}\vorlash.ico"
UninstallIcon "${STAGE}\vorlash.ico"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "vorlash"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; One Start-menu shortcut per Edition; Edition 1 is the plain program.
!macro EditionShortcut NAME ARGS
  CreateShortcut "$SMPROGRAMS\${MENU_FOLDER}\${NAME}.lnk" "$INSTDIR\bin\vorlash.exe" "${ARGS}" \
    "$INSTDIR\bin\vorlash.exe" 0
!macroend

Section
  SetShellVarContext all
  SetRegView 64
  SetOutPath "$INSTDIR\bin"
  File "${STAGE}\bin\vorlash.exe"
  File "${STAGE}\bin\vorlash-cli.exe"
  SetOutPath "$INSTDIR\share\vorlash"
  File /r "${STAGE}\share\vorlash\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${MENU_FOLDER}"
  !insertmacro EditionShortcut "ソルマー時刻表（東海道・山陽新幹線編）＆ホテル情報" ""
  !insertmacro EditionShortcut "ソルマー時刻表（東北・山形・秋田新幹線編）＆ホテル情報" "--edition 2"
  !insertmacro EditionShortcut "ソルマー時刻表（上越・長野行新幹線編）＆ホテル情報" "--edition 3"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "vorlash"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\vorlash.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  SetRegView 64
  RMDir /r "$SMPROGRAMS\${MENU_FOLDER}"
  Delete "$INSTDIR\bin\vorlash.exe"
  Delete "$INSTDIR\bin\vorlash-cli.exe"
  RMDir "$INSTDIR\bin"
  RMDir /r "$INSTDIR\share\vorlash"
  RMDir "$INSTDIR\share"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
