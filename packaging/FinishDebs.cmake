# Run by CPack once the packages are written (CPACK_POST_BUILD_SCRIPTS): the
# two control details CPack's DEB generator cannot express, set by unpacking
# and repacking the package they concern.
#   fonts-zindra  Multi-Arch: foreign, so a program of any architecture may
#                 depend on the faces
#   libzindra0    no postinst and postrm: CPack writes them to call ldconfig,
#                 which the package's ldconfig trigger already does
find_program(DPKG_DEB dpkg-deb REQUIRED)

function(repack deb)
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/repack)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND ${DPKG_DEB} --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(name ${deb} NAME)
    if(name MATCHES "^fonts-zindra_")
        file(READ ${tree}/DEBIAN/control control)
        string(REGEX REPLACE "\nSection:" "\nMulti-Arch: foreign\nSection:" control "${control}")
        file(WRITE ${tree}/DEBIAN/control "${control}")
    elseif(name MATCHES "^libzindra0_")
        file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
    else()
        return()
    endif()
    execute_process(COMMAND ${DPKG_DEB} --root-owner-group -Zxz --build ${tree} ${deb}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endfunction()

foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    repack(${deb})
endforeach()
