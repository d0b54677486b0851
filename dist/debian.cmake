# The Debian binary package, built by `cpack` (scripts/package) from what the
# install rules above lay out under /usr, plus the files Debian asks of every
# package: a compressed manual page, the copyright and the changelog.

set(BEAMWISE_DEB_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/beamwise)

# Debian wants the manual page and the changelog compressed with gzip -9n: the
# -n keeps the file's name and time out of the archive, so rebuilds come out
# byte for byte the same.
find_program(BEAMWISE_GZIP gzip REQUIRED)
set(beamwise_gzipped)
foreach(name IN ITEMS beamwise.1 changelog)
    # The manual page tells the version it takes from project().
    set(plain ${CMAKE_CURRENT_BINARY_DIR}/dist/${name})
    configure_file(dist/${name} ${plain}.in @ONLY)
    add_custom_command(OUTPUT ${plain}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${plain}.in ${plain}
        COMMAND ${BEAMWISE_GZIP} -9nf ${plain}
        DEPENDS ${plain}.in
        COMMENT "Compressing ${name}"
        VERBATIM)
    list(APPEND beamwise_gzipped ${plain}.gz)
endforeach()
add_custom_target(beamwise_debian_docs ALL DEPENDS ${beamwise_gzipped})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/dist/beamwise.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES dist/copyright DESTINATION ${BEAMWISE_DEB_DOCDIR})
# A version without a Debian revision makes this a native package, whose
# changelog is changelog.gz rather than changelog.Debian.gz.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/dist/changelog.gz DESTINATION ${BEAMWISE_DEB_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME beamwise)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Parabolic Instruments <support@parabolic-instruments.example>")
set(CPACK_PACKAGE_VENDOR "Parabolic Instruments")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.parabolic-instruments.example)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "slide rule of nomograms for dish antennas")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Beamwise is a desktop slide rule for dish (reflector) antennas, made of two
nomograms of printed-style logarithmic scales.

On the upper nomogram, set the frequency under the antenna diameter, then
read the gain above any aperture efficiency from 10 to 100 % and the
beamwidth under the 3 dB and 10 dB marks.

On the lower nomogram, set the diameter against the frequency and read the
far-field distance 2D²/λ under the mark.

It can also print the readings on the command line, without a window.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the typeface is only looked up by
# name at run time, so no linker-level tool can see it. Qt's X11 platform
# plugin needs no entry: Debian ships it in libqt6gui6, which shlibdeps names
# (qt6-qpa-plugins holds only the VNC and touch plugins).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# Beamwise's own translations are in the program; Qt's words (OK, Cancel, the file
# dialog) in the user's language come from Qt's translations, where installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
