# Installing courier-firms on Linux: the program, its desktop entry, icons and
# AppStream metadata under the usual GNU directories. DebianPackage.cmake
# turns the same rules into a Debian package with CPack.
include(GNUInstallDirs)

# The application id: the desktop entry, the metainfo file and the installed
# icon are all named after it, and the program reports it as its desktop file
# name.
set(COURIER_FIRMS_APP_ID org.example.courierfirms)

install(TARGETS courier-firms
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program ships no libraries of its own, so the installed binary needs no
# search path ($ORIGIN/../lib is what Qt's project setup would give it).
if(UNIX AND NOT APPLE)
    set_target_properties(courier-firms PROPERTIES INSTALL_RPATH "")
endif()
# The compiler's version note (.comment) comes with its start-up files; the
# installed program does without it.
if(CMAKE_OBJCOPY AND UNIX AND NOT APPLE)
    install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/courier-firms\"
        COMMAND_ERROR_IS_FATAL ANY)")
endif()

install(FILES ${COURIER_FIRMS_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${icons}/courier-firms.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
    RENAME ${COURIER_FIRMS_APP_ID}.png)
install(FILES ${icons}/courier-firms.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${COURIER_FIRMS_APP_ID}.svg)
install(FILES ${COURIER_FIRMS_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# On Linux: the manual page, the licence in Debian's machine-readable form and
# the changelog, the text files compressed as Debian keeps them (gzip -9n: no
# name or time stamp inside).
if(UNIX AND NOT APPLE)
    foreach(file courier-firms.1 changelog)
        add_custom_command(OUTPUT ${file}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${file}
            COMMAND gzip -9nf ${file}
            DEPENDS ${file}
            VERBATIM)
    endforeach()
    add_custom_target(compressed-docs ALL DEPENDS courier-firms.1.gz changelog.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/courier-firms.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/courier-firms)
endif()

include(DebianPackage.cmake)
