#!/usr/bin/env bash
# The Debian package built by CPack: its control fields and exactly the files it must install.
# Usage: test_pacchetto.sh <build folder> <version>
set -euo pipefail
costruzione=$1 versione=$2
fallisci() {
    echo "FALLITO: $*" >&2
    exit 1
}
tmp=$(mktemp -d /tmp/tramelo-pacchetto.XXXXXX)
trap 'rm -rf "$tmp"' EXIT

cpack --config "$costruzione/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 || {
    cat "$tmp/cpack.log" >&2
    fallisci "cpack non riuscito"
}
arch=$(dpkg --print-architecture)
deb="$tmp/tramelo_${versione}_${arch}.deb"
[[ -f "$deb" ]] || fallisci "manca $(basename "$deb"): $(ls "$tmp")"

campo() { dpkg-deb -f "$deb" "$1"; }
[[ $(campo Package) == tramelo ]] || fallisci "Package: $(campo Package)"
[[ $(campo Version) == "$versione" ]] || fallisci "Version: $(campo Version)"
[[ $(campo Architecture) == "$arch" ]] || fallisci "Architecture: $(campo Architecture)"
[[ $(campo Section) == games ]] || fallisci "Section: $(campo Section)"
[[ -n $(campo Maintainer) && -n $(campo Description) ]] || fallisci "Maintainer o Description vuoti"
# Libraries found by dpkg-shlibdeps, and the fonts the window draws with.
nomi=$(campo Depends | tr ',' '\n' | awk '{ print $1 }')
for d in libqt6widgets6 libqt6printsupport6 libstdc++6 libc6 fonts-liberation2; do
    grep -qxF "$d" <<<"$nomi" || fallisci "Depends senza $d: $(campo Depends)"
done
[[ -n $(dpkg-deb -I "$deb" md5sums) ]] || fallisci "md5sums mancante"

id=io.github.tramelo.Tramelo
atteso=(
    usr/games/tramelo
    usr/share/tramelo/Immagini.jpg usr/share/tramelo/Immagini.txt
    usr/share/tramelo/dizionari/dizionario.bbb usr/share/tramelo/dizionari/indir_bbb.txt
    usr/share/tramelo/schemi/schema.txt
    usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
    usr/share/man/man6/tramelo.6.gz
    usr/share/doc/tramelo/README.md usr/share/doc/tramelo/CREDITS
    usr/share/doc/tramelo/copyright usr/share/doc/tramelo/changelog.gz
)
for lato in 16 24 32 48 64 128 256; do atteso+=("usr/share/icons/hicolor/${lato}x${lato}/apps/$id.png"); done
# Regular files only ("-" in the mode), root-owned, without the leading "./".
dpkg-deb -c "$deb" | awk '$1 ~ /^-/ { sub(/^\.\//, "", $6); print $2, $1, $6 }' | sort -k3 >"$tmp/file.txt"
diff <(printf '%s\n' "${atteso[@]}" | sort) <(awk '{ print $3 }' "$tmp/file.txt") >&2 ||
    fallisci "i file del pacchetto non sono quelli attesi"
awk '$1 != "root/root" { exit 1 }' "$tmp/file.txt" || fallisci "file non di root"
grep -qx 'root/root -rwxr-xr-x usr/games/tramelo' "$tmp/file.txt" || fallisci "tramelo non eseguibile"
[[ $(awk '$2 != "-rw-r--r--" && $3 != "usr/games/tramelo"' "$tmp/file.txt" | wc -l) -eq 0 ]] ||
    fallisci "permessi dei dati diversi da 644"
echo "ok"
