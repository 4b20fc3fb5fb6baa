# Installs the program as a desktop program: its menu entry and its icon in the hicolor theme,
# under the names that the entry's Exec and Icon keys look up.
include(GNUInstallDirs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/detector-lab.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/app_icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME detector-lab.png)
