#!/usr/bin/env bash
# The puzzle library in the real game: save the current puzzle, load it back over another one through the
# file list, then delete it. Set TRAMELO_E2E_FOTO to a folder to keep the screenshots of the open list.
# Usage: test_libreria.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

# foto NAME: keeps the last screenshot when TRAMELO_E2E_FOTO names a folder.
foto() { if [[ -n "${TRAMELO_E2E_FOTO:-}" ]]; then cp "$SHOT" "$TRAMELO_E2E_FOTO/$1.png"; fi; }

# lista_x: where the file list begins in the client area: the first white pixel of the row just above
# the board, where nothing else is white; nothing when the list is closed.
lista_x() {
    convert "$SHOT" -crop "760x1+$AREA_X+$((AREA_Y + 4))" +repage -depth 8 txt:- |
        awk 'NR > 1 && /#FFFFFF/ && x == "" { split($1, a, ","); x = a[1] } END { print x }'
}
lista_aperta() { [[ -n "$(lista_x)" ]]; }
cella0() { pixel_area $(($(cella_x 0) + 5)) $(($(cella_y 0) + 5)); }
# clicca_prima_voce: a click on the first name of the open list.
clicca_prima_voce() {
    local x
    x=$(lista_x)
    [[ -n "$x" ]] || fallisci "lista chiusa"
    clicca_area $((x + 40)) 10
}

prepara "$1" "$2"
# A hand-made puzzle whose letters the checks below know.
cp "$(dirname "$0")/../fixtures/schema_fiume.txt" "$E2E_TMP/Tramelo/schemi/schema.txt"
schemi="$E2E_TMP/Tramelo/schemi"
cp "$schemi/schema.txt" "$E2E_TMP/spedito.txt"
avvia_xvfb
avvia_gioco

# Salva schema (sixth entry): the shipped puzzle becomes schema_n_001.txt.
clicca_menu 6
premi_invio
cmp -s "$schemi/schema_n_001.txt" "$E2E_TMP/spedito.txt" || fallisci "schema_n_001.txt non è la copia dello schema"

# Another current puzzle: the same board with cell 0 (a solution letter) blank, so that cell is hidden.
sed '1s/^L/ /' "$E2E_TMP/spedito.txt" >"$schemi/schema.txt"
clicca_menu 1
scatta
[[ $(cella0) != "255,255,255" ]] || fallisci "dopo Ricomincia la cella 0 dovrebbe essere nascosta"
lista_aperta && fallisci "la lista è aperta prima di Carica schema"

# Carica schema (seventh entry) opens the list with the saved name; a click loads it.
clicca_menu 7
scatta
foto carica
lista_aperta || fallisci "Carica schema non apre la lista"
testo=$(conta_colore "$(lista_x)" 2 120 16 0,0,0 90)
((testo > 10)) || fallisci "la lista non mostra il nome salvato ($testo pixel scuri)"
clicca_prima_voce
scatta
lista_aperta && fallisci "la lista resta aperta dopo il caricamento"
[[ $(cella0) == "255,255,255" ]] || fallisci "lo schema caricato non è sulla tavola (cella 0: $(cella0))"
cmp -s "$schemi/schema.txt" "$E2E_TMP/spedito.txt" || fallisci "schema.txt non è lo schema scelto"
[[ -f "$schemi/schema_n_001.txt" ]] || fallisci "il caricamento ha tolto lo schema dalla libreria"

# Cancella schema (eighth entry): a click deletes the only saved puzzle and the list closes with a message.
clicca_menu 8
scatta
foto cancella
lista_aperta || fallisci "Cancella schema non apre la lista"
clicca_prima_voce
premi_invio
[[ ! -e "$schemi/schema_n_001.txt" ]] || fallisci "schema_n_001.txt non è stato cancellato"
scatta
lista_aperta && fallisci "la lista resta aperta dopo l'ultima cancellazione"

chiudi_gioco
echo "ok"
