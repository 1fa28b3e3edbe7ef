# The Debian package: `cpack -G DEB` in the build folder writes
# pheltra_<version>_<arch>.deb with everything `cmake --install` puts under
# /usr. Its dependencies come from dpkg-shlibdeps (the shared libraries the
# executables and data libraries link), its copyright file from NOTICE and
# LICENSE (see PheltraInstall.cmake).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pheltra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Pheltra developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photon interaction coefficients of materials")
set(CPACK_PACKAGE_DESCRIPTION
    "Pheltra looks up and plots photon interaction coefficients (mass coefficients,
cm2/g) of elements, compounds and mixtures against photon energy, with the
absorption edges of their elements: total attenuation, its partial processes,
energy transfer and energy absorption from two data sources. It shows the
composition, electrons per gram and effective atomic number of each absorber
and the atomic data of any element, and saves or prints reports and the graph.
The package holds the program, the batch tool pheltra-cli, the compound
library and the data libraries with their C headers and pkg-config file.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "the Pheltra developers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The data libraries are the package's own: dpkg-shlibdeps finds them in the
# package tree, and a shlibs file tells other packages about them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_INSTALL_LIBDIR})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build/;/\\\\.git/")
include(CPack)
