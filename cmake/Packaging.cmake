# `cpack -G DEB` in a build folder: a Debian package of the desktop program,
# its desktop entry and icon. Library dependencies come from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME "mochou-qichun")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "墨筹-气纯版")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "墨筹-气纯版: damage-expectation calculator for the 气纯 discipline of 剑网3")
set(CPACK_PACKAGE_CONTACT "mochou-qichun maintainers <maintainers@mochou-qichun.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plugins there; the program shows nothing without one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
