# Installing: the modules where the installed Firebird server looks for them (its UDF directory
# and plugins/udr, whatever the prefix: Debian's firebird3.0 or firebird4.0 packages, or upstream
# in /opt/firebird, as CMakeLists.txt found it), the scripts and the registration command under
# the prefix, and a Debian package of the same (cpack).
include(GNUInstallDirs)
set(BRINDLE_FIREBIRD_ROOT ${BRINDLE_FIREBIRD_ENGINE_DIR})
# Debian keeps the engine's configuration in /etc; upstream keeps it in the engine's folder.
if(BRINDLE_FIREBIRD_ROOT MATCHES "^/usr/lib/")
  set(BRINDLE_FIREBIRD_CONF /etc/firebird/${BRINDLE_FIREBIRD_VERSION}/firebird.conf)
else()
  set(BRINDLE_FIREBIRD_CONF ${BRINDLE_FIREBIRD_ROOT}/firebird.conf)
endif()
set(BRINDLE_UDF_DIR ${BRINDLE_FIREBIRD_ROOT}/UDF CACHE PATH "Where the legacy module Brindle_FB.so goes")
set(BRINDLE_UDR_DIR ${BRINDLE_FIREBIRD_ROOT}/plugins/udr CACHE PATH "Where the UDR module libbrindle_udr.so goes")
set(BRINDLE_DATA_DIR ${CMAKE_INSTALL_DATADIR}/brindle-fb)

install(TARGETS Brindle_FB LIBRARY DESTINATION ${BRINDLE_UDF_DIR})
install(TARGETS brindle_udr_module LIBRARY DESTINATION ${BRINDLE_UDR_DIR})
install(FILES ${BRINDLE_DECLARE_SQL} ${BRINDLE_DROP_SQL} ${BRINDLE_UDR_DECLARE_SQL} ${BRINDLE_UDR_DROP_SQL}
  DESTINATION ${BRINDLE_DATA_DIR})
install(TARGETS brindle-register RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(EXISTS ${CMAKE_SOURCE_DIR}/docs/functions.md)
  install(FILES ${CMAKE_SOURCE_DIR}/docs/functions.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/brindle-fb)
endif()

# The package installs under /usr; its postinst says how to enable each front end.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brindle-fb)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_CONTACT "Brindle_FB developers <brindle-fb@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "External SQL functions for Firebird: text, blobs, dates in 29 languages, UUIDs, numbers")
set(CPACK_DEBIAN_PACKAGE_SECTION database)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# Debian's engine of the version built for, ib_util for the modules, the client library for
# brindle-register (an upstream Firebird brings its own); the C and C++ runtimes from the
# binaries themselves when dpkg-shlibdeps is there to read them.
if(BRINDLE_FIREBIRD_ROOT MATCHES "^/usr/lib/")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "firebird${BRINDLE_FIREBIRD_VERSION}-server-core (>= ${BRINDLE_FIREBIRD_VERSION}), libib-util (>= 3.0), libfbclient2 (>= 3.0)")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "")
endif()
find_program(BRINDLE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(BRINDLE_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libc6, libstdc++6, libgcc-s1")
  string(REGEX REPLACE "^, " "" CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}")
endif()
set(BRINDLE_DATA_PATH ${CPACK_PACKAGING_INSTALL_PREFIX}/${BRINDLE_DATA_DIR})
configure_file(${CMAKE_SOURCE_DIR}/cmake/debian/postinst.in ${CMAKE_BINARY_DIR}/debian/postinst @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
