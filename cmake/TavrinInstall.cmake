# What `cmake --install` puts under the prefix:
#   ${TAVRIN_APP_INSTALL_DIR}/TavrinPlayer      the program; it finds the files
#                                               beside it from its own location
#   bin/TavrinPlayer                            a relative link to it
#   bin/track-export, bin/tavrin-clip,
#   bin/tavrin-make-samples                     the helper commands
#   share/applications/<id>.desktop             menu entry, "Open with" video types
#   share/metainfo/<id>.metainfo.xml            AppStream metadata
#   share/icons/hicolor/<N>x<N>/apps/<id>.png   the icon, drawn at build time
# The compiled translations are not installed: the program loads them only
# from its resource bundle.

set(TAVRIN_APP_ID "org.t561.TavrinPlayer")

install(TARGETS TavrinPlayer RUNTIME DESTINATION ${TAVRIN_APP_INSTALL_DIR})
install(TARGETS track-export tavrin-clip tavrin-make-samples RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Relative, so that the link holds wherever the prefix is moved to (a .deb's
# staging folder, DESTDIR).
file(RELATIVE_PATH tavrin_link_target "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${TAVRIN_APP_INSTALL_DIR}/TavrinPlayer")
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bin}\")
  message(STATUS \"Installing: \${bin}/TavrinPlayer -> ${tavrin_link_target}\")
  file(CREATE_LINK \"${tavrin_link_target}\" \"\${bin}/TavrinPlayer\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${bin}/TavrinPlayer\")
")

set(desktop_dir ${PROJECT_BINARY_DIR}/desktop)
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/tavrin-player.desktop.in
               ${desktop_dir}/${TAVRIN_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/tavrin-player.metainfo.xml.in
               ${desktop_dir}/${TAVRIN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${desktop_dir}/${TAVRIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${TAVRIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon sizes must match ArtworkPainter::applicationIconSizes().
set(TAVRIN_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_files)
foreach(size IN LISTS TAVRIN_ICON_SIZES)
  set(png ${desktop_dir}/icons/hicolor/${size}x${size}/apps/${TAVRIN_APP_ID}.png)
  list(APPEND icon_files ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:tavrin_artwork> --icons ${desktop_dir}/icons ${TAVRIN_APP_ID}
  DEPENDS tavrin_artwork
  COMMENT "Drawing the application icon"
  VERBATIM)
add_custom_target(application_icons ALL DEPENDS ${icon_files})
