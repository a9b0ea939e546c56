#!/usr/bin/env bash
# The real game in program folders it cannot write into: under a file-size limit, and (when the tests
# run as root) as another user in a folder it does not own. Each time the window appears with the
# puzzle's picture, one message says the picture's copy could not be written, and no temporary file is
# left behind.
# Usage: test_cartella_ostile.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

# avvia_come PREFIX...: starts the game through a command prefix, answers the start-up messages (the
# boxes are smaller than the window) and counts them in MESSAGGI.
avvia_come() {
    (cd "$E2E_TMP/Tramelo" && exec "$@" ./tramelo) >"$E2E_TMP/gioco.log" 2>&1 &
    GIOCO_PID=$!
    MESSAGGI=0
    local i w larghezza visti=" "
    for i in $(seq 1 60); do
        WID=""
        for w in $(xdotool search --onlyvisible --name '^Tramelo$' 2>/dev/null); do
            larghezza=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
            [[ -n "$larghezza" ]] || continue
            if ((larghezza < 800)); then
                [[ "$visti" == *" $w "* ]] || MESSAGGI=$((MESSAGGI + 1))
                visti+="$w "
                xdotool key --window "$w" Return 2>/dev/null || true
                sleep 0.5
            else
                WID=$w
            fi
        done
        [[ -n "$WID" ]] && break
        sleep 0.5
    done
    [[ -n "$WID" ]] || fallisci "la finestra Tramelo non compare"
    sleep 1
    trova_area
}

# verifica CASO: the picture holder shows a picture (the empty holder is a grey-green gradient, g = b),
# one message was shown, nothing temporary is left.
verifica() {
    scatta
    local colore
    colore=$(convert "$SHOT" -crop "240x170+$((AREA_X + 630))+$((AREA_Y + 40))" +repage -fx 'abs(g-b)' \
        -format '%[fx:int(255*mean+.5)]' info:)
    ((colore > 3)) || fallisci "$1: nessuna immagine nel riquadro"
    ((MESSAGGI == 1)) || fallisci "$1: $MESSAGGI messaggi all'avvio invece di 1"
    [[ -z $(find "$E2E_TMP/Tramelo" -name '*.tmp') ]] || fallisci "$1: file temporanei rimasti"
    chiudi_gioco
}

prepara "$1" "$2"
avvia_xvfb

# A file-size limit of 4 KB: the picture's copy cannot be written, the game goes on.
avvia_come bash -c 'ulimit -f 4 && exec "$0"'
verifica "limite di 4 KB"
cmp -s "$E2E_TMP/Tramelo/schemi/schema.txt" "$2/schemi/schema.txt" || fallisci "schema corrente cambiato"

# Another user in a folder only root can write.
if [[ $(id -u) -eq 0 ]] && id nobody >/dev/null 2>&1; then
    rm -f "$E2E_TMP/Tramelo/FileTemp.jpg"
    chmod -R a+rX "$E2E_TMP"
    avvia_come setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups env HOME=/tmp
    verifica "cartella di un altro utente"
    [[ ! -e "$E2E_TMP/Tramelo/FileTemp.jpg" ]] || fallisci "FileTemp.jpg scritto"
else
    echo "cartella di un altro utente: saltato (serve root)"
fi
echo "ok"
