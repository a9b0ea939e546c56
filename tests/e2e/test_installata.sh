#!/usr/bin/env bash
# The installed game: installed into a staging folder (DESTDIR) and run there by an unprivileged user
# (nobody when run as root), it makes that user's folder with the shipped puzzle, shows the puzzle with
# its picture, saves into the user's folder and changes no file under the installation.
# Usage: test_installata.sh <tramelo executable> <data folder> <build folder>
source "$(dirname "$0")/lib.sh"

costruzione=$3
[[ -d "$costruzione" ]] || fallisci "cartella di costruzione mancante: $costruzione"
E2E_TMP=$(mktemp -d /tmp/tramelo-e2e.XXXXXX)
chmod 755 "$E2E_TMP"
SHOT="$E2E_TMP/shot.png"
stage="$E2E_TMP/stage"
DESTDIR="$stage" cmake --install "$costruzione" --prefix /usr >"$E2E_TMP/install.log" ||
    fallisci "installazione non riuscita"
gioco="$stage/usr/games/tramelo"
dati="$stage/usr/share/tramelo"
[[ -x "$gioco" && -f "$dati/schemi/schema.txt" ]] || fallisci "installazione incompleta"
# Every file and folder of the installation with its size, mode and time.
elenco() { find "$stage" -printf '%P %s %m %T@\n' | sort; }
elenco >"$E2E_TMP/prima.txt"

casa="$E2E_TMP/casa"
mkdir -p "$casa"
utente=()
if [[ $(id -u) -eq 0 ]]; then
    chown nobody:nogroup "$casa"
    utente=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
giocatore="$casa/.local/share/tramelo"

avvia_xvfb
avvia_gioco env -u XDG_DATA_HOME HOME="$casa" "${utente[@]}" "$gioco"

# The player's folder holds the shipped puzzle and the picture cut out for it, owned by the player.
cmp -s "$giocatore/schemi/schema.txt" "$dati/schemi/schema.txt" || fallisci "schema.txt del giocatore non è quello spedito"
[[ -s "$giocatore/FileTemp.jpg" ]] || fallisci "FileTemp.jpg mancante nella cartella del giocatore"
[[ $(stat -c %u "$giocatore/schemi/schema.txt") == $(stat -c %u "$casa") ]] || fallisci "schema.txt non è del giocatore"

# The board: white tiles with dark letters; the picture beside it: a coloured drawing, not the grey
# placeholder (some of its pixels are strongly saturated).
for k in 0 179; do
    [[ $(pixel_area $(($(cella_x $k) + 5)) $(($(cella_y $k) + 5))) == "255,255,255" ]] || fallisci "cella $k non bianca"
    (($(conta_colore $(($(cella_x $k) + 8)) $(($(cella_y $k) + 6)) 16 20 0,0,0 80) > 0)) || fallisci "cella $k senza lettera"
done
saturi=$(convert "$SHOT" -crop "259x194+$((AREA_X + 622))+$((AREA_Y + 29))" +repage -depth 8 txt:- |
    awk -F'[(),]+' 'NR > 1 { r = $3; g = $4; b = $5; M = r > g ? r : g; M = M > b ? M : b
                             m = r < g ? r : g; m = m < b ? m : b; if (M - m > 96) k++ } END { print k + 0 }')
((saturi > 500)) || fallisci "nessuna immagine accanto alla tavola ($saturi pixel di colore acceso)"

# Salva schema (sixth entry) saves into the player's library.
clicca_menu 6
premi_invio
cmp -s "$giocatore/schemi/schema_n_001.txt" "$dati/schemi/schema.txt" || fallisci "schema_n_001.txt non salvato dal giocatore"
chiudi_gioco

elenco >"$E2E_TMP/dopo.txt"
diff "$E2E_TMP/prima.txt" "$E2E_TMP/dopo.txt" >&2 || fallisci "il gioco ha cambiato l'installazione"
echo "ok"
