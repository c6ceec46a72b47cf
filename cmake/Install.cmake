# cmake --install puts the program in bin/ and its language libraries in lib/thermreport/; the
# desktop files are installed by data/. The sample generator and the demo project tool stay in the
# build folder.
install(TARGETS thermreport RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS qvx_japanese LIBRARY DESTINATION ${THERMREPORT_LANGUAGE_INSTALL_DIR})

# The Debian package, written by tools/package.sh. CPack installs what the build made and builds
# nothing itself: the installed targets are built first, and the rest of the tree (tests,
# benchmarks) is not needed for a package.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME thermreport)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "thermography report writer")
set(CPACK_PACKAGE_DESCRIPTION
    "thermreport turns the snapshots of a handheld radiometric thermal camera into a paginated PDF\n\
inspection report. It converts the raw sensor values into corrected temperatures, shows them in\n\
false colour, lets the inspector pair each snapshot with a photo and fill in the data of every\n\
inspection, and keeps the work in a project file. File managers show previews of the snapshots.")
set(CPACK_PACKAGE_CONTACT "thermreport developers <thermreport@example.org>" CACHE STRING
    "The package maintainer, as \"Name <address>\"")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries; the fonts are the ones the report embeds, and the Japanese
# texts need a CJK font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
include(CPack)
