# The degrees' local names (carrenue) are the universities' own names, the same whatever the
# language of the program: the degree maker writes them into the Castilian folder and every other
# language folder of the data folder gets the same file.
#   cmake -DFOLDER=<data folder> -P share_language_files.cmake
file(GLOB entries LIST_DIRECTORIES true "${FOLDER}/*")
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${entry}" AND EXISTS "${entry}/textos" AND NOT entry MATCHES "/cas$")
    file(COPY "${FOLDER}/cas/carrenue" DESTINATION "${entry}")
  endif()
endforeach()
