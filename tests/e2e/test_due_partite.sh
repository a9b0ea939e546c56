#!/usr/bin/env bash
# One game per player's folder: a second game started on the folder of a running one says so, naming the
# folder, and ends without opening a window of its own; the first plays on. (That a killed game leaves no
# lock behind, test_uccisioni checks: it starts the game again after each kill, and fails on any message.)
# Usage: test_due_partite.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2"
avvia ./tramelo

(cd "$GIOCO" && exec ./tramelo) >"$E2E_TMP/secondo.log" 2>&1 &
secondo=$! ALTRI_PID=$!
messaggio_atteso "Il gioco è già aperto in un'altra finestra su questa cartella:
$GIOCO"
attendi "la seconda partita non termina" '! vivo "$secondo"'
[[ $(finestre) == "$WID" ]] || fallisci "finestre aperte: $(finestre | wc -l) invece della sola prima partita"
chiudi
