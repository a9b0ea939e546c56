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

schema_intero() { (($(wc -l <"$1") >= 13)) && tail -n 1 "$1" | grep -q '^/\*'; }
byte() { od -An -tx1 | tr -d ' \n'; }
figura_intera() { [[ $(head -c 2 "$1" | byte) == ffd8 && $(tail -c 2 "$1" | byte) == ffd9 ]]; }

# controlla WHEN: every puzzle file absent or whole.
controlla() {
    schema_intero "$schemi/schema.txt" || fallisci "schema.txt non intero $1"
    local f
    for f in "$schemi"/schema_n_*.txt; do
        [[ ! -e "$f" ]] || cmp -s "$f" "$schemi/schema.txt" || fallisci "$(basename "$f") non intero $1"
    done
    figura_intera "$GIOCO/FileTemp.jpg" || fallisci "FileTemp.jpg non intero $1"
}

# fermo: the game waits for input (its main thread asleep in poll) with no message open.
fermo() {
    [[ $(cut -d ' ' -f 1 "/proc/$GIOCO_PID/syscall" 2>/dev/null) =~ ^(7|271)$ ]] &&
        [[ -z $(finestre | grep -vx "$WID" || true) ]]
}

# in_ordine [ENDED]: in the last trace each temporary file was flushed after its last write and before its
# rename, and the folder it went to was flushed after (when the command ENDED, not when a kill cut it short).
in_ordine() {
    awk -v finito="${1:-}" '
        function percorso(s) { sub(/^[^<]*</, "", s); sub(/>.*$/, "", s); return s }
        /^write\(/ { flushato[percorso($0)] = 0 }
        /^fsync\(/ && !/= \?$/ { p = percorso($0); flushato[p] = 1; if (p == attesa) attesa = "" }
        /^rename(at2)?\(/ {
            if (attesa != "") { print "cartella non flushata: " attesa; exit 1 }
            split($0, q, "\""); if (!flushato[q[2]]) { print "non flushato prima di spostarlo: " q[2]; exit 1 }
            if ($0 !~ /= \?$/) { attesa = q[4]; sub(/\/[^\/]*$/, "", attesa) }
        }
        END { if (finito != "" && attesa != "") { print "cartella non flushata: " attesa; exit 1 } }' "$traccia" ||
        fallisci "scrittura non portata sul disco"
}

# parti: starts the game on what the last run left, which must show no message, keep no temporary file,
# and wait for input.
parti() {
    (cd "$GIOCO" && exec ./tramelo) >"$E2E_TMP/gioco.log" 2>&1 &
    GIOCO_PID=$! WID=""
    local w
    for _ in $(seq 1 100); do
        for w in $(finestre); do
            eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
            ((WIDTH >= 800)) || fallisci "un messaggio all'avvio dopo $COLPITO"
            WID=$w
        done
        [[ -n "$WID" ]] && fermo && break
        sleep 0.1
    done
    [[ -n "$WID" ]] || fallisci "la finestra Tramelo non compare: $(tail -n 3 "$E2E_TMP/gioco.log")"
    aspetta "area di gioco non trovata" trova_area
    [[ -z $(find "$GIOCO" -name '.*.tmp') ]] || fallisci "file temporanei rimasti dopo $COLPITO"
}

# colpo ENTRY CALL N: starts the game, selects the ENTRY-th menu entry with strace set to kill the game at
# its N-th CALL, triggers it and answers its messages. True when the kill landed (COLPITO: the call it
# landed on); false when the command ended first.
colpo() {
    parti
    apri_menu "$1"
    strace -p "$GIOCO_PID" -y -qq -s 400 -o "$traccia" -e trace=write,fsync,rename,renameat2 \
        -e "inject=$2:signal=SIGKILL:when=$3" &
    local tracciante=$! calmo=0 box
    ALTRI_PID=$tracciante
    until grep -q 'TracerPid:[[:space:]]*[1-9]' "/proc/$GIOCO_PID/status"; do sleep 0.05; done
    xdotool key Return
    for _ in $(seq 1 600); do
        if ! vivo "$GIOCO_PID"; then
            wait "$tracciante" || true
            wait "$GIOCO_PID" 2>/dev/null || true
            GIOCO_PID="" COLPITO=$(grep -v '^+++' "$traccia" | tail -n 1 | cut -c 1-200)
            in_ordine
            return 0
        fi
        box=$(finestre | grep -vx "$WID" | head -n 1 || true)
        if [[ -n "$box" ]]; then
            xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
            calmo=0
        elif fermo; then
            if ((++calmo == 3)); then
                ferma "$tracciante"
                in_ordine finito
                chiudi
                COLPITO="un comando intero"
                return 1
            fi
        else
            calmo=0
        fi
        sleep 0.1
    done
    fallisci "il comando non finisce"
}

# passo [LINE]: the step a line of the trace (the one the last kill landed on) is: the call and the
# temporary file's name without its random part (".schema.txt"), or the call and "cartella" with the
# folder's name; "altro" for anything else.
passo() {
    sed -E 's/^([a-z0-9]+)\(.*\/([^/]*)\.[a-z0-9]{8}\.tmp.*/\1 \2/; t; s/^(fsync)\([0-9]+<.*\/([^/>]*)>\).*/\1 cartella \2/; t; s/.*/altro/' <<<"${1:-$COLPITO}"
}

# colpisci ENTRY CALL STEPS...: kills the game at its N-th CALL during the ENTRY-th command, N = 1, 2 ...,
# until the kills have landed on each of STEPS (as passo gives them; a file's step matches the names that
# begin so). After each kill every puzzle file must be absent or whole. The game's other writes (its wake-up
# calls) vary a little from run to run, and so do new puzzles: when a command ends before its N-th CALL,
# N goes back to where that run made the first step still missing.
colpisci() {
    local voce=$1 chiamata=$2 n=1 prove k trovato riga colpito m i mancanti visti=""
    shift 2
    mancanti=("$@")
    for ((prove = 1; ${#mancanti[@]} > 0; prove++)); do
        ((prove <= 40)) || fallisci "40 prove e nessuna uccisione a: ${mancanti[*]} (colpiti: $visti)"
        if ! colpo "$voce" "$chiamata" "$n"; then
            k=0 trovato=""
            while IFS= read -r riga; do
                k=$((k + 1)) colpito=$(passo "$riga")
                for m in "${mancanti[@]}"; do [[ "$colpito" != "$m"* ]] || trovato=1; done
                [[ -z "$trovato" ]] || break
            done < <(grep -E "^$chiamata\(" "$traccia")
            # A new puzzle whose picture is the one already copied has no picture to write: try another.
            [[ -z "$trovato" ]] || n=$k
            continue
        fi
        controlla "dopo: $COLPITO"
        [[ -z $(find "$GIOCO" -name '.*.tmp') ]] || LASCIATI=$((LASCIATI + 1))
        colpito=$(passo) visti+="$n $colpito; "
        for i in "${!mancanti[@]}"; do [[ "$colpito" != "${mancanti[i]}"* ]] || unset 'mancanti[i]'; done
        mancanti=("${mancanti[@]}")
        n=$((n + 1))
    done
}

# Nuovo schema writes the current puzzle, then the copy of its picture; Salva schema a library copy. Each
# command is run once more whole, its writes flushed in order.
cartella=$(basename "$GIOCO")
colpisci 3 write "write .schema.txt" "write .FileTemp.jpg"
colpisci 3 fsync "fsync .schema.txt" "fsync cartella schemi" "fsync .FileTemp.jpg" "fsync cartella $cartella"
colpisci 3 rename "rename .schema.txt" "rename .FileTemp.jpg"
! colpo 3 link 1 || fallisci "ucciso senza uccisioni"
colpisci 6 write "write .schema_n_"
colpisci 6 fsync "fsync .schema_n_" "fsync cartella schemi"
colpisci 6 renameat2 "renameat2 .schema_n_"
! colpo 6 link 1 || fallisci "ucciso senza uccisioni"
controlla "alla fine"
((LASCIATI > 0)) || fallisci "nessuna uccisione ha lasciato un file temporaneo da rimuovere"
