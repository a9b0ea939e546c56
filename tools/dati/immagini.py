#!/usr/bin/env python3
"""Picture catalogue (Immagini.txt) and picture store (Immagini.jpg).

Two steps around the drawing helper disegna_emoji:
  elenco    reads Unicode's emoji-test.txt and CLDR's Italian names, writes
            the candidate list the helper draws (name + code points) and a
            JSON file with each candidate's caption, subgroup and tier;
  assembla  takes the helper's report and its JPEGs, chooses at most 600
            pictures so that every caption length the generator can ask for
            is well stocked, and writes the two data files.
Everything is ordered explicitly, so the same inputs give the same bytes.
"""
import argparse
import json
import os
import re
import sys
import unicodedata
import xml.etree.ElementTree as ET

MAX_IMMAGINI = 600
MAX_LETTERE = 18        # the board never leaves more free cells
MIN_PER_LUNGHEZZA = 30
MAX_BYTE = 99999

# Things a player can name from the picture: tier 1.
CONCRETI = {
    "animal-mammal", "animal-bird", "animal-amphibian", "animal-reptile",
    "animal-marine", "animal-bug", "plant-flower", "plant-other",
    "food-fruit", "food-vegetable", "food-prepared", "food-asian",
    "food-marine", "food-sweet", "drink", "dishware",
    "place-map", "place-geographic", "place-building", "place-religious",
    "place-other", "transport-ground", "transport-water", "transport-air",
    "hotel", "award-medal", "sport", "game", "arts & crafts",
    "clothing", "musical-instrument", "music", "phone", "computer",
    "light & video", "book-paper", "money", "writing", "lock", "tool",
    "science", "medical", "household", "person-role", "person-fantasy",
    "person-sport", "person-activity", "body-parts", "face-costume",
    "sound", "mail", "office",
}
# Fair but less lively: used only to bring a length up to its minimum.
DI_RISERVA = {
    "sky & weather", "time", "event", "other-object", "monkey-face",
    "zodiac", "person", "person-resting", "emotion", "heart",
    "country-flag", "religion", "hand-prop",
}
# Captions that describe an interface symbol or a variant, not a thing.
PAROLE_NOIOSE = re.compile(
    r"\b(faccina|pulsante|freccia|simbolo|segnale|tasto|carnagione|"
    r"volume|disattivato|ore|mezza)\b")

# Very short captions are scarce among the names; CLDR lists these as
# keywords of the pictures, and they name them fairly.
NOMI_BREVI = {
    "\U0001F451": "re",     # corona
    "\U0001FAD6": "tè",     # teiera
    "\U0001F378": "bar",    # cocktail
    "\U0001F947": "oro",    # medaglia d'oro
    "\U0001F945": "gol",    # porta da calcio
    "\U0001FAA1": "ago",    # ago da cucito
    "\U0001F3B7": "sax",    # sassofono
}

ACCENTI = str.maketrans("ÀÁÈÉÌÍÒÓÙÚàáèéìíòóùú", "AAEEIIOOUUaaeeiioouu")


def didascalia(nome):
    """Caption from a CLDR name: capitals and single blanks, or None when the
    name has digits or symbols that would not survive."""
    t = nome.translate(ACCENTI)
    t = re.sub(r"[’'\-:,]", " ", t)
    if not re.fullmatch(r"[A-Za-z ]+", t):
        return None
    t = " ".join(t.split()).upper()
    return t or None


def lettere(d):
    return len(d.replace(" ", ""))


def nomi_cldr(cartella):
    """Returns ({sequence: spoken name}, {sequence: keywords}), sequences
    without variation selectors."""
    nomi, chiavi = {}, {}
    for f in ("annotations", "annotationsDerived"):
        radice = ET.parse(os.path.join(cartella, f, "it.xml")).getroot()
        for a in radice.iter("annotation"):
            cp = a.get("cp").replace("\ufe0f", "")
            if a.get("type") == "tts":
                nomi[cp] = a.text
            else:
                chiavi[cp] = [k.strip() for k in a.text.split("|")]
    return nomi, chiavi


def elenco(a):
    nomi, chiavi = nomi_cldr(a.cldr)
    candidati, visti = [], set()

    def aggiungi(prefisso, punti, d, sottogruppo, livello):
        visti.add(d)
        candidati.append({
            "nome": f"{prefisso}{len(candidati) + 1:04d}",
            "punti": [f"{p:X}" for p in punti],
            "didascalia": d,
            "sottogruppo": sottogruppo,
            "livello": livello,
        })

    gruppo = sottogruppo = None
    with open(a.emoji_test, encoding="utf-8") as f:
        for riga in f:
            if riga.startswith("# subgroup:"):
                sottogruppo = riga.split(":", 1)[1].strip()
                continue
            if not riga.strip() or riga.startswith("#"):
                continue
            codici, resto = riga.split(";", 1)
            if "fully-qualified" not in resto.split("#")[0]:
                continue
            punti = [int(x, 16) for x in codici.split()]
            if any(0x1F3FB <= p <= 0x1F3FF for p in punti):
                continue                       # skin-tone variants
            if sottogruppo in CONCRETI:
                livello = 1
            elif sottogruppo in DI_RISERVA:
                livello = 2
            else:
                continue
            nome = nomi.get("".join(map(chr, punti)).replace("\ufe0f", ""))
            if nome is None:
                continue
            if sottogruppo == "country-flag":
                nome = nome.split(":", 1)[-1]  # the country, not "bandiera"
            if PAROLE_NOIOSE.search(nome.lower()):
                continue
            d = didascalia(nome)
            if d is None or lettere(d) > MAX_LETTERE or d in visti:
                continue
            aggiungi("e", punti, d, sottogruppo, livello)
    for emoji, parola in sorted(NOMI_BREVI.items()):
        if parola not in chiavi.get(emoji, []):
            sys.exit(f"{parola}: non è tra le parole chiave di {emoji!r}")
        d = didascalia(parola)
        if d not in visti:
            aggiungi("k", [ord(c) for c in emoji], d, "nomi-brevi", 1)
    with open(a.lista, "w", encoding="ascii") as f:
        for c in candidati:
            f.write(c["nome"] + " " + " ".join(c["punti"]) + "\n")
    with open(a.dati, "w", encoding="utf-8") as f:
        json.dump(candidati, f, ensure_ascii=False, indent=0)
    print(f"candidati: {len(candidati)}")


def alternati(gruppo):
    """Candidates taken one subgroup at a time, so no theme crowds a length."""
    per_sg = {}
    for c in gruppo:
        per_sg.setdefault(c["sottogruppo"], []).append(c)
    code = [per_sg[k] for k in sorted(per_sg)]
    fuori = []
    while any(code):
        for coda in code:
            if coda:
                fuori.append(coda.pop(0))
    return fuori


def scegli(candidati):
    per_lung = {}
    for c in candidati:
        per_lung.setdefault(lettere(c["didascalia"]), []).append(c)
    scelte, resto = [], {}
    # First every length gets its minimum, from the lively tier if it can.
    for n in sorted(per_lung):
        primi = alternati([c for c in per_lung[n] if c["livello"] == 1])
        riserva = alternati([c for c in per_lung[n] if c["livello"] == 2])
        presi = primi[:MIN_PER_LUNGHEZZA]
        presi += riserva[:MIN_PER_LUNGHEZZA - len(presi)]
        scelte += presi
        resto[n] = primi[len(presi):] if len(presi) < len(primi) else []
    if len(scelte) > MAX_IMMAGINI:
        sys.exit(f"troppe immagini già per i minimi: {len(scelte)}")
    # Then the lively tier fills the room left, one per length in turn.
    while len(scelte) < MAX_IMMAGINI and any(resto.values()):
        for n in sorted(resto):
            if resto[n] and len(scelte) < MAX_IMMAGINI:
                scelte.append(resto[n].pop(0))
    return sorted(scelte, key=lambda c: c["didascalia"])


def assembla(a):
    with open(a.dati, encoding="utf-8") as f:
        candidati = json.load(f)
    riuscite = set()
    with open(a.esito, encoding="ascii") as f:
        for riga in f:
            campi = riga.split()
            if len(campi) == 2 and campi[1] == "ok":
                riuscite.add(campi[0])
    candidati = [c for c in candidati if c["nome"] in riuscite]
    scelte = scegli(candidati)
    catalogo, archivio = [], bytearray()
    for k, c in enumerate(scelte, start=1):
        with open(os.path.join(a.disegni, c["nome"] + ".jpg"), "rb") as f:
            jpg = f.read()
        if len(jpg) > MAX_BYTE:
            sys.exit(f"{c['nome']}: {len(jpg)} byte, troppi")
        archivio += jpg
        catalogo.append(f"{k:04d}{len(jpg):05d} {c['didascalia']} jpg\r\n")
    os.makedirs(a.uscita, exist_ok=True)
    with open(os.path.join(a.uscita, "Immagini.txt"), "wb") as f:
        f.write("".join(catalogo).encode("latin-1"))
    with open(os.path.join(a.uscita, "Immagini.jpg"), "wb") as f:
        f.write(archivio)
    conta = {}
    for c in scelte:
        n = lettere(c["didascalia"])
        conta[n] = conta.get(n, 0) + 1
    print(f"immagini: {len(scelte)}, {len(archivio)} byte")
    for n in range(0, MAX_LETTERE + 1):
        print(f"{n:2d} lettere: {conta.get(n, 0):4d}")


def main():
    ap = argparse.ArgumentParser()
    sub = ap.add_subparsers(dest="passo", required=True)
    e = sub.add_parser("elenco")
    e.add_argument("--emoji-test", required=True)
    e.add_argument("--cldr", required=True, help="cldr/common folder")
    e.add_argument("--lista", required=True)
    e.add_argument("--dati", required=True)
    s = sub.add_parser("assembla")
    s.add_argument("--dati", required=True)
    s.add_argument("--esito", required=True)
    s.add_argument("--disegni", required=True)
    s.add_argument("--uscita", required=True)
    a = ap.parse_args()
    elenco(a) if a.passo == "elenco" else assembla(a)


if __name__ == "__main__":
    main()
