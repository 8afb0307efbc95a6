# The Debian package: cpack -G DEB (or `cmake --build build --target package`).
# The libraries the programs link (Qt with Qt WebEngine, libmpv) are found
# by dpkg-shlibdeps, with the versions the build needs; named here are the
# packages used without linking: the OpenStreetMap page's Leaflet, the
# fonts of the Chinese and Japanese texts, Qt's own translations (file
# dialogs and standard buttons in the language chosen), and the ffmpeg
# program, which cuts and encodes clips (with DejaVu Sans for the readings
# burned into them).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin-player)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "T561")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for car dash camera recordings with their GPS track")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Tavrin Player developers <tavrin-player@example.org>" CACHE STRING
    "Maintainer of the .deb")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libjs-leaflet, fonts-noto-cjk, qttranslations5-l10n, ffmpeg, fonts-dejavu-core")
# Lines as they appear in the package (Debian keeps them under 80 columns).
set(CPACK_PACKAGE_DESCRIPTION
    "Tavrin Player groups the files of the front, rear and interior cameras
of a recording and plays them side by side with one set of controls. The
GPS and G-sensor track stored inside the recordings is shown in step with
the video: the route on a map, a speed gauge, a compass, a G-sensor chart
and the coordinates.

The package also holds track-export, which writes the GPS track of a
recording as text, GPX or CSV, tavrin-clip, which exports a range of a
recording as stream-copied channel files with its track or as one video
with the readings burned in, and tavrin-make-samples, which makes sample
recordings.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
