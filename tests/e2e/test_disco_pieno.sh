#!/usr/bin/env bash
# Salva schema on a full disk: the library folder is a small file system filled to the last byte, and the
# message says why the save failed, "disco pieno", and names the file it could not write; nothing is left
# in the folder. Mounting needs root: elsewhere the test is skipped.
# Usage: test_disco_pieno.sh <tramelo executable> <data folder>
source "$(dirname "$0")/lib.sh"

prepara "$1" "$2"
schemi="$GIOCO/schemi"
mount -t tmpfs -o size=64k tmpfs "$schemi" 2>/dev/null || salta "montare un tmpfs non è permesso qui"
MONTATA="$schemi"
cp "$2/schemi/schema.txt" "$schemi/"
dd if=/dev/zero of="$schemi/riempitivo" bs=1k 2>/dev/null || true
[[ $(df --output=avail "$schemi" | tail -n 1 | tr -d ' ') == 0 ]] || fallisci "il disco non è pieno"
prima=$(ls -A "$schemi")

avvia ./tramelo
menu 6 # Salva schema
messaggio_atteso "Impossibile salvare lo schema (disco pieno):
$schemi/schema_n_001.txt"
[[ $(ls -A "$schemi") == "$prima" ]] || fallisci "la cartella degli schemi è cambiata: $(ls -A "$schemi")"
chiudi
