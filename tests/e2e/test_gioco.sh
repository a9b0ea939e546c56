#!/usr/bin/env bash
# A game in the real program: a word found by clicks is struck through, Soluzione rings the leftover
# letters; Nuovo schema then writes a new puzzle shown with its picture, which the game started again loads
# without a message.
# Usage: test_gioco.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2"
corrente="$GIOCO/schemi/schema.txt"
# A hand-made puzzle whose words and leftover cells the checks below know.
cp "$(dirname "$0")/../fixtures/schema_fiume.txt" "$corrente"
avvia ./tramelo

# FIUME lies on cells 77..81, clicked out of order: the found look, a light red line along the row.
for k in 79 77 81 78 80; do clicca_cella "$k"; done
aspetta "FIUME non ha l'aspetto trovato" 'sfondo 77 214,214,214 && sfondo 81 214,214,214'
(($(conta 184 144 160 32 255,128,128 30) > 60)) || fallisci "linea di FIUME assente"

# Soluzione: every leftover letter, LATORREDIPISA, gets a red ring.
menu 2
aspetta "Soluzione non mostra gli anelli" '(($(rossi 177) > 40))'
for k in 0 2 17 27 28 34 35 52 95 96 103 152 177; do (($(rossi $k) > 40)) || fallisci "cella $k senza anello"; done

# Nuovo schema: a new current puzzle, and a picture in the holder where there was none. A generation takes
# a blink; now and then an attempt fails and a retry question waits for OK.
cp "$corrente" "$E2E_TMP/prima.txt"
vuoto=$(riquadro rgb:- | md5sum)
menu 3
for _ in $(seq 1 100); do
    if (($(finestre | wc -l) > 1)); then xdotool key Return; elif ! cmp -s "$corrente" "$E2E_TMP/prima.txt"; then break; fi
    sleep 0.2
done
cmp -s "$corrente" "$E2E_TMP/prima.txt" && fallisci "Nuovo schema non cambia lo schema corrente"
aspetta "nessuna figura accanto allo schema nuovo" '[[ $(riquadro rgb:- | md5sum) != "$vuoto" ]]'
chiudi
avvia ./tramelo
((MESSAGGI == 0)) || fallisci "$MESSAGGI messaggi al caricamento dello schema nuovo"
chiudi
