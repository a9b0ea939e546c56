# Copies SORGENTE into DESTINAZIONE. Files below schemi/ are copied only when missing, so a rebuild never
# replaces the player's current puzzle or library; every other data file is brought up to date.
file(GLOB_RECURSE dati RELATIVE ${SORGENTE} ${SORGENTE}/*)
foreach(f IN LISTS dati)
    set(destinazione ${DESTINAZIONE}/${f})
    if(f MATCHES "^schemi/" AND EXISTS ${destinazione})
        continue()
    endif()
    get_filename_component(cartella ${destinazione} DIRECTORY)
    file(MAKE_DIRECTORY ${cartella})
    file(COPY_FILE ${SORGENTE}/${f} ${destinazione} ONLY_IF_DIFFERENT)
endforeach()
file(MAKE_DIRECTORY ${DESTINAZIONE}/schemi)
