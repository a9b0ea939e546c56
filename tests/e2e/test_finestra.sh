#!/usr/bin/env bash
# The real game under Xvfb: its window appears with the board of its puzzle, tiles in place.
# Usage: test_finestra.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2"
# A hand-made puzzle whose letters the checks below know.
cp "$(dirname "$0")/../fixtures/schema_fiume.txt" "$E2E_TMP/Tramelo/schemi/schema.txt"
avvia_xvfb
avvia_gioco
scatta

# Background grey around the board, inside the board frame's margin.
[[ $(pixel_area 4 4) == "192,192,192" ]] || fallisci "sfondo: $(pixel_area 4 4)"

# Corner and middle cells of the shipped puzzle: white tiles with a dark letter.
for k in 0 17 90 162 179; do
    x=$(cella_x "$k")
    y=$(cella_y "$k")
    fondo=$(pixel_area $((x + 5)) $((y + 5)))
    [[ "$fondo" == "255,255,255" ]] || fallisci "cella $k: fondo $fondo invece del bianco"
    scuro=$(minimo_luce $((x + 8)) $((y + 6)) 16 20)
    ((scuro < 80)) || fallisci "cella $k: nessuna lettera scura (minimo $scuro)"
done

# The word list: the first label (under PAROLE) has dark text on white.
[[ $(conta_colore 15 384 140 18 0,0,0 60) -gt 10 ]] || fallisci "elenco delle parole senza testo"

chiudi_gioco
echo "ok"
