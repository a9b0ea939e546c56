#!/usr/bin/env bash
# One game per player's folder: a second game started on the folder of a running one says so, naming the
# folder, and ends without opening a window of its own; the first plays on. Once the first is killed, its
# lock goes with it: the next game starts as usual.
# Usage: test_due_partite.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"
command -v xclip >/dev/null || fallisci "xclip manca (scripts/install-deps lo installa)"

prepara "$1" "$2"
avvia ./tramelo
primo=$GIOCO_PID

(cd "$GIOCO" && exec ./tramelo) >"$E2E_TMP/secondo.log" 2>&1 &
secondo=$! ALTRI_PID=$!
messaggio
testo=$(testo_messaggio)
[[ "$testo" == "Il gioco è già aperto in un'altra finestra su questa cartella:
$GIOCO" ]] || fallisci "messaggio inatteso: $testo"
xdotool windowfocus --sync "$BOX" key Return
for _ in $(seq 1 50); do vivo "$secondo" || break; sleep 0.1; done
! vivo "$secondo" || fallisci "la seconda partita non termina"
[[ $(finestre) == "$WID" ]] || fallisci "finestre aperte: $(finestre | wc -l) invece della sola prima partita"
vivo "$primo" || fallisci "la prima partita è terminata"

# A kill leaves no lock behind.
kill -9 "$primo"
wait "$primo" 2>/dev/null || true
GIOCO_PID=""
avvia ./tramelo
((MESSAGGI == 0)) || fallisci "$MESSAGGI messaggi all'avvio dopo la fine della prima partita"
chiudi
