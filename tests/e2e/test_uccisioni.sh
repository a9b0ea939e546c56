#!/usr/bin/env bash
# A kill at every step of every file Nuovo schema and Salva schema write leaves each puzzle file absent or
# whole. strace, attached to the game's main thread, kills it (SIGKILL) at its N-th write, fsync or rename,
# N = 1, 2, ... until a kill has landed on that step of each file the command writes (the data written to
# the temporary file, its flush, its move into place, the flush of its folder). After each kill the current
# puzzle is whole (the old one or a new one), each library copy is the whole current puzzle, FileTemp.jpg is
# a whole picture, and the next start says nothing and leaves no temporary file. Each file was flushed
# before it was moved into place, and its folder after.
# Usage: test_uccisioni.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"
command -v strace >/dev/null || fallisci "strace manca (scripts/install-deps lo installa)"

prepara "$1" "$2"
schemi="$GIOCO/schemi" traccia="$E2E_TMP/strace.log"
LASCIATI=0 COLPITO="nessuna uccisione" # the kills that left a temporary file for the next start; the last

# controlla WHEN: every puzzle file absent or whole: the current puzzle (its 13 lines, the last its picture
# line), each library copy the current puzzle, FileTemp.jpg a JPEG from its first bytes to its last.
controlla() {
    local f
    (($(wc -l <"$schemi/schema.txt") >= 13)) && tail -n 1 "$schemi/schema.txt" | grep -q '^/\*' ||
        fallisci "schema.txt non intero $1"
    for f in "$schemi"/schema_n_*.txt; do
        [[ ! -e "$f" ]] || cmp -s "$f" "$schemi/schema.txt" || fallisci "$(basename "$f") non intero $1"
    done
    [[ $(head -c 2 "$GIOCO/FileTemp.jpg" | od -An -tx1)$(tail -c 2 "$GIOCO/FileTemp.jpg" | od -An -tx1) == \
        " ff d8 ff d9" ]] || fallisci "FileTemp.jpg non intero $1"
}

# fermo: the game waits for input (its main thread asleep in poll) with no message open.
fermo() { [[ $(cut -d ' ' -f 1 "/proc/$GIOCO_PID/syscall" 2>/dev/null) =~ ^(7|271)$ ]] && ! finestre | grep -qvx "$WID"; }

# in_ordine [ENDED]: in the last trace each temporary file was flushed after its last write and before its
# rename, and the folder it went to was flushed after (when the command ENDED, not when a kill cut it short).
in_ordine() {
    awk -F '[<>]' -v finito="${1:-}" '
        /^write\(/ { flushato[$2] = 0 }
        /^fsync\(/ && !/= \?$/ { flushato[$2] = 1; if ($2 == attesa) attesa = "" }
        /^rename(at2)?\(/ {
            if (attesa != "") { print "cartella non flushata: " attesa; exit 1 }
            split($0, q, "\""); if (!flushato[q[2]]) { print "non flushato prima di spostarlo: " q[2]; exit 1 }
            if ($0 !~ /= \?$/) { attesa = q[4]; sub(/\/[^\/]*$/, "", attesa) }
        }
        END { if (finito != "" && attesa != "") { print "cartella non flushata: " attesa; exit 1 } }' "$traccia" ||
        fallisci "scrittura non portata sul disco"
}

# finito: the game is gone, or it waited for input at three looks in a row (CALMO counts them); a message
# it shows meanwhile is answered.
finito() {
    vivo "$GIOCO_PID" || return 0
    if fermo; then ((++CALMO >= 3)); else CALMO=0 && rispondi && false; fi
}

# colpo ENTRY CALL N: starts the game on what the last run left, which must show no message, keep no
# temporary file, and wait for input; selects the ENTRY-th menu entry with strace set to kill the game at
# its N-th CALL, triggers it and answers its messages. True when the kill landed (COLPITO: the call it
# landed on); false when the command ended first.
colpo() {
    avvia ./tramelo
    ((MESSAGGI == 0)) || fallisci "un messaggio all'avvio dopo $COLPITO"
    attendi "il gioco non attende dopo $COLPITO" fermo
    [[ -z $(find "$GIOCO" -name '.*.tmp') ]] || fallisci "file temporanei rimasti dopo $COLPITO"
    apri_menu "$1"
    strace -p "$GIOCO_PID" -y -qq -s 400 -o "$traccia" -e trace=write,fsync,rename,renameat2 \
        -e "inject=$2:signal=SIGKILL:when=$3" &
    ALTRI_PID=$! CALMO=0
    attendi "strace non si attacca" 'grep -q "TracerPid:[[:space:]]*[1-9]" "/proc/$GIOCO_PID/status"'
    xdotool key Return
    attendi "il comando non finisce" finito
    if vivo "$GIOCO_PID"; then # the command ended whole
        ferma "$ALTRI_PID" && in_ordine finito && chiudi
        COLPITO="un comando intero" && return 1
    fi
    wait "$ALTRI_PID" "$GIOCO_PID" 2>/dev/null || true
    GIOCO_PID="" COLPITO=$(grep -v '^+++' "$traccia" | tail -n 1 | cut -c 1-200)
    in_ordine
}

# passo: the step each line of the trace read is: the call and the temporary file's name without its random
# part (".schema.txt"), or the call and "cartella" with the folder's name; "altro" for anything else.
passo() {
    sed -E 's/^([a-z0-9]+)\(.*\/([^/]*)\.[a-z0-9]{8}\.tmp.*/\1 \2/; t; s/^(fsync)\([0-9]+<.*\/([^/>]*)>\).*/\1 cartella \2/; t; s/.*/altro/'
}

# colpisci ENTRY CALL STEPS...: kills the game at its N-th CALL during the ENTRY-th command, N = 1, 2 ...,
# until the kills have landed on each of STEPS (as passo gives them; a file's step matches the names that
# begin so). After each kill every puzzle file must be absent or whole. The game's other writes (its wake-up
# calls) vary a little from run to run, and so do new puzzles: when a command ends before its N-th CALL,
# N goes back to where that run made the first step still missing.
colpisci() {
    local voce=$1 chiamata=$2 n=1 prove k m colpito mancanti visti=""
    shift 2
    mancanti=("$@")
    for ((prove = 1; ${#mancanti[@]} > 0; prove++)); do
        ((prove <= 40)) || fallisci "40 prove e nessuna uccisione a: ${mancanti[*]} (colpiti: $visti)"
        if ! colpo "$voce" "$chiamata" "$n"; then
            # N goes to that run's CALL on the first step still missing. A new puzzle whose picture is the one
            # already copied has no picture to write: then N stays, for another new puzzle.
            k=$(grep -E "^$chiamata\(" "$traccia" | passo | grep -nF -f <(printf '%s\n' "${mancanti[@]}") || true)
            [[ -z "$k" ]] || n=${k%%:*}
            continue
        fi
        controlla "dopo: $COLPITO"
        [[ -z $(find "$GIOCO" -name '.*.tmp') ]] || LASCIATI=$((LASCIATI + 1))
        colpito=$(passo <<<"$COLPITO") visti+="$n $colpito; "
        mapfile -t mancanti < <(for m in "${mancanti[@]}"; do [[ "$colpito" == "$m"* ]] || echo "$m"; done)
        n=$((n + 1))
    done
}

# Nuovo schema writes the current puzzle, then the copy of its picture; Salva schema a library copy. Each
# command is run once more whole, its writes flushed in order.
colpisci 3 write "write .schema.txt" "write .FileTemp.jpg"
colpisci 3 fsync "fsync .schema.txt" "fsync cartella schemi" "fsync .FileTemp.jpg" "fsync cartella Tramelo"
colpisci 3 rename "rename .schema.txt" "rename .FileTemp.jpg"
! colpo 3 link 1 || fallisci "ucciso senza uccisioni"
colpisci 6 write "write .schema_n_"
colpisci 6 fsync "fsync .schema_n_" "fsync cartella schemi"
colpisci 6 renameat2 "renameat2 .schema_n_"
! colpo 6 link 1 || fallisci "ucciso senza uccisioni"
controlla "alla fine"
((LASCIATI > 0)) || fallisci "nessuna uccisione ha lasciato un file temporaneo da rimuovere"
