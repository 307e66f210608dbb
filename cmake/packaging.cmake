# Installing Bivane (the program, its desktop entry and its icons) and the Debian package that
# CPack makes of it: `cmake --install` and `cpack` in a build folder.
include(GNUInstallDirs)

install(TARGETS bivane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The PDF page renderer, where the program looks for it: beside its bin folder.
if(TARGET bivane-pdf-render)
    install(TARGETS bivane-pdf-render RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/bivane)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/bivane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icon in the sizes the desktop's hicolor theme asks for, drawn by the program itself from
# its default design, offscreen, when the program has been built.
set(bivane_icon_sizes 16 24 32 48 64 128 256 512)
set(bivane_icons)
foreach(size IN LISTS bivane_icon_sizes)
    set(icon ${PROJECT_BINARY_DIR}/icons/${size}x${size}/bivane.png)
    add_custom_command(
        OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:bivane> --export-icon ${size} ${icon}
        DEPENDS bivane
        COMMENT "Drawing the ${size} pixel icon"
        VERBATIM)
    install(FILES ${icon}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND bivane_icons ${icon})
endforeach()
add_custom_target(bivane_icons ALL DEPENDS ${bivane_icons})

# The translations are compiled into the program as resources; there is nothing to install
# for them.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bivane)
set(CPACK_PACKAGE_VENDOR "Bivane")
set(CPACK_PACKAGE_CONTACT "Bivane maintainers <bivane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keyboard-driven two-pane file manager")
set(CPACK_PACKAGE_DESCRIPTION
    "Bivane shows two folders side by side and copies or moves items from the active pane into \
the other, with the everyday file commands, archives, a preview, themes (also text-mode ones \
with a function-key bar) and rebindable keyboard shortcuts. German user interface with \
English, Turkish and French translations.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps turns the libraries the program links (Qt, GLib) into dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Packing and unpacking run these tools; the icons of the views come from an icon theme.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "zip, unzip, tar")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "adwaita-icon-theme, hicolor-icon-theme")
set(CPACK_STRIP_FILES ON)
include(CPack)
