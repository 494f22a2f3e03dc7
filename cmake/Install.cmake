# Installation: headers under include/zarvo_widgets (the repository's include paths kept), the
# two static libraries, the resources under share/zarvo_widgets and a CMake package, so that an
# outside project writes find_package(ZarvoWidgets) and links zarvo::mvp_desktop2d_widgets.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZARVO_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/zarvo_widgets)
set(ZARVO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/zarvo_widgets)
set(ZARVO_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZarvoWidgets)

foreach(folder host source generated)
  install(DIRECTORY ${ZARVO_SOURCE_ROOT}/${folder}/ DESTINATION ${ZARVO_INSTALL_INCLUDEDIR}/${folder}
          FILES_MATCHING PATTERN "*.h")
endforeach()
install(DIRECTORY ${ZARVO_RESOURCE_ROOT}/ DESTINATION ${ZARVO_INSTALL_DATADIR}/resources)

set_target_properties(zarvo_host PROPERTIES EXPORT_NAME host)
set_target_properties(mvp_desktop2d_widgets PROPERTIES EXPORT_NAME mvp_desktop2d_widgets)
install(TARGETS zarvo_host mvp_desktop2d_widgets EXPORT ZarvoWidgetsTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${ZARVO_INSTALL_INCLUDEDIR})
install(EXPORT ZarvoWidgetsTargets NAMESPACE zarvo:: DESTINATION ${ZARVO_INSTALL_CMAKEDIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ZarvoWidgetsConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/ZarvoWidgetsConfig.cmake
                              INSTALL_DESTINATION ${ZARVO_INSTALL_CMAKEDIR}
                              PATH_VARS ZARVO_INSTALL_INCLUDEDIR ZARVO_INSTALL_DATADIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ZarvoWidgetsConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ZarvoWidgetsConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/ZarvoWidgetsConfigVersion.cmake
        DESTINATION ${ZARVO_INSTALL_CMAKEDIR})
