# What `cmake --install` puts where (GNU install folders under the prefix):
#   bin/pheltra, bin/pheltra-cli
#   lib/libvornak.so.1 ... (the four data libraries) with their C headers in
#     include/pheltra/ and lib/pkgconfig/pheltra.pc
#   share/pheltra/CmpMix.dat, the compound library the programs fall back to
#   share/applications, share/icons/hicolor, share/metainfo, share/man/man1
#   share/doc/pheltra/copyright
# Everything is found relative to the executables, so an installed or
# unpacked tree works from any prefix.

# The executables find the data libraries through a relative RPATH.
file(RELATIVE_PATH lib_from_bin /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${CMAKE_INSTALL_LIBDIR})
set_target_properties(pheltra pheltra-cli PROPERTIES INSTALL_RPATH "$ORIGIN/${lib_from_bin}")
install(TARGETS pheltra pheltra-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_SOURCE_DIR}/data/CmpMix.dat DESTINATION ${CMAKE_INSTALL_DATADIR}/pheltra)

# pkg-config file, relocatable: its prefix is found from its own folder.
file(RELATIVE_PATH PHELTRA_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${CMAKE_SOURCE_DIR}/cmake/pheltra.pc.in ${CMAKE_BINARY_DIR}/pheltra.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/pheltra.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The copyright file of the package: the notice, then the licence.
file(READ ${CMAKE_SOURCE_DIR}/NOTICE notice)
file(READ ${CMAKE_SOURCE_DIR}/LICENSE license)
file(WRITE ${CMAKE_BINARY_DIR}/copyright "${notice}\n\n${license}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/NOTICE ${CMAKE_SOURCE_DIR}/LICENSE)
install(FILES ${CMAKE_BINARY_DIR}/copyright ${CMAKE_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pheltra)
