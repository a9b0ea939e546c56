#!/usr/bin/env bash
# The installed game and its puzzle library. Installed into a staging folder and run there by an
# unprivileged user (nobody when run as root), it makes that user's folder with the shipped puzzle and shows
# it with its picture; Salva schema saves into that folder, Cancella schema deletes from it what its list
# shows; no file under the installation changes. (Carica schema acts on a name of the same list, in the
# same folder, through the same click; that it loads the puzzle chosen, test_libreria checks.)
# Usage: test_installata.sh <tramelo executable> <data folder> <build folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2"
stage="$E2E_TMP/stage" casa="$E2E_TMP/casa"
DESTDIR="$stage" cmake --install "$3" --prefix /usr >/dev/null || fallisci "installazione non riuscita"
spedito="$stage/usr/share/tramelo/schemi/schema.txt" schemi="$casa/.local/share/tramelo/schemi"
mkdir "$casa" && touch "$E2E_TMP/installata"
utente=()
if [[ $(id -u) -eq 0 ]]; then chown nobody:nogroup "$casa" && utente=(setpriv --reuid=nobody --regid=nogroup --clear-groups); fi
avvia env -u XDG_DATA_HOME HOME="$casa" "${utente[@]}" "$stage/usr/games/tramelo"
cmp -s "$schemi/schema.txt" "$spedito" || fallisci "schema.txt del giocatore non è quello spedito"
aspetta "la tavola non compare" 'sfondo 0 255,255,255 && sfondo 179 255,255,255'
(($(colorati) > 500)) || fallisci "nessuna figura accanto alla tavola"

menu 6 # Salva schema
premi_invio
cmp -s "$schemi/schema_n_001.txt" "$spedito" || fallisci "schema_n_001.txt non salvato dal giocatore"
lista 8 # Cancella schema: a click on the only name deletes it, with a message.
clicca_area 418 10
premi_invio
[[ ! -e "$schemi/schema_n_001.txt" ]] || fallisci "schema_n_001.txt non cancellato"
chiudi

# Whatever is written, made, removed or given other rights under the installation changes some status time.
[[ -z $(find "$stage" -cnewer "$E2E_TMP/installata") ]] || fallisci "il gioco ha cambiato l'installazione"
