#!/usr/bin/env bash
# The installed game and its puzzle library. Installed into a staging folder and run there by an
# unprivileged user (nobody when run as root), it makes that user's folder with the shipped puzzle and shows
# it with its picture; Salva schema saves into that folder, Carica schema loads a saved puzzle from the list,
# Cancella schema deletes one; no file under the installation changes.
# Usage: test_installata.sh <tramelo executable> <data folder> <build folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2"
stage="$E2E_TMP/stage" casa="$E2E_TMP/casa"
DESTDIR="$stage" cmake --install "$3" --prefix /usr >/dev/null || fallisci "installazione non riuscita"
spedito="$stage/usr/share/tramelo/schemi/schema.txt" schemi="$casa/.local/share/tramelo/schemi"
elenco() { find "$stage" -printf '%P %s %m %T@\n' | sort; }
elenco >"$E2E_TMP/prima.txt"
mkdir "$casa"
utente=()
if [[ $(id -u) -eq 0 ]]; then
    chown nobody:nogroup "$casa"
    utente=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
avvia env -u XDG_DATA_HOME HOME="$casa" "${utente[@]}" "$stage/usr/games/tramelo"
cmp -s "$schemi/schema.txt" "$spedito" || fallisci "schema.txt del giocatore non è quello spedito"
[[ $(stat -c %u "$schemi/schema.txt") == $(stat -c %u "$casa") ]] || fallisci "schema.txt non è del giocatore"
sfondo 0 255,255,255 && sfondo 179 255,255,255 || fallisci "la tavola non compare"
(($(colorati) > 500)) || fallisci "nessuna figura accanto alla tavola"

clicca_menu 6 # Salva schema
premi_invio
cmp -s "$schemi/schema_n_001.txt" "$spedito" || fallisci "schema_n_001.txt non salvato dal giocatore"
# Another current puzzle, whose first cell (a leftover letter) is blank: hidden after Ricomincia.
sed '1s/^L/ /' "$(dirname "$0")/../fixtures/schema_fiume.txt" >"$schemi/schema.txt"
clicca_menu 1
scatta
sfondo 0 255,255,255 && fallisci "dopo Ricomincia la cella 0 dovrebbe essere nascosta"
# lista: where the open file list begins, the first white pixel of the row above the board; empty if closed.
lista() {
    convert "$SHOT" -crop "760x1+$AREA_X+$((AREA_Y + 4))" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' 'NR > 1 && $3 $4 $5 == "255255255" && x == "" { x = $1 } END { print x }'
}
clicca_menu 7 # Carica schema: a click on the only name loads it.
scatta
x=$(lista)
[[ -n "$x" ]] || fallisci "Carica schema non apre la lista"
clicca_area $((x + 40)) 10
scatta
[[ -z $(lista) ]] || fallisci "la lista resta aperta dopo il caricamento"
sfondo 0 255,255,255 || fallisci "lo schema caricato non è sulla tavola"
cmp -s "$schemi/schema.txt" "$spedito" || fallisci "schema.txt non è lo schema scelto"
clicca_menu 8 # Cancella schema: a click on the only name deletes it, with a message.
scatta
clicca_area $(($(lista) + 40)) 10
premi_invio
[[ ! -e "$schemi/schema_n_001.txt" ]] || fallisci "schema_n_001.txt non cancellato"
chiudi

elenco >"$E2E_TMP/dopo.txt"
diff "$E2E_TMP/prima.txt" "$E2E_TMP/dopo.txt" >&2 || fallisci "il gioco ha cambiato l'installazione"
echo ok
