#!/usr/bin/env bash
# Rebuilds the game's word store and picture store from public packages:
#   data/dizionari/dizionario.bbb, data/dizionari/indir_bbb.txt,
#   data/Immagini.txt, data/Immagini.jpg
# Needs root for apt-get (or the packages below already installed) and the
# npm registry. Nothing is written outside data/ but temporary folders.
# The same package versions (listed in data/CREDITS) give the same bytes.
# With the argument "parole" it rebuilds the word store only; with "immagini"
# the pictures only; with "contatto" it rebuilds nothing and draws contact
# sheets of the shipped pictures, each with its number and caption, into
# build/contatto/contatto_NN.png.
set -euo pipefail
SOLO="${1:-}"

QUI="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
RADICE="$(cd "$QUI/../.." && pwd)"
DATI="$RADICE/data"

PACCHETTI_DEB=(hunspell-it fonts-noto-color-emoji qt6-base-dev)
PACCHETTI_DEB+=(wamerican wbritish wfrench)   # English and French words: loans
# Tools: a command already on the PATH will do, wherever it came from.
declare -A STRUMENTI=([cmake]=cmake [g++]=g++ [python3]=python3 [npm]=npm)
PACCHETTI_NPM=(italian-words-dict@3.4.0 italian-adjectives-dict@3.4.0
               italian-verbs-dict@3.4.0)
# Italian lists of offensive words.
PACCHETTI_NPM+=(naughty-words@1.2.0 italian-badwords-list@1.0.3
                washyourmouthoutwithsoap@1.0.2)
# Versions the shipped files were built from.
declare -A VERSIONI=(
  [hunspell-it]="1:7.5.0-1"
  [wamerican]="2020.12.07-2"
  [wbritish]="2020.12.07-2"
  [wfrench]="1.2.7-2"
  [fonts-noto-color-emoji]="2.042-0+deb12u1"
  [qt6-base-dev]="6.4.2+dfsg-10"
)

mancanti=()
for p in "${PACCHETTI_DEB[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || mancanti+=("$p")
done
for c in "${!STRUMENTI[@]}"; do
  command -v "$c" >/dev/null || mancanti+=("${STRUMENTI[$c]}")
done
if ((${#mancanti[@]})); then
  echo "== installo: ${mancanti[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${mancanti[@]}" >/dev/null
fi
for p in "${!VERSIONI[@]}"; do
  v="$(dpkg-query -W -f='${Version}' "$p")"
  if [[ "$v" != "${VERSIONI[$p]}" ]]; then
    echo "attenzione: $p $v invece di ${VERSIONI[$p]}: i file potranno differire" >&2
  fi
done

LAVORO="$(mktemp -d /tmp/tramelo-dati.XXXXXX)"
trap 'rm -rf "$LAVORO"' EXIT
COSTRUZIONE="${COSTRUZIONE:-$LAVORO/build}"

if [[ "$SOLO" != immagini && "$SOLO" != contatto ]]; then
echo "== pacchetti npm"
(cd "$LAVORO" && npm install --no-save --no-package-lock --no-audit --no-fund \
   --ignore-scripts --loglevel=error "${PACCHETTI_NPM[@]}" >/dev/null)
MODULI="$LAVORO/node_modules"

echo "== parole"
python3 "$QUI/parole.py" --dic /usr/share/hunspell/it_IT.dic --npm "$MODULI" \
  --frequenze "$QUI/it_50k.txt" \
  --straniere /usr/share/dict/american-english /usr/share/dict/british-english \
              /usr/share/dict/french \
  --uscita "$DATI/dizionari"
if [[ "$SOLO" == parole ]]; then
  ls -l "$DATI/dizionari/dizionario.bbb" "$DATI/dizionari/indir_bbb.txt"
  exit 0
fi
fi

echo "== immagini"
cmake -S "$QUI" -B "$COSTRUZIONE" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$COSTRUZIONE" >/dev/null
if [[ "$SOLO" == contatto ]]; then
  mkdir -p "$RADICE/build/contatto"
  rm -f "$RADICE/build/contatto"/contatto_*.png
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$LAVORO" "$COSTRUZIONE/disegna_emoji" \
    --contatto "$DATI/Immagini.txt" "$DATI/Immagini.jpg" "$RADICE/build/contatto"
  exit 0
fi
python3 "$QUI/immagini.py" elenco --tabella "$QUI/didascalie.txt" \
  --sinonimi "$QUI/sinonimi.txt" \
  --lista "$LAVORO/lista.txt" --dati "$LAVORO/candidati.json"
mkdir -p "$LAVORO/disegni"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$LAVORO" \
  "$COSTRUZIONE/disegna_emoji" "$LAVORO/lista.txt" "$LAVORO/disegni" \
  > "$LAVORO/esito.txt"
if grep -v ' ok$' "$LAVORO/esito.txt"; then
  echo "(immagini scartate qui sopra)"
fi
python3 "$QUI/immagini.py" assembla --dati "$LAVORO/candidati.json" \
  --esito "$LAVORO/esito.txt" --disegni "$LAVORO/disegni" --uscita "$DATI"

echo "== fatto"
ls -l "$DATI/dizionari/dizionario.bbb" "$DATI/dizionari/indir_bbb.txt" \
      "$DATI/Immagini.txt" "$DATI/Immagini.jpg"
