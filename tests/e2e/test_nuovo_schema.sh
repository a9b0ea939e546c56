#!/usr/bin/env bash
# Nuovo schema in the real game: a new board and its picture appear, the current puzzle file changes,
# and the game started again loads the new puzzle without a message.
# Usage: test_nuovo_schema.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2"
cp "$(dirname "$0")/../fixtures/schema_fiume.txt" "$E2E_TMP/Tramelo/schemi/schema.txt"
corrente="$E2E_TMP/Tramelo/schemi/schema.txt"
cp "$corrente" "$E2E_TMP/prima.txt"
avvia_xvfb
avvia_gioco

scatta "$E2E_TMP/prima.png"
clicca_menu 3
# A generation takes a blink; now and then an attempt fails and a retry question waits for OK.
finestre() { xdotool search --onlyvisible --name '^Tramelo$' | wc -l; }
quiete=0
for _ in $(seq 1 100); do
    if (($(finestre) > 1)); then
        xdotool key Return
        quiete=0
    elif ! cmp -s "$corrente" "$E2E_TMP/prima.txt"; then
        ((++quiete >= 3)) && break
    fi
    sleep 0.2
done
cmp -s "$corrente" "$E2E_TMP/prima.txt" && fallisci "Nuovo schema non ha cambiato lo schema corrente"
sleep 1
scatta

# The file: ten rows of 18 capitals, a picture line naming a picture, the closing line.
mapfile -t righe < <(tr -d '\r' <"$corrente")
for r in $(seq 0 9); do
    [[ "${righe[$r]}" =~ ^[A-Z]{18}$ ]] || fallisci "riga $r non valida: ${righe[$r]}"
done
[[ "${righe[11]}" =~ ^[0-9]{3}\ [0-9\ ]{5}$ && "${righe[11]:0:3}" != "000" ]] || fallisci "riga dell'immagine: ${righe[11]}"
[[ "${righe[-1]}" == "/* fine schema n.001" ]] || fallisci "manca la riga finale"

# The board shows the new letters: the first cell's tile differs from before only if the letter did,
# so check the picture instead: the holder is no longer the pale placeholder but a picture with colour.
colori=$(convert "$SHOT" -crop "259x194+$((AREA_X + 622))+$((AREA_Y + 29))" +repage -colors 64 -unique-colors txt:- | wc -l)
((colori > 8)) || fallisci "nessuna figura accanto allo schema ($colori colori)"
# No word of the new puzzle is reported missing: no message box is open.
((${#righe[@]} > 13)) || fallisci "lo schema non ha parole"
(($(finestre) == 1)) || fallisci "una finestra di messaggio è aperta"
chiudi_gioco

# Started again, the game loads the new puzzle as its current one.
avvia_gioco
scatta
(($(finestre) == 1)) || fallisci "un messaggio al caricamento dello schema nuovo"
chiudi_gioco
[[ -n "${TRAMELO_E2E_FOTO:-}" ]] && cp "$SHOT" "$TRAMELO_E2E_FOTO/nuovo_schema.png" && cp "$corrente" "$TRAMELO_E2E_FOTO/schema.txt"
echo "ok: Nuovo schema"
