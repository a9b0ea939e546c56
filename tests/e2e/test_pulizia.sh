#!/usr/bin/env bash
# The player's puzzles survive `make clean`: a puzzle in the library and the current puzzle stay in the
# program folder's schemi/, while everything else the build made goes. The program folder laid out again as
# the build lays it out, the game starts on the same current puzzle without a message. The Makefile cleans a
# build folder of the test's own. (That the library lists the files of schemi/, test_installata and
# test_libreria check.)
# Usage: test_pulizia.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"
radice=$(cd "$(dirname "$0")/../.." && pwd)
fiume="$radice/tests/fixtures/schema_fiume.txt"

prepara "$1" "$2"
# The program folder inside a build folder, beside output of the kinds the build leaves there.
costruzione="$E2E_TMP/build"
mkdir -p "$costruzione"/{CMakeFiles/tramelo.dir,asan/Tramelo/schemi}
touch "$costruzione"/{CMakeCache.txt,CMakeFiles/tramelo.dir/main.cpp.o,asan/Tramelo/schemi/schema.txt}
mv "$GIOCO" "$costruzione/Tramelo" && GIOCO="$costruzione/Tramelo"
schemi="$GIOCO/schemi"
# The library holds a copy of the current puzzle, as Salva schema makes it (test_installata saves one).
cp "$fiume" "$schemi/schema.txt" && cp "$fiume" "$schemi/schema_n_001.txt"

make -f "$radice/Makefile" BUILD="$costruzione" clean >/dev/null || fallisci "make clean non riuscito"
printf '%s\n' . ./Tramelo ./Tramelo/schemi ./Tramelo/schemi/{schema.txt,schema_n_001.txt} >"$E2E_TMP/attesi.txt"
(cd "$costruzione" && find . | sort) | diff "$E2E_TMP/attesi.txt" - >&2 ||
    fallisci "dopo make clean la cartella di build non contiene solo schemi/"
cmp -s "$schemi/schema.txt" "$fiume" && cmp -s "$schemi/schema_n_001.txt" "$fiume" ||
    fallisci "make clean ha cambiato gli schemi del giocatore"

# The build's own step copies the data (schemi/ only where a file is missing), then the executable.
cmake -DSORGENTE="$2" -DDESTINAZIONE="$GIOCO" -P "$radice/cmake/CopiaDati.cmake" && cp "$1" "$GIOCO/tramelo"
avvia ./tramelo
((MESSAGGI == 0)) || fallisci "$MESSAGGI messaggi all'avvio dopo make clean"
cmp -s "$schemi/schema.txt" "$fiume" || fallisci "lo schema corrente non è più quello del giocatore"
chiudi
