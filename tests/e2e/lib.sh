# shellcheck shell=bash
# Shared helpers for the end-to-end tests: a private X server, the game started and its messages answered,
# clicks on board cells, menu entries from the keyboard, colours counted on screenshots.
# Usage: source lib.sh; prepara EXECUTABLE DATA_DIR [SCREEN]; avvia COMMAND...; ...; the EXIT trap cleans up.
set -euo pipefail

E2E_TMP="" XVFB_PID="" GIOCO_PID="" WID="" AREA_X=0 AREA_Y=0 ALTRI_PID="" MONTATA=""
fallisci() { echo "FALLITO: $*" >&2 && exit 1; }
# salta REASON: the test cannot run here (exit code 77, reported by ctest as skipped).
salta() { echo "SALTATO: $*" >&2 && exit 77; }
# ferma PID: ends a process this script started, if it still runs.
ferma() { if [[ -n "$1" ]]; then kill "$1" 2>/dev/null && wait "$1" 2>/dev/null || true; fi; }
# At exit: the processes started (the game, others in ALTRI_PID), a file system mounted on MONTATA, the
# X server, the scratch folder.
pulisci() {
    local p
    for p in "$GIOCO_PID" $ALTRI_PID; do ferma "$p"; done
    [[ -z "$MONTATA" ]] || umount "$MONTATA" 2>/dev/null || true
    ferma "$XVFB_PID"
    [[ -z "$E2E_TMP" ]] || rm -rf "$E2E_TMP"
}
trap pulisci EXIT
finestre() { xdotool search --onlyvisible --name '^Tramelo$' 2>/dev/null || true; }
# vivo PID: whether a process runs (not ended, nor ended and not yet reaped).
vivo() { [[ -e "/proc/$1" && $(awk '/^State:/ { print $2 }' "/proc/$1/status" 2>/dev/null) != Z ]]; }

# prepara EXECUTABLE DATA_DIR [SCREEN]: a program folder $GIOCO with the executable and a copy of the data,
# and a private X server of SCREEN pixels (1280x1024) on a display number it picks itself (written once it
# accepts clients), kept as it is when its last client goes (no reset, which a game starting just then
# could not connect to).
prepara() {
    E2E_TMP=$(mktemp -d /tmp/tramelo-e2e.XXXXXX) && chmod 755 "$E2E_TMP"
    SHOT="$E2E_TMP/shot.png" GIOCO="$E2E_TMP/Tramelo"
    mkdir "$GIOCO" && cp -r "$2"/. "$GIOCO/" && cp "$1" "$GIOCO/tramelo"
    Xvfb -displayfd 3 -screen 0 "${3:-1280x1024}x24" -nolisten tcp -noreset 3>"$E2E_TMP/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    timeout 10 bash -c "until [[ -s $E2E_TMP/display ]]; do sleep 0.1; done" || fallisci "Xvfb non parte"
    DISPLAY=":$(cat "$E2E_TMP/display")" && export DISPLAY
}

# avvia COMMAND...: starts the game from its program folder, answers with Return the messages it shows
# before its window (they are narrower; counted in MESSAGGI), then waits for the window and its first paint.
avvia() {
    (cd "$GIOCO" && exec "$@") >"$E2E_TMP/gioco.log" 2>&1 &
    GIOCO_PID=$! MESSAGGI=0 WID=""
    local w visti=" "
    for _ in $(seq 1 60); do
        for w in $(finestre); do
            eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
            if ((WIDTH >= 800)); then WID=$w; elif [[ "$visti" != *" $w "* ]]; then
                MESSAGGI=$((MESSAGGI + 1)) visti+="$w "
                xdotool key --window "$w" Return 2>/dev/null || true
            fi
        done
        [[ -n "$WID" ]] && break
        sleep 0.5
    done
    [[ -n "$WID" ]] || fallisci "la finestra Tramelo non compare: $(tail -n 3 "$E2E_TMP/gioco.log")"
    aspetta "area di gioco non trovata" trova_area
}

# trova_area: on the last screenshot, the client area's top left corner (AREA_X, AREA_Y): it begins below
# the menu bar (which starts at MENU_Y), where the light grey background starts.
trova_area() {
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    AREA_X=$X AREA_Y=$Y MENU_Y=$Y
    until (($(conta 2 0 1 1 192,192,192 0))); do ((++AREA_Y < Y + 80)) || return 1; done

}

# aspetta DESCRIPTION CONDITION: takes screenshots until the shell condition holds on one, for at most 15 s;
# fails with DESCRIPTION otherwise.
aspetta() {
    local fine=$((SECONDS + 15))
    until scatta && eval "$2"; do ((SECONDS < fine)) || fallisci "$1"; done
}

# chiudi: ends the game, checking it was still running (it did not crash meanwhile).
chiudi() { kill -0 "$GIOCO_PID" 2>/dev/null && ferma "$GIOCO_PID" && GIOCO_PID="" || fallisci "il gioco è terminato"; }
scatta() { import -window root "$SHOT"; }

# conta X Y W H R,G,B [TOLL]: how many pixels of a client-area rectangle of the last screenshot are
# within TOLL (24) of that colour on every channel.
conta() {
    convert "$SHOT" -crop "$3x$4+$((AREA_X + $1))+$((AREA_Y + $2))" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' -v c="$5" -v t="${6:-24}" 'BEGIN { split(c, v, ",") }
            NR > 1 && ($3-v[1])^2 <= t*t && ($4-v[2])^2 <= t*t && ($5-v[3])^2 <= t*t { k++ } END { print k + 0 }'
}
# The board's geometry, from the window model's constants (twips at design time, 12 twips a pixel, which is
# the size the window has on this 96-dpi screen): cell k's top left corner is at (SINISTRA + LATO column,
# ALTO + LATO row) of the client area.
modello="$(dirname "${BASH_SOURCE[0]}")/../../src/app/Form1.h"
costante() { sed -n "s/.*\b$1 = \([0-9]*\).*/\1/p" "$modello" | head -n 1; }
LATO=$(($(costante kLatoCella) / 12)) SINISTRA=$(($(costante kMargineSinistro) / 12)) ALTO=$(($(costante kMargineAlto) / 12))
((LATO > 0 && SINISTRA > 0 && ALTO > 0)) || fallisci "geometria della tavola non letta da $modello"
cella_x() { echo $((SINISTRA + LATO * ($1 % 18))); }
cella_y() { echo $((ALTO + LATO * ($1 / 18))); }
# sfondo K R,G,B: whether cell K's tile background (a point near its corner) has that colour.
sfondo() { (($(conta $(($(cella_x "$1") + 5)) $(($(cella_y "$1") + 5)) 1 1 "$2" 0) == 1)); }
# rossi K: how many red pixels of a ring lie on cell K.
rossi() { conta "$(cella_x "$1")" "$(cella_y "$1")" "$LATO" "$LATO" 255,0,0 40; }
clicca_area() { xdotool mousemove --sync $((AREA_X + $1)) $((AREA_Y + $2)) click 1; }
clicca_cella() { clicca_area $(($(cella_x "$1") + LATO / 2)) $(($(cella_y "$1") + LATO / 2)); }

# apri_menu N: selects the N-th menu entry (from 1: Ricomincia, Soluzione, Nuovo schema, ...) from the
# keyboard: Alt selects the first entry of the menu bar, Right moves along it. The keys queue up in order
# behind the focus change, so nothing needs waiting for between them.
# shellcheck disable=SC2046
apri_menu() { xdotool windowfocus --sync "$WID" key alt $(yes Right | head -n $(($1 - 1))); }
# menu N: triggers the N-th menu entry with Return.
menu() { apri_menu "$1" && xdotool key Return; }
# lista N: Carica schema (7) or Cancella schema (8), waiting for the file list, white over the top right of
# the board.
lista() { menu "$1" && aspetta "la lista degli schemi non si apre" '(($(conta 380 4 1 1 255,255,255 0) == 1))'; }

# messaggio: waits for a message box (a window titled Tramelo other than the game's), its id in BOX.
messaggio() {
    BOX=""
    for _ in $(seq 1 50); do
        BOX=$(finestre | grep -vx "${WID:-0}" | head -n 1 || true)
        [[ -n "$BOX" ]] && return 0
        sleep 0.1
    done
    fallisci "nessun messaggio"
}
# testo_messaggio: the text of the open message box BOX, selected with the mouse (a click on its first
# line, then Ctrl+A) and read back from the X selection.
testo_messaggio() {
    eval "$(xdotool getwindowgeometry --shell "$BOX")"
    xdotool mousemove --sync $((X + 40)) $((Y + 16)) click 1 key ctrl+a
    local testo=""
    for _ in $(seq 1 20); do testo=$(xclip -o -selection primary 2>/dev/null) && [[ -n "$testo" ]] && break || sleep 0.1; done
    printf '%s' "$testo"
}

# premi_invio: waits for a message box (a second window titled Tramelo) and closes it with Return.
premi_invio() {
    local box=""
    for _ in $(seq 1 50); do box=$(finestre | grep -vx "$WID" | head -n 1) && break || sleep 0.1; done
    [[ -n "$box" ]] || fallisci "nessun messaggio da chiudere"
    xdotool windowfocus --sync "$box" key Return
    for _ in $(seq 1 50); do finestre | grep -qx "$box" || return 0; sleep 0.1; done
    fallisci "il messaggio non si chiude con Invio"
}

# riquadro ARGS...: the picture holder of the last screenshot through convert (ARGS: the output).
riquadro() { convert "$SHOT" -crop "259x194+$((AREA_X + 622))+$((AREA_Y + 29))" +repage "$@"; }
# colorati: how many strongly coloured pixels (chroma above 96 of 255) the picture holder shows (the empty
# holder shows none).
colorati() {
    riquadro -colorspace HCL -channel G -separate +channel -threshold 37.6% -format '%[fx:round(mean*w*h)]' info:
}
