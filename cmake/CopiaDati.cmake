# Copies SORGENTE into DESTINAZIONE. Files below schemi/ are copied only when missing, so a rebuild never
# replaces the player's current puzzle or library; every other data file is brought up to date. Names
# compare without regard to case, as the game's do: schemi/SCHEMA.txt there keeps schema.txt from
# being added beside it.
file(GLOB_RECURSE dati RELATIVE ${SORGENTE} ${SORGENTE}/*)
file(GLOB presenti RELATIVE ${DESTINAZIONE}/schemi ${DESTINAZIONE}/schemi/*)
string(TOLOWER "${presenti}" presenti)
foreach(f IN LISTS dati)
    set(destinazione ${DESTINAZIONE}/${f})
    if(f MATCHES "^schemi/")
        string(REGEX REPLACE "^schemi/" "" nome "${f}")
        string(TOLOWER "${nome}" nome)
        list(FIND presenti "${nome}" presente)
        if(EXISTS ${destinazione} OR NOT presente EQUAL -1)
            continue()
        endif()
    endif()
    get_filename_component(cartella ${destinazione} DIRECTORY)
    file(MAKE_DIRECTORY ${cartella})
    file(COPY_FILE ${SORGENTE}/${f} ${destinazione} ONLY_IF_DIFFERENT)
endforeach()
file(MAKE_DIRECTORY ${DESTINAZIONE}/schemi)
