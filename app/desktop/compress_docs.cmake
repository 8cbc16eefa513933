# Run by CPack in its staging folder before the Debian package is made: Debian wants manual pages
# and the changelog compressed with gzip -9n, while a plain install keeps zef.1 as it is.
file(GLOB_RECURSE documents
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man1/zef.1"
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/zef/changelog")
if(NOT documents)
    message(FATAL_ERROR "no manual page or changelog below ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(document IN LISTS documents)
    execute_process(COMMAND gzip -9nf "${document}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip ${document} failed")
    endif()
endforeach()
