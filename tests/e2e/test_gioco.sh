#!/usr/bin/env bash
# Playing a puzzle in the real game: the window shows its board; a word found by clicks is struck through and greyed,
# Esc clears a partial selection, Soluzione rings the leftover letters and shows the phrase.
# Usage: test_gioco.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2"
# A hand-made puzzle whose words and leftover cells the checks below know.
cp "$(dirname "$0")/../fixtures/schema_fiume.txt" "$E2E_TMP/Tramelo/schemi/schema.txt"
avvia_xvfb
avvia_gioco

# The window appears with the board: background grey, white tiles with a dark letter, the word list.
scatta
[[ $(pixel_area 4 4) == "192,192,192" ]] || fallisci "sfondo: $(pixel_area 4 4)"
for k in 0 17 90 162 179; do
    [[ $(pixel_area $(($(cella_x $k) + 5)) $(($(cella_y $k) + 5))) == "255,255,255" ]] || fallisci "cella $k non bianca"
    (($(conta_colore $(($(cella_x $k) + 8)) $(($(cella_y $k) + 6)) 16 20 0,0,0 80) > 0)) || fallisci "cella $k senza lettera"
done
(($(conta_colore 15 384 140 18 0,0,0 60) > 10)) || fallisci "elenco delle parole senza testo"

# FIUME (word 10) lies on cells 77..81, row 4; clicked out of order.
for k in 79 77 81 78 80; do clicca_cella "$k"; done
scatta
for k in 77 79 81; do
    fondo=$(pixel_area $(($(cella_x $k) + 5)) $(($(cella_y $k) + 5)))
    [[ "$fondo" == "214,214,214" ]] || fallisci "cella $k di FIUME non ha l'aspetto trovato: $fondo"
done
# The strike line runs along the word's row, light red.
rosso=$(conta_colore "$(cella_x 77)" "$(cella_y 77)" 160 32 255,128,128 30)
((rosso > 60)) || fallisci "linea di FIUME assente ($rosso pixel rosso chiaro)"
# Label2(10), second column, sixth row: greyed text, nothing black.
neri=$(conta_colore 165 438 140 18 0,0,0 60)
grigi=$(conta_colore 165 438 140 18 144,144,144 30)
((neri == 0 && grigi > 10)) || fallisci "FIUME non è in grigio nell'elenco (neri $neri, grigi $grigi)"

# Two letters of CHITARRA selected, then Esc: both white again.
clicca_cella 39
clicca_cella 40
scatta
[[ $(pixel_area $(($(cella_x 40) + 5)) $(($(cella_y 40) + 5))) == "128,128,128" ]] || fallisci "cella 40 non selezionata"
tasto Escape
scatta
for k in 39 40; do
    fondo=$(pixel_area $(($(cella_x $k) + 5)) $(($(cella_y $k) + 5)))
    [[ "$fondo" == "255,255,255" ]] || fallisci "Esc non ha tolto la selezione della cella $k: $fondo"
done

# Soluzione (second menu entry): every leftover letter, LATORREDIPISA, gets a red ring.
clicca_menu 2
scatta
for k in 0 2 17 27 28 34 35 52 95 96 103 152 177; do
    anello=$(conta_colore "$(cella_x $k)" "$(cella_y $k)" 32 32 255,0,0 40)
    ((anello > 40)) || fallisci "cella $k senza anello ($anello pixel rossi)"
done
anello=$(conta_colore "$(cella_x 1)" "$(cella_y 1)" 32 32 255,0,0 40)
((anello < 10)) || fallisci "la cella 1 appartiene a una parola ma ha un anello"
# The phrase above the picture, dark teal.
frase=$(conta_colore 600 0 320 26 0,64,64 30)
((frase > 100)) || fallisci "la soluzione non compare sopra la figura ($frase pixel)"

chiudi_gioco
echo "ok"
