#!/usr/bin/env bash
# The Debian package built by CPack: its control fields, and exactly the files it installs, root's, the
# program executable and everything else read-only.
# Usage: test_pacchetto.sh <build folder> <version>
set -euo pipefail
fallisci() { echo "FALLITO: $*" >&2 && exit 1; }
tmp=$(mktemp -d /tmp/tramelo-pacchetto.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
cpack --config "$1/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 || fallisci "cpack: $(cat "$tmp/cpack.log")"
arch=$(dpkg --print-architecture)
deb="$tmp/tramelo_$2_$arch.deb"
# Each field and what it must match; Depends holds the libraries dpkg-shlibdeps found and the window's fonts.
campi=(Package=tramelo Version="$2" Architecture="$arch" Section=games Maintainer=.+ Description=.+)
for d in libqt6widgets6 libqt6printsupport6 'libstdc\+\+6' libc6 fonts-liberation2; do campi+=("Depends=(.*, )?$d( .*|,.*|)"); done
for c in "${campi[@]}"; do
    valore=$(dpkg-deb -f "$deb" "${c%%=*}")
    [[ $valore =~ ^${c#*=}$ ]] || fallisci "${c%%=*}: $valore"
done
[[ -n $(dpkg-deb -I "$deb" md5sums) ]] || fallisci "md5sums mancante"

id=io.github.tramelo.Tramelo
{
    echo "-rwxr-xr-x root/root usr/games/tramelo"
    printf -- '-rw-r--r-- root/root usr/share/%s\n' tramelo/{Immagini.jpg,Immagini.txt,schemi/schema.txt} \
        tramelo/dizionari/{dizionario.bbb,indir_bbb.txt} applications/$id.desktop metainfo/$id.metainfo.xml \
        icons/hicolor/{scalable/apps/$id.svg,{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png} \
        man/man6/tramelo.6.gz doc/tramelo/{README.md,CREDITS,copyright,changelog.gz}
} | sort -k3 >"$tmp/attesi.txt"
dpkg-deb -c "$deb" | awk '$1 ~ /^-/ { sub(/^\.\//, "", $6); print $1, $2, $6 }' | sort -k3 |
    diff "$tmp/attesi.txt" - >&2 || fallisci "i file del pacchetto non sono quelli attesi"
