#!/usr/bin/env python3
"""Picture catalogue (Immagini.txt) and picture store (Immagini.jpg).

Two steps around the drawing helper disegna_emoji:
  elenco    reads the reviewed caption table (didascalie.txt), checks it
            (format, counts, no two captions of one sense by sinonimi.txt) and
            writes the list the helper draws (name + code points) and a JSON
            file with each picture's caption;
  assembla  takes the helper's report and its JPEGs and writes the two data
            files, pictures ordered by caption.
Everything is ordered explicitly, so the same inputs give the same bytes.
"""
import argparse
import json
import os
import re
import sys

MAX_IMMAGINI = 600
MAX_LETTERE = 18        # the board never leaves more free cells
MIN_PER_LUNGHEZZA = {3: 15, **{n: 30 for n in range(4, MAX_LETTERE + 1)}}
MAX_BYTE = 99999
DIDASCALIA = re.compile(r"[A-Z]+( [A-Z]+)*")
PUNTI = re.compile(r"[0-9A-F]{2,6}( [0-9A-F]{2,6})*")


def lettere(d):
    return len(d.replace(" ", ""))


def leggi_sinonimi(percorso):
    """Groups of words a player takes for one thing, each a list of phrases."""
    gruppi = []
    with open(percorso, encoding="utf-8") as f:
        for riga in f:
            riga = riga.split("#", 1)[0].strip()
            if riga:
                gruppi.append([p.strip() for p in riga.split(",")])
    return gruppi


def senso(d, gruppi):
    """A caption with every phrase of a group put for the group's first one:
    two captions of one sense name one picture twice."""
    parole = f" {d} "
    for gruppo in gruppi:
        for p in sorted(gruppo[1:], key=len, reverse=True):
            parole = parole.replace(f" {p} ", f" {gruppo[0]} ")
    return parole.strip()


def leggi_tabella(percorso, gruppi=()):
    """[(code points, caption)] from the table; exits naming every faulty line."""
    voci, errori, emoji_viste, didascalie_viste, sensi_visti = [], [], {}, {}, {}
    with open(percorso, encoding="utf-8") as f:
        for n, riga in enumerate(f, start=1):
            riga = riga.rstrip("\n")
            if not riga.strip() or riga.startswith("#"):
                continue
            campi = [c.strip() for c in riga.split(";", 2)]
            if len(campi) < 2 or not PUNTI.fullmatch(campi[0]):
                errori.append(f"{n}: non è <punti> ; <DIDASCALIA>: {riga}")
                continue
            punti, d = campi[0], campi[1]
            if not DIDASCALIA.fullmatch(d) or lettere(d) > MAX_LETTERE:
                errori.append(f"{n}: didascalia non valida: {d!r}")
            if punti in emoji_viste:
                errori.append(f"{n}: emoji già alla riga {emoji_viste[punti]}")
            if d in didascalie_viste:
                errori.append(f"{n}: {d} già alla riga {didascalie_viste[d]}")
            if senso(d, gruppi) in sensi_visti:
                errori.append(f"{n}: {d} dice lo stesso di "
                              f"{sensi_visti[senso(d, gruppi)]}")
            sensi_visti.setdefault(senso(d, gruppi), d)
            emoji_viste.setdefault(punti, n)
            didascalie_viste.setdefault(d, n)
            voci.append((punti.split(), d))
    conta = {}
    for _, d in voci:
        conta[lettere(d)] = conta.get(lettere(d), 0) + 1
    for n, minimo in MIN_PER_LUNGHEZZA.items():
        if conta.get(n, 0) < minimo:
            errori.append(f"{n} lettere: {conta.get(n, 0)} immagini, ne servono {minimo}")
    if len(voci) > MAX_IMMAGINI:
        errori.append(f"{len(voci)} immagini, al massimo {MAX_IMMAGINI}")
    if errori:
        sys.exit(f"{percorso}:\n  " + "\n  ".join(errori))
    return voci


def elenco(a):
    voci = leggi_tabella(a.tabella, leggi_sinonimi(a.sinonimi))
    candidati = [{"nome": f"e{k:04d}", "punti": punti, "didascalia": d}
                 for k, (punti, d) in enumerate(voci, start=1)]
    with open(a.lista, "w", encoding="ascii") as f:
        for c in candidati:
            f.write(c["nome"] + " " + " ".join(c["punti"]) + "\n")
    with open(a.dati, "w", encoding="utf-8") as f:
        json.dump(candidati, f, ensure_ascii=False, indent=0)
    print(f"immagini nella tabella: {len(candidati)}")


def assembla(a):
    with open(a.dati, encoding="utf-8") as f:
        candidati = json.load(f)
    riuscite = set()
    with open(a.esito, encoding="ascii") as f:
        for riga in f:
            campi = riga.split()
            if len(campi) == 2 and campi[1] == "ok":
                riuscite.add(campi[0])
    mancanti = [c["didascalia"] for c in candidati if c["nome"] not in riuscite]
    if mancanti:
        sys.exit("immagini non disegnate: " + ", ".join(mancanti))
    scelte = sorted(candidati, key=lambda c: c["didascalia"])
    catalogo, archivio = [], bytearray()
    for k, c in enumerate(scelte, start=1):
        with open(os.path.join(a.disegni, c["nome"] + ".jpg"), "rb") as f:
            jpg = f.read()
        if len(jpg) > MAX_BYTE:
            sys.exit(f"{c['didascalia']}: {len(jpg)} byte, troppi")
        archivio += jpg
        catalogo.append(f"{k:04d}{len(jpg):05d} {c['didascalia']} jpg\r\n")
    os.makedirs(a.uscita, exist_ok=True)
    with open(os.path.join(a.uscita, "Immagini.txt"), "wb") as f:
        f.write("".join(catalogo).encode("ascii"))
    with open(os.path.join(a.uscita, "Immagini.jpg"), "wb") as f:
        f.write(archivio)
    conta = {}
    for c in scelte:
        n = lettere(c["didascalia"])
        conta[n] = conta.get(n, 0) + 1
    print(f"immagini: {len(scelte)}, {len(archivio)} byte")
    for n in range(2, MAX_LETTERE + 1):
        print(f"{n:2d} lettere: {conta.get(n, 0):4d}")


def main():
    ap = argparse.ArgumentParser()
    sub = ap.add_subparsers(dest="passo", required=True)
    e = sub.add_parser("elenco")
    e.add_argument("--tabella", required=True, help="didascalie.txt")
    e.add_argument("--sinonimi", required=True, help="sinonimi.txt")
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
