#!/usr/bin/env bash
# The real game under a file-size limit of 4 KB: the picture's copy cannot be written, yet the game goes on.
# One message says so, the window appears with the puzzle's picture, no temporary file is left behind and
# the current puzzle is unchanged.
# Usage: test_cartella_ostile.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2"
avvia bash -c 'ulimit -f 4 && exec ./tramelo'
((MESSAGGI == 1)) || fallisci "$MESSAGGI messaggi all'avvio invece di 1"
aspetta "nessuna figura nel riquadro" '(($(colorati) > 500))'
[[ -z $(find "$GIOCO" -name '*.tmp') ]] || fallisci "file temporanei rimasti"
cmp -s "$GIOCO/schemi/schema.txt" "$2/schemi/schema.txt" || fallisci "schema corrente cambiato"
chiudi
