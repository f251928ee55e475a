# Installs the build into a scratch prefix and checks the result the way a
# desktop would read it. Run with -DBUILD=<build dir> -DRACINE=<scratch dir>.
file(REMOVE_RECURSE ${RACINE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${RACINE}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

set(entree ${RACINE}/share/applications/org.example.Dravoune.desktop)
execute_process(COMMAND desktop-file-validate ${entree} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND appstreamcli validate --no-net
                        ${RACINE}/share/metainfo/org.example.Dravoune.metainfo.xml
                COMMAND_ERROR_IS_FATAL ANY)

# The entry starts the program where its tick is found, under the prefix
# it was installed to, by a name that the prefix's bin directory holds.
file(STRINGS ${entree} lignes)
foreach(cle Exec Path Icon)
  list(FILTER lignes EXCLUDE REGEX "^${cle}\\[")
endforeach()
string(REGEX MATCH "Path=([^;]*)" _ "${lignes}")
set(chemin ${CMAKE_MATCH_1})
string(REGEX MATCH "Exec=([^;]*)" _ "${lignes}")
set(programme ${CMAKE_MATCH_1})
string(REGEX MATCH "Icon=([^;]*)" _ "${lignes}")
set(icone ${CMAKE_MATCH_1})
if(NOT chemin STREQUAL "${RACINE}/share/dravoune" OR NOT EXISTS ${chemin}/assets/tic-ancien1.wav)
  message(FATAL_ERROR "Path=${chemin} does not hold assets/tic-ancien1.wav")
endif()
if(NOT EXISTS ${RACINE}/bin/${programme})
  message(FATAL_ERROR "Exec=${programme} is not in ${RACINE}/bin")
endif()
foreach(cote 16 24 32 48 64 128 256 512)
  set(fichier ${RACINE}/share/icons/hicolor/${cote}x${cote}/apps/${icone}.png)
  execute_process(COMMAND identify -format "%w %h" ${fichier} OUTPUT_VARIABLE taille
                  COMMAND_ERROR_IS_FATAL ANY)
  if(NOT taille STREQUAL "${cote} ${cote}")
    message(FATAL_ERROR "${fichier} is ${taille}, not ${cote}x${cote}")
  endif()
endforeach()
