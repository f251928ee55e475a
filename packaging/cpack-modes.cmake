# Run by cpack on the built packages: a Debian package's ar members carry
# the modes of the files cpack made them from, which follow the umask; set
# them to 644, as dpkg-deb does. A member's header is 60 bytes: its mode
# at 40, its size at 48.
foreach(paquet IN LISTS CPACK_PACKAGE_FILES)
  if(NOT paquet MATCHES "[.]d?deb$")
    continue()
  endif()
  file(SIZE "${paquet}" fin)
  set(entete 8)
  while(entete LESS fin)
    file(READ "${paquet}" champs OFFSET ${entete} LIMIT 60)
    string(SUBSTRING "${champs}" 48 10 taille)
    string(STRIP "${taille}" taille)
    math(EXPR mode "${entete} + 40")
    execute_process(COMMAND sh -c "printf '100644  ' | dd of=\"$0\" bs=1 seek=$1 conv=notrunc status=none"
                            "${paquet}" ${mode} COMMAND_ERROR_IS_FATAL ANY)
    # Members are padded to an even length.
    math(EXPR entete "${entete} + 60 + (${taille} + 1) / 2 * 2")
  endwhile()
endforeach()
