# The installed program: the executable, its window program and export module, the menu entry
# with its icons, the AppStream description and the manual page, where a Linux desktop looks for
# them; and the Debian package of all that (`make package`).
set(DESKTOP_ID no.lirvenda.Lirvenda)
set(DESKTOP_DATA ${CMAKE_SOURCE_DIR}/data/desktop)

install(TARGETS lirvenda RUNTIME DESTINATION bin)
install(TARGETS lirvenda-window RUNTIME DESTINATION ${MODULE_INSTALL_DIR})
install(TARGETS lirvenda_calc LIBRARY DESTINATION ${MODULE_INSTALL_DIR})
install(FILES ${DESKTOP_DATA}/${DESKTOP_ID}.desktop DESTINATION share/applications)
install(FILES ${DESKTOP_DATA}/${DESKTOP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${DESKTOP_DATA}/lirvenda.1 DESTINATION share/man/man1)
install(FILES ${DESKTOP_DATA}/lirvenda.svg DESTINATION share/icons/hicolor/scalable/apps)

# The shells' completion is written by the program from its own commands when it is built, in
# the program's own language, so the files are the same whatever language the builder uses.
foreach(shell bash zsh)
  set(script ${CMAKE_BINARY_DIR}/completion/${shell})
  add_custom_command(OUTPUT ${script}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/completion
    COMMAND ${CMAKE_COMMAND} -E env LIRVENDA_LANG=C $<TARGET_FILE:lirvenda> completion ${shell} > ${script}
    DEPENDS lirvenda)
  list(APPEND COMPLETION_SCRIPTS ${script})
endforeach()
add_custom_target(completion ALL DEPENDS ${COMPLETION_SCRIPTS})
install(FILES ${CMAKE_BINARY_DIR}/completion/bash DESTINATION share/bash-completion/completions RENAME lirvenda)
install(FILES ${CMAKE_BINARY_DIR}/completion/zsh DESTINATION share/zsh/vendor-completions RENAME _lirvenda)

# The PNG icons are rendered from the SVG picture when the program is built.
add_executable(render_icon src/tools/render_icon.cpp)
target_link_libraries(render_icon PRIVATE Qt6::Gui Qt6::Svg)
foreach(size 16 22 24 32 48 64 128 256)
  set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/lirvenda.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:render_icon> ${DESKTOP_DATA}/lirvenda.svg ${size} ${icon}
    DEPENDS render_icon ${DESKTOP_DATA}/lirvenda.svg)
  list(APPEND ICONS ${icon})
  install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(icons ALL DEPENDS ${ICONS})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lirvenda)
set(CPACK_PACKAGE_VENDOR "The Lirvenda developers")
set(CPACK_PACKAGE_CONTACT "The Lirvenda developers <lirvenda@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diary of species observations for birders")
set(CPACK_PACKAGE_DESCRIPTION "Records species observations (count, sex, age, breeding activity, place, \
coordinates, nest data, observers) in an encrypted store, reports them to the national portal as filled \
spreadsheet templates, searches the archive, draws yearly statistics and takes positions from a GPS \
receiver or a map program.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The dependencies are read from the libraries the executable is linked to, when the package is
# made (cmake/PackageDependencies.cmake). The export module's office libraries are left out:
# LibreOffice is only needed for the export, which says so when it is missing: a recommendation.
# Calc without its windows is all the export needs; the two conflict, and either will do.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-calc-nogui | libreoffice-calc")
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/PackageDependencies.cmake
  INPUT ${CMAKE_SOURCE_DIR}/cmake/PackageDependencies.cmake.in)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/PackageDependencies.cmake)
include(CPack)
