# What the Windows desktop program and its window tests need on top of the
# shared build: a statically linked Qt carries its plugins inside the
# executable and its Japanese translation inside the resources, since a
# user's machine has no Qt installation to find them in.

# The translation of Qt's own dialogs and buttons, compiled into the window
# library's resources under :/translations (shell/translation.cpp).
function(vorlash_windows_qt_translation target)
  set(qm /usr/share/qt6/translations/qtbase_ja.qm)
  if(NOT EXISTS ${qm})
    message(WARNING "${qm} is missing (qt6-translations-l10n): Qt's dialogs stay in English")
    return()
  endif()
  qt_add_resources(${target} qt_translations PREFIX /translations
                   BASE /usr/share/qt6/translations FILES ${qm})
endfunction()

# The desktop program: a window program (no console), the Windows platform
# plugin and the native style linked in (Windows printing is part of Qt's
# print support module itself), and the icon and version information from
# packaging/windows/vorlash.rc.in. The offscreen platform (a few hundred
# kilobytes) comes too, so that the program runs without a display when
# QT_QPA_PLATFORM=offscreen asks for it, as on Linux: the window tests start it.
function(vorlash_windows_program target)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  qt_import_plugins(${target} INCLUDE Qt6::QWindowsIntegrationPlugin
                    Qt6::QOffscreenIntegrationPlugin Qt6::QWindowsVistaStylePlugin)
  set(VORLASH_ICO ${PROJECT_SOURCE_DIR}/packaging/windows/vorlash.ico)
  string(REPLACE "." "," VORLASH_VERSION_COMMAS "${PROJECT_VERSION},0,0")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/vorlash.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/vorlash.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/vorlash.rc)
endfunction()

# A window test runs on the offscreen platform, so the offscreen plugin is
# linked in beside the Windows one. Qt's plugin targets are imported per
# directory: without finding Gui and Widgets here, in the tests' directory,
# qt_import_plugins does not know them and links nothing but the defaults.
function(vorlash_windows_window_test target)
  find_package(Qt6 REQUIRED COMPONENTS Gui Widgets)
  qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin
                    Qt6::QWindowsIntegrationPlugin Qt6::QWindowsVistaStylePlugin)
endfunction()
