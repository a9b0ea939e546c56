#!/usr/bin/env bash
# On a 1600x1000 screen at twice the density (QT_SCALE_FACTOR=2, so 800x500 points) the window, too large at
# its own size, shows whole: shrunk to fit, its client area painted to the last pixel, the screen around it
# left as it was.
# Usage: test_schermo_piccolo.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2" 1600x1000
avvia env QT_SCALE_FACTOR=2 ./tramelo
eval "$(xdotool getwindowgeometry --shell "$WID")"
((X >= 0 && Y >= 0 && X + WIDTH <= 1600 && Y + HEIGHT <= 1000)) ||
    fallisci "finestra di ${WIDTH}x${HEIGHT} in $X,$Y: non sta nello schermo di 1600x1000"
# The client area's last pixel, at the bottom right, is the window's light grey; the screen right of it and
# below it is still the X server's black.
(($(conta $((WIDTH - 2)) $((Y + HEIGHT - 2 - AREA_Y)) 1 1 192,192,192 0) == 1)) ||
    fallisci "l'angolo in basso a destra della finestra non è dipinto"
((X + WIDTH == 1600)) || (($(conta "$WIDTH" 0 1 1 0,0,0 0) == 1)) || fallisci "oltre il bordo destro non è lo schermo vuoto"
((Y + HEIGHT == 1000)) || (($(conta 0 $((Y + HEIGHT - AREA_Y)) 1 1 0,0,0 0) == 1)) ||
    fallisci "sotto la finestra non è lo schermo vuoto"
chiudi
