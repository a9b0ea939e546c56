#!/usr/bin/env bash
# A game in the real program: a word found by clicks takes the found look, Soluzione rings the leftover
# letters; Nuovo schema then writes a new puzzle shown with its picture. (That the strike line is set on a
# find and painted, test_selezione and the window's DipingeIlModello check; that the game started again
# loads the new puzzle without a message, test_uccisioni.)
# Usage: test_gioco.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2"
corrente="$GIOCO/schemi/schema.txt"
# A hand-made puzzle whose words and leftover cells the checks below know.
cp "$(dirname "$0")/../fixtures/schema_fiume.txt" "$corrente"
avvia ./tramelo

# FIUME lies on cells 77..81, clicked out of order: the found look.
for k in 79 77 81 78 80; do clicca_cella "$k"; done
aspetta "FIUME non ha l'aspetto trovato" 'sfondo 77 214,214,214 && sfondo 81 214,214,214'

# Soluzione: every leftover letter, LATORREDIPISA, gets a red ring.
menu 2
for k in 0 2 17 27 28 34 35 52 95 96 103 152 177; do aspetta "Soluzione: cella $k senza anello" "((\$(rossi $k) > 40))"; done

# Nuovo schema: a new current puzzle, and a picture in the holder where there was none. A generation takes
# a blink; now and then an attempt fails, before or after its puzzle is written, and a message waits for OK.
cp "$corrente" "$E2E_TMP/prima.txt"
vuoto=$(riquadro rgb:- | md5sum)
menu 3
attendi "Nuovo schema non cambia lo schema corrente" 'rispondi && ! cmp -s "$corrente" "$E2E_TMP/prima.txt"'
aspetta "nessuna figura accanto allo schema nuovo" 'rispondi && [[ $(riquadro rgb:- | md5sum) != "$vuoto" ]]'
chiudi
