#!/usr/bin/env python3
"""Builds the word store (dizionario.bbb) and its length index (indir_bbb.txt).

Sources:
  * the hunspell Italian dictionary: stems flagged as singular nouns and
    adjectives, or as infinitives; its stems also vouch for spelling;
  * the morph-it lemmas shipped by the npm packages italian-words-dict
    (nouns), italian-adjectives-dict and italian-verbs-dict: a hunspell stem
    is kept only when it is one of these base forms, which drops the
    conjugated and feminine forms hunspell also lists as stems;
  * the npm package an-array-of-italian-words, ranked by use: a word must be
    in it, and the rank decides which short words fit the table.
Everything is sorted, so the same inputs always give the same bytes.
"""
import argparse
import json
import os
import sys

LUNG_MIN, LUNG_MAX = 5, 15
MAX_CORTE = 15000          # slots of the generator's short-word table

# Affix flags of it_IT.aff whose rules inflect a singular noun or adjective
# (-o/-i, -a/-e, -a/-i, -e/-i, o/a/i/e ...).
FLAG_NOMI = set("oOQRSpgnu")
# Flag that every infinitive carries (infinitive + enclitic pronouns).
FLAG_INFINITO = "I"
DESINENZE_INFINITO = ("are", "ere", "ire", "rre")

# Letters that mark a loan word; so does a final consonant.
LETTERE_STRANIERE = set("JKWXY")
# Vulgar or offensive roots: not what a family puzzle should hide.
RADICI_ESCLUSE = ("CAZZ", "STRONZ", "MERD", "PUTTAN", "COGLION", "MINCHI",
                  "FOTTE", "FOTTU", "INCUL", "FROCI", "TROI", "POMPIN",
                  "BALDRACC", "RICCHION", "NEGRO", "NEGRA", "SFIGA", "SFIGAT",
                  "CULATTON", "BASTARD", "PIRLA", "SCOREGG", "ZOCCOL",
                  "MIGNOTT", "CORNUT", "CESSO", "PISCI", "CACCA", "CAGA",
                  "FIGAT", "PARACUL", "EIACUL", "TETTA")

# Usage rank a stem outside the lemma tables must beat: rarer ones are
# mostly misspellings and odd forms.
RANGO_MAX_ALTRI = 70000

ACCENTI = str.maketrans("àáèéìíòóùú", "aaeeiioouu")


def normalizza(parola):
    """Upper-case A-Z form of a lower-case word, or None when it holds
    anything but letters and accented vowels."""
    p = parola.translate(ACCENTI)
    if not p.isascii() or not p.isalpha() or not p.islower():
        return None
    return p.upper()


def chiavi_uso(parola):
    """Keys under which the usage list may hold a word: it drops accented
    letters, and sometimes has the plain vowel instead."""
    senza = "".join(c for c in parola if "a" <= c <= "z")
    return {senza, parola.translate(ACCENTI)}


def gradita(up):
    return (up[-1] in "AEIOU"
            and not LETTERE_STRANIERE & set(up)
            and not up.startswith(RADICI_ESCLUSE))


def leggi_json(percorso):
    with open(percorso, encoding="utf-8") as f:
        return json.load(f)


def leggi_uso(percorso):
    rango = {}
    for i, w in enumerate(leggi_json(percorso)):
        rango.setdefault(w, i)
    return rango


def leggi_hunspell(percorso):
    """Returns (stems flagged as noun/adjective, stems flagged as infinitive,
    every stem)."""
    nomi, verbi, tutti = set(), set(), set()
    with open(percorso, encoding="utf-8") as f:
        righe = f.read().splitlines()
    for riga in righe[1:]:               # line 1 is the entry count
        campi = riga.split()
        if not campi or campi[0].startswith("/"):
            continue
        radice, _, flag = campi[0].partition("/")
        tutti.add(radice)
        if not radice[0].islower():
            continue                     # proper nouns and abbreviations
        if FLAG_INFINITO in flag and radice.endswith(DESINENZE_INFINITO):
            verbi.add(radice)
        elif FLAG_NOMI & set(flag):
            nomi.add(radice)
    return nomi, verbi, tutti


def forme_coniugate(verbi):
    """Every conjugated form in the verb tables, past participles aside."""
    forme = set()
    def raccogli(x):
        if isinstance(x, dict):
            for v in x.values():
                raccogli(v)
        elif isinstance(x, str):
            forme.add(x)
    for tabella in verbi.values():
        for modo, voci in tabella.items():
            if modo != "part":
                raccogli(voci)
    return forme


def lemmi(h_nomi, h_verbi, h_tutti, sostantivi, aggettivi, verbi):
    """Returns (base forms both sources agree on, further hunspell stems that
    only pass when they are in common use)."""
    sicuri = set()
    sicuri |= h_verbi & set(verbi)
    sicuri |= h_nomi & set(aggettivi)
    for lemma, info in sostantivi.items():
        if lemma in h_tutti or info.get("P") in h_tutti:
            sicuri.add(lemma)
    # A noun in -a that is just the feminine of an adjective (bella, amica)
    # gives way to the masculine form.
    femminili = {info.get("FS") for info in aggettivi.values()}
    for lemma in list(sicuri):
        if lemma.endswith("a") and lemma in femminili \
                and lemma[:-1] + "o" in aggettivi:
            sicuri.discard(lemma)
    # Hunspell also lists nouns and verbs the lemma tables lack (acero,
    # edera, formattare), next to conjugated forms flagged like nouns
    # (diede, raccolse), feminines and superlatives: drop the latter.
    coniugate = forme_coniugate(verbi)
    altri = set(h_verbi) - sicuri
    for radice in h_nomi - sicuri:
        if radice in coniugate or "issim" in radice:
            continue
        if radice.endswith("a") and (radice[:-1] + "o" in h_tutti
                                     or radice[:-1] + "o" in aggettivi):
            continue
        altri.add(radice)
    return sicuri, altri


def scegli(sicuri, altri, rango, quota):
    candidati = {}   # WORD -> usage rank
    for parola in sorted(sicuri | altri):
        up = normalizza(parola)
        if up is None or not LUNG_MIN <= len(up) <= LUNG_MAX or not gradita(up):
            continue
        r = min((rango[k] for k in chiavi_uso(parola) if k in rango),
                default=None)
        if r is None or (parola not in sicuri and r >= RANGO_MAX_ALTRI):
            continue
        if r < candidati.get(up, r + 1):
            candidati[up] = r
    scelte, corte = [], 0
    for parola, _ in sorted(candidati.items(), key=lambda kv: (kv[1], kv[0])):
        if len(scelte) >= quota:
            break
        if len(parola) <= 6:
            if corte >= MAX_CORTE:
                continue
            corte += 1
        scelte.append(parola)
    return scelte


def scrivi(parole, cartella):
    parole = sorted(set(parole), key=lambda p: (len(p), p))
    dati = bytearray(b" " * 15)
    indice = []
    for n in range(LUNG_MIN, LUNG_MAX + 1):
        gruppo = [p for p in parole if len(p) == n]
        if len(gruppo) < 2:
            sys.exit(f"troppe poche parole di {n} lettere: {len(gruppo)}")
        primo = len(dati) // 16 + 1
        for p in gruppo:
            dati += p.ljust(16).encode("ascii")
        ultimo = len(dati) // 16
        indice.append(f" {n:02d}{primo:06d} {ultimo:06d}\r\n")
    os.makedirs(cartella, exist_ok=True)
    with open(os.path.join(cartella, "dizionario.bbb"), "wb") as f:
        f.write(dati)
    with open(os.path.join(cartella, "indir_bbb.txt"), "wb") as f:
        f.write("".join(indice).encode("latin-1"))
    return parole


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--dic", required=True, help="it_IT.dic")
    ap.add_argument("--npm", required=True, help="node_modules folder")
    ap.add_argument("--quota", type=int, default=22000)
    ap.add_argument("--uscita", required=True)
    a = ap.parse_args()
    moduli = a.npm
    h_nomi, h_verbi, h_tutti = leggi_hunspell(a.dic)
    sicuri, altri = lemmi(
        h_nomi, h_verbi, h_tutti,
        leggi_json(f"{moduli}/italian-words-dict/dist/words.json"),
        leggi_json(f"{moduli}/italian-adjectives-dict/dist/adjectives.json"),
        leggi_json(f"{moduli}/italian-verbs-dict/dist/verbs.json"))
    rango = leggi_uso(f"{moduli}/an-array-of-italian-words/words.json")
    parole = scrivi(scegli(sicuri, altri, rango, a.quota), a.uscita)
    for n in range(LUNG_MIN, LUNG_MAX + 1):
        print(f"{n:2d} lettere: {sum(1 for p in parole if len(p) == n):6d}")
    print(f"parole: {len(parole)}")


if __name__ == "__main__":
    main()
