#!/usr/bin/env bash
# Runs two bench executables alternately on the same seed and data, so that both see the same load
# of the machine, and prints each run's figures and the ratio of their medians.
# Usage: bench/confronta.sh OLD_BENCH NEW_BENCH [rounds (5)] [puzzles (300)] [seed (1000)] [data folder]
set -euo pipefail
vecchio=$1 nuovo=$2 giri=${3:-5} schemi=${4:-300} seme=${5:-1000}
dati=${6:-$(cd "$(dirname "$0")/.." && pwd)/data}

uptime
rapporti=()
for ((g = 1; g <= giri; g++)); do
    riga() { "$1" "$schemi" "$seme" "$dati" | awk '/checksum/ {s = $NF} /median/ {print $6, $8, s}' | tr -d ,; }
    read -r mv pv sv < <(riga "$vecchio")
    read -r mn pn sn < <(riga "$nuovo")
    printf 'round %d  old median %6.2f p90 %6.2f %s   new median %6.2f p90 %6.2f %s\n' "$g" "$mv" "$pv" "$sv" "$mn" "$pn" "$sn"
    [[ $sv == "$sn" ]] || echo "  checksums differ"
    rapporti+=("$(awk -v a="$mv" -v b="$mn" 'BEGIN {print a / b}')")
done
printf '%s\n' "${rapporti[@]}" | sort -g | awk '{r[NR] = $1} END {printf "median speed-up (old median / new median): %.2f\n", r[int((NR + 1) / 2)]}'
uptime
