# Shared helpers for the end-to-end tests: a private X server, the game in a fresh program folder,
# clicks on board cells and menu entries, screenshots and pixel colours.
# Usage: source lib.sh; prepara "$1" "$2"; avvia_xvfb; avvia_gioco; ...; the EXIT trap cleans up.
set -euo pipefail

E2E_TMP=""
XVFB_PID=""
GIOCO_PID=""
WID=""
SHOT=""
# The client area's top-left corner on the screen, found by `trova_area`.
AREA_X=0
AREA_Y=0

fallisci() {
    echo "FALLITO: $*" >&2
    exit 1
}

# ferma PID: ends a process this script started, if it still runs.
ferma() { if [[ -n "$1" ]]; then kill "$1" 2>/dev/null && wait "$1" 2>/dev/null || true; fi; }

pulisci() {
    ferma "$GIOCO_PID"
    ferma "$XVFB_PID"
    if [[ -n "$E2E_TMP" && -z "${TRAMELO_E2E_TIENI:-}" ]]; then rm -rf "$E2E_TMP"; fi
}
trap pulisci EXIT

# prepara EXECUTABLE DATA_DIR: a fresh program folder with the executable and a copy of the data.
prepara() {
    local eseguibile=$1 dati=$2
    [[ -x "$eseguibile" ]] || fallisci "eseguibile mancante: $eseguibile"
    [[ -d "$dati" ]] || fallisci "cartella dati mancante: $dati"
    E2E_TMP=$(mktemp -d /tmp/tramelo-e2e.XXXXXX)
    mkdir -p "$E2E_TMP/Tramelo"
    cp -r "$dati"/. "$E2E_TMP/Tramelo/"
    cp "$eseguibile" "$E2E_TMP/Tramelo/tramelo"
    SHOT="$E2E_TMP/shot.png"
}

# avvia_xvfb: a private X server 1280x1024 on a display number it picks itself.
avvia_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
        [[ -s "$E2E_TMP/display" ]] && xdpyinfo -display ":$(cat "$E2E_TMP/display")" >/dev/null 2>&1 && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$E2E_TMP/display")"
    xdpyinfo >/dev/null 2>&1 || fallisci "Xvfb non parte"
}

# avvia_gioco [COMMAND...]: starts the game (by default the one in its program folder) and waits for its
# window and its first paint.
avvia_gioco() {
    if [[ $# -gt 0 ]]; then
        (cd / && exec "$@") >"$E2E_TMP/gioco.log" 2>&1 &
    else
        (cd "$E2E_TMP/Tramelo" && exec ./tramelo) >"$E2E_TMP/gioco.log" 2>&1 &
    fi
    GIOCO_PID=$!
    WID=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tramelo$' | head -n 1) ||
        fallisci "la finestra Tramelo non compare"
    [[ -n "$WID" ]] || fallisci "la finestra Tramelo non compare"
    sleep 1
    trova_area
}

# chiudi_gioco: ends the program and checks it was still running (it did not crash meanwhile).
chiudi_gioco() {
    kill -0 "$GIOCO_PID" 2>/dev/null || fallisci "il gioco è terminato da solo"
    ferma "$GIOCO_PID"
    GIOCO_PID=""
}

# scatta [FILE]: a screenshot of the whole screen (into $SHOT by default).
scatta() {
    sleep 0.4
    import -window root "${1:-$SHOT}"
}

# pixel X Y: the colour at screen point (X, Y) of the last screenshot, as "r,g,b" in 0..255.
pixel() {
    convert xc:"$(convert "$SHOT" -format "%[pixel:p{$1,$2}]" info:)" -depth 8 \
        -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:
}

# pixel_area X Y: the colour at point (X, Y) of the client area.
pixel_area() { pixel $((AREA_X + $1)) $((AREA_Y + $2)); }

# conta_colore X Y W H R,G,B [TOLL]: how many pixels of a client-area rectangle have that colour.
conta_colore() {
    local toll=${6:-24}
    convert "$SHOT" -crop "$3x$4+$((AREA_X + $1))+$((AREA_Y + $2))" +repage -depth 8 txt:- |
        awk -v c="$5" -v t="$toll" 'BEGIN { split(c, v, ",") }
            NR > 1 { gsub(/[()]/, " "); split($0, a, " "); r = a[2]; g = a[3]; b = a[4]; sub(/,.*/, "", r)
                     n = split($2, q, ","); if (n < 3) next
                     if ((q[1]-v[1])^2 < t*t && (q[2]-v[2])^2 < t*t && (q[3]-v[3])^2 < t*t) k++ }
            END { print k + 0 }'
}

# trova_area: the client area begins below the menu bar, where the light grey background starts.
trova_area() {
    scatta
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    local y
    for y in $(seq "$Y" $((Y + 80))); do
        if [[ $(pixel $((X + 2)) "$y") == "192,192,192" ]]; then
            AREA_X=$X
            AREA_Y=$y
            return 0
        fi
    done
    fallisci "area di gioco non trovata sotto la barra dei menu"
}

# Cell k of the board: its top-left corner and centre in client-area pixels. The board is laid out at
# 32 pixels a tile whatever the screen density (the model is scaled to the screen once at load).
cella_x() { echo $((24 + 32 * ($1 % 18))); }
cella_y() { echo $((16 + 32 * ($1 / 18))); }

# clicca_area X Y: a left click at a point of the client area.
clicca_area() {
    xdotool mousemove --sync $((AREA_X + $1)) $((AREA_Y + $2)) click 1
    sleep 0.15
}

# clicca_cella K: a left click on the centre of board cell K.
clicca_cella() { clicca_area $(($(cella_x "$1") + 16)) $(($(cella_y "$1") + 16)); }

# tasto NAME: a key press in the game window (xdotool key names: Escape, Return ...).
tasto() {
    xdotool key --window "$WID" "$1"
    sleep 0.15
}

# voce_menu N: the screen x of the centre of the N-th menu entry (from 1), read off the menu bar of the
# last screenshot: entries are runs of text columns separated by wider gaps than a word space.
voce_menu() {
    local altezza=$((AREA_Y - Y))
    convert "$SHOT" -crop "${WIDTH}x${altezza}+${X}+${Y}" +repage -colorspace gray -scale "${WIDTH}x1!" \
        -depth 8 txt:- |
        awk -v n="$1" -v x0="$X" 'NR > 1 { split($1, a, ","); col = a[1] + 0
                  match($0, /\([0-9.]+/); v = substr($0, RSTART + 1, RLENGTH - 1) + 0; lum[col] = v; w = col }
             END { for (i = 0; i <= w; i++) if (lum[i] > m) m = lum[i]
                   e = 0; inizio = -1; ultimo = -100
                   for (i = 0; i <= w; i++) {
                       if (lum[i] < m - 12) {
                           if (i - ultimo > 9) { if (inizio >= 0) { e++; if (e == n) { print x0 + int((inizio + ultimo) / 2); exit } } inizio = i }
                           ultimo = i } }
                   if (inizio >= 0) { e++; if (e == n) { print x0 + int((inizio + ultimo) / 2); exit } }
                   exit 1 }'
}

# clicca_menu N: a click on the N-th menu entry (from 1: Ricomincia, Soluzione, Nuovo schema, ...).
clicca_menu() {
    scatta
    local x
    x=$(voce_menu "$1") || fallisci "voce di menu $1 non trovata"
    xdotool mousemove --sync "$x" $(((Y + AREA_Y) / 2)) click 1
    sleep 0.3
}

# premi_invio: waits for a message box (a second window titled Tramelo) and closes it with Return.
premi_invio() {
    local i w box=""
    for i in $(seq 1 50); do
        for w in $(xdotool search --onlyvisible --name '^Tramelo$' 2>/dev/null); do
            [[ "$w" != "$WID" ]] && box=$w
        done
        [[ -n "$box" ]] && break
        sleep 0.1
    done
    [[ -n "$box" ]] || fallisci "nessun messaggio da chiudere"
    xdotool windowfocus --sync "$box" key Return
    for i in $(seq 1 50); do
        xdotool search --onlyvisible --name '^Tramelo$' | grep -qx "$box" || return 0
        sleep 0.1
    done
    fallisci "il messaggio non si chiude con Invio"
}
