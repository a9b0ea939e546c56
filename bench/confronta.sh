#!/usr/bin/env bash
# Runs two bench executables alternately on the same seed and data, so that both see the same load
# of the machine, and prints each run's figures and the ratios of their medians (wall clock and
# processor time).
# Usage: bench/confronta.sh OLD_BENCH NEW_BENCH [rounds (5)] [puzzles (300)] [seed (1000)] [data folder]
set -euo pipefail
vecchio=$1 nuovo=$2 giri=${3:-5} schemi=${4:-300} seme=${5:-1000}
dati=${6:-$(cd "$(dirname "$0")/.." && pwd)/data}

# One run: wall median, wall p90, cpu median, cpu p90, checksum.
cifre() {
    "$1" "$schemi" "$seme" "$dati" |
        awk '/checksum/ {s = $NF} /^ms per/ {w = $6 " " $8} /^cpu ms per/ {p = $7 " " $9} END {print w, p, s}' |
        tr -d ,
}
uptime
rapporti=()
for ((g = 1; g <= giri; g++)); do
    read -r mv pv cv qv sv < <(cifre "$vecchio")
    read -r mn pn cn qn sn < <(cifre "$nuovo")
    printf 'round %d  old: median %6.2f p90 %6.2f cpu %6.2f/%6.2f ms  new: median %6.2f p90 %6.2f cpu %6.2f/%6.2f ms  %s\n' \
        "$g" "$mv" "$pv" "$cv" "$qv" "$mn" "$pn" "$cn" "$qn" "$([[ $sv == "$sn" ]] && echo "same checksum $sn" || echo "CHECKSUMS DIFFER $sv $sn")"
    rapporti+=("$(awk -v a="$mv" -v b="$mn" -v c="$cv" -v d="$cn" 'BEGIN {print a / b, c / d}')")
done
mediana() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
printf 'median speed-up (old median / new median): wall clock %.2f, processor time %.2f\n' \
    "$(printf '%s\n' "${rapporti[@]}" | cut -d' ' -f1 | mediana)" \
    "$(printf '%s\n' "${rapporti[@]}" | cut -d' ' -f2 | mediana)"
uptime
