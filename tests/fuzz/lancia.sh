#!/usr/bin/env bash
# Runs one fuzz target for some seconds from its seed corpus and prints libFuzzer's closing figures.
# Usage: lancia.sh <target> <seed corpus> <work folder> <seconds>. New inputs go to <work folder>/corpus,
# a crashing input to <work folder>/guasti/; the seed corpus is only read.
set -euo pipefail
bersaglio=$1 semi=$2 lavoro=$3 secondi=$4
mkdir -p "$lavoro/corpus" "$lavoro/guasti"
registro="$lavoro/ultimo.log"
if ! "$bersaglio" -max_total_time="$secondi" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$lavoro/guasti/" "$lavoro/corpus" "$semi" >"$registro" 2>&1; then
    tail -n 60 "$registro"
    echo "$(basename "$bersaglio"): FALLITO, input in $lavoro/guasti/" >&2
    exit 1
fi
ultima=$(grep -E '^#[0-9]+' "$registro" | tail -n 1)
esecuzioni=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro")
echo "$(basename "$bersaglio"): $esecuzioni esecuzioni in ${secondi}s; $ultima"
