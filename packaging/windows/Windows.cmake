# courier-firms on Windows: one .exe carrying its icon and version record, a
# GUI program without a console window, installed alone in its folder under
# Program Files. `cpack` in the build directory makes the installer
# courier-firms-<version>-win64.exe (NSIS) and the portable
# courier-firms-<version>-win64.zip, which holds the .exe and nothing else.
# The .rc names the icon without a path; the include path finds it in
# window/icons.
target_sources(courier-firms PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/windows/courier-firms.rc)
target_include_directories(courier-firms PRIVATE ${icons})
set_target_properties(courier-firms PROPERTIES WIN32_EXECUTABLE ON)
install(TARGETS courier-firms RUNTIME DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_VERSION ${PROJECT_DISPLAY_VERSION})
set(CPACK_PACKAGE_FILE_NAME courier-firms-${PROJECT_DISPLAY_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Courier Firms")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY courier-firms)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

# The installer: for all users, under the 64-bit Program Files; a Start-menu
# shortcut and an entry among the installed programs, both with the
# program's own name and icon. Its pages are in the language of Windows when
# NSIS has it (Bulgarian among them), and in English otherwise. Unicode, so
# the Cyrillic names survive; 64-bit, as the program is. The installer keeps
# no file's time (the installed files take the time of installing), so the
# same sources give the same installer, wherever and whenever it is built.
# It refuses a Windows older than Qt's oldest (refuse-older-windows.nsh).
set(product "Куриерски фирми")
set(CPACK_PACKAGE_EXECUTABLES courier-firms "${product}")
set(CPACK_NSIS_PACKAGE_NAME "${product}")
set(CPACK_NSIS_DISPLAY_NAME "${product}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME courier-firms.exe)
set(CPACK_NSIS_MUI_ICON ${icons}/courier-firms.ico)
set(CPACK_NSIS_MUI_UNIICON ${icons}/courier-firms.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_DEFINES "Unicode true\n  Target amd64-unicode\n  SetDateSave off
  !include '${CMAKE_CURRENT_LIST_DIR}/refuse-older-windows.nsh'")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")

include(CPack)
