# Run by cpack after it has installed into its staging folder, before it packs: the
# folders there were made with the umask of whoever runs cpack, so they get the mode
# every folder in the package has, 755.
file(GLOB_RECURSE flinkblick_eintraege LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(eintrag IN LISTS flinkblick_eintraege)
  if(IS_DIRECTORY "${eintrag}" AND NOT IS_SYMLINK "${eintrag}")
    file(CHMOD "${eintrag}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                        WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
