# shellcheck shell=bash
# Shared helpers for the end-to-end tests: a private X server, the game started and its messages answered,
# clicks on board cells, menu entries from the keyboard, colours counted on screenshots.
# Usage: source lib.sh; prepara EXECUTABLE DATA_DIR [SCREEN]; avvia COMMAND...; ...; the EXIT trap cleans up.
set -euo pipefail

E2E_TMP="" XVFB_PID="" GIOCO_PID="" WID="" AREA_X=0 AREA_Y=0 ALTRI_PID="" MONTATA=""
# fallisci REASON: the test failed; the last lines the game wrote, if any, tell more.
fallisci() { echo "FALLITO: $*" >&2 && { tail -n 3 "$E2E_TMP/gioco.log" >&2 2>/dev/null || true; } && exit 1; }
# salta REASON: the test cannot run here (exit code 77, reported by ctest as skipped).
salta() { echo "SALTATO: $*" >&2 && exit 77; }
# ferma PID: ends a process this script started, if it still runs.
ferma() { if [[ -n "$1" ]]; then kill "$1" 2>/dev/null && wait "$1" 2>/dev/null || true; fi; }
# At exit: the processes started (the game, others in ALTRI_PID), a file system mounted on MONTATA, the
# X server, the scratch folder.
pulisci() {
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
    attendi "Xvfb non parte" '[[ -s $E2E_TMP/display ]]'
    DISPLAY=":$(cat "$E2E_TMP/display")" && export DISPLAY
}

# avvia COMMAND...: starts the game from its program folder, answers with Return the messages it shows
# before its window (they are narrower; counted in MESSAGGI), then waits for the window and its first paint.
avvia() {
    (cd "$GIOCO" && exec "$@") >"$E2E_TMP/gioco.log" 2>&1 &
    GIOCO_PID=$! MESSAGGI=0 WID="" VISTI=" "
    attendi "la finestra Tramelo non compare" finestra
    aspetta "area di gioco non trovata" trova_area
}
# finestra: whether the game's window is open (its id in WID); a message first seen (VISTI holds their ids)
# is counted and answered.
finestra() {
    local w
    for w in $(finestre); do
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
        if ((WIDTH >= 800)); then WID=$w; elif [[ "$VISTI" != *" $w "* ]]; then
            MESSAGGI=$((MESSAGGI + 1)) VISTI+="$w "
            xdotool key --window "$w" Return 2>/dev/null || true
        fi
    done
    [[ -n "$WID" ]]
}

# trova_area: on the last screenshot, the client area's top left corner (AREA_X, AREA_Y): it begins below
# the menu bar (which starts at the window's top), where the light grey background starts.
trova_area() {
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    AREA_X=$X AREA_Y=$Y
    until (($(conta 2 0 1 1 192,192,192 0))); do ((++AREA_Y < Y + 80)) || return 1; done
}

# attendi DESCRIPTION CONDITION: checks the shell condition every tenth of a second until it holds, for at
# most 30 s; fails with DESCRIPTION otherwise.
attendi() {
    local fine=$((SECONDS + 30))
    until eval "$2"; do ((SECONDS < fine)) || fallisci "$1"; sleep 0.1; done
}
# aspetta DESCRIPTION CONDITION: the same on a screenshot taken before each check.
aspetta() { attendi "$1" "import -window root \"\$SHOT\" && $2"; }

# chiudi: ends the game, checking it was still running (it did not crash meanwhile).
chiudi() { kill -0 "$GIOCO_PID" 2>/dev/null && ferma "$GIOCO_PID" && GIOCO_PID="" || fallisci "il gioco è terminato"; }

# conta X Y W H R,G,B [TOLL]: how many pixels of a client-area rectangle of the last screenshot are
# within TOLL (24) of that colour on every channel.
conta() {
    convert "$SHOT" -crop "$3x$4+$((AREA_X + $1))+$((AREA_Y + $2))" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' -v c="$5" -v t="${6:-24}" 'BEGIN { split(c, v, ",") }
            NR > 1 && ($3-v[1])^2 <= t*t && ($4-v[2])^2 <= t*t && ($5-v[3])^2 <= t*t { k++ } END { print k + 0 }'
}
# The board's geometry in pixels of the client area, read from the window model's constants (kLatoCella,
# kMargineSinistro, kMargineAlto of Form1.h, in twips at design time, 12 twips a pixel on this 96-dpi
# screen): cell k's top left corner is at (SINISTRA + LATO column, ALTO + LATO row).
costante() { sed -n "s/.*\b$1 = \([0-9]*\).*/\1/p" "$(dirname "${BASH_SOURCE[0]}")/../../src/app/Form1.h"; }
LATO=$(($(costante kLatoCella) / 12)) SINISTRA=$(($(costante kMargineSinistro) / 12)) ALTO=$(($(costante kMargineAlto) / 12))
((LATO > 0 && SINISTRA > 0 && ALTO > 0)) || fallisci "geometria della tavola non letta da Form1.h"
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
messaggio() { attendi "nessun messaggio" 'BOX=$(finestre | grep -vx "${WID:-0}" | head -n 1)'; }
# rispondi: closes with Return the message box open over the game's window (its id in BOX), if there is one.
rispondi() { BOX=$(finestre | grep -vx "$WID" | head -n 1) && xdotool windowfocus --sync "$BOX" key Return 2>/dev/null || true; }
# messaggio_atteso TEXT: waits for a message box, checks that it says TEXT (its text selected with the mouse,
# a click on its first line then Ctrl+A, and read back from the X selection) and closes it with Return.
messaggio_atteso() {
    command -v xclip >/dev/null || fallisci "xclip manca (scripts/install-deps lo installa)"
    messaggio
    eval "$(xdotool getwindowgeometry --shell "$BOX")"
    xdotool mousemove --sync $((X + 40)) $((Y + 16)) click 1 key ctrl+a
    attendi "il testo del messaggio non si seleziona" '[[ -n $(xclip -o -selection primary 2>/dev/null) ]]'
    [[ $(xclip -o -selection primary) == "$1" ]] || fallisci "messaggio inatteso: $(xclip -o -selection primary)"
    premi_invio
}

# premi_invio: waits for a message box and closes it with Return.
premi_invio() {
    messaggio
    xdotool windowfocus --sync "$BOX" key Return
    attendi "il messaggio non si chiude con Invio" '! finestre | grep -qx "$BOX"'
}

# riquadro ARGS...: the picture holder of the last screenshot through convert (ARGS: the output).
riquadro() { convert "$SHOT" -crop "259x194+$((AREA_X + 622))+$((AREA_Y + 29))" +repage "$@"; }
# colorati: how many strongly coloured pixels (chroma above 96 of 255) the picture holder shows (the empty
# holder shows none).
colorati() { riquadro -colorspace HCL -channel G -separate +channel -threshold 37.6% -format '%[fx:round(mean*w*h)]' info:; }
