#!/usr/bin/env python3
"""Builds the word store (dizionario.bbb) and its length index (indir_bbb.txt).

Sources:
  * the hunspell Italian dictionary: stems flagged as singular nouns and
    adjectives, or as infinitives; its stems also vouch for spelling;
  * the morph-it lemmas shipped by the npm packages italian-words-dict
    (nouns), italian-adjectives-dict and italian-verbs-dict: base forms,
    and every inflected form, which tells plurals, feminines and
    conjugated forms apart from base forms;
  * the npm package an-array-of-italian-words, ranked by use: a word (or
    one of its inflected forms) must be common enough;
  * the Italian lists of offensive words of the npm packages naughty-words,
    italian-badwords-list and washyourmouthoutwithsoap;
  * English and French word lists (Debian wamerican, wbritish, wfrench),
    which point out loan words;
  * three reviewed lists beside this script: parole_offensive.txt (words
    and stems that a family game must not show), parole_scartate.txt (words
    the rules below miss) and parole_ammesse.txt (words a rule would drop
    wrongly).
Everything is sorted, so the same inputs always give the same bytes.
"""
import argparse
import json
import os
import re
import sys
import unicodedata

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
# Letter groups Italian spelling does not use: a word holding one is a loan.
GRUPPI_STRANIERI = re.compile(r"SH|OU|TH|PH|CK|EAU|ING$|AGE$")
# Endings of conjugated forms that no base form outside the noun and
# adjective tables has.
DESINENZE_VERBALI = re.compile(
    r"(ASTE|ESTE|ISTE|ASTI|ESTI|ISTI|AVAMO|EVAMO|IVAMO|AVATE|EVATE|IVATE|"
    r"ARONO|ERONO|IRONO|SSERO|SSIMO|REBBE|REBBERO|REMMO|RESTE|RESTI|ERAI|"
    r"IRAI|ARAI|ANDO|ENDO|EBBO)$")
# Pronouns a verb form can carry at its end (eccolo, fattelo, glielo).
CLITICI = re.compile(r"(ME|TE|SE|CE|VE|GLIE)?(LO|LA|LI|LE|NE|MI|TI|CI|VI|SI|GLI)$")

# Usage rank a word must beat: rarer words are not what a reader of a
# newspaper knows. Stems outside the lemma tables must be commoner still.
RANGO_MAX = 80000
RANGO_MAX_ALTRI = 50000
# Long words are rarer in any text, yet the derived ones stay plain
# (incontestabile, ricongiungimento), and the generator needs many.
RANGO_MAX_LUNGHE = 110000
LUNGHE = 10

ACCENTI = str.maketrans("àáèéìíòóùú", "aaeeiioouu")


def normalizza(parola):
    """Upper-case A-Z form of a lower-case word, or None when it holds
    anything but letters and accented vowels."""
    p = parola.translate(ACCENTI)
    if not p.isascii() or not p.isalpha() or not p.islower():
        return None
    return p.upper()


def senza_segni(parola):
    """Upper-case letters of a word with every diacritic dropped, or None."""
    p = unicodedata.normalize("NFD", parola)
    p = "".join(c for c in p if not unicodedata.combining(c))
    if not p.isascii() or not p.isalpha():
        return None
    return p.upper()


def chiavi_uso(parola):
    """Keys under which the usage list may hold a word: it drops accented
    letters, and sometimes has the plain vowel instead."""
    senza = "".join(c for c in parola if "a" <= c <= "z")
    return {senza, parola.translate(ACCENTI)}


def leggi_json(percorso):
    with open(percorso, encoding="utf-8") as f:
        return json.load(f)


def leggi_righe(percorso):
    with open(percorso, encoding="utf-8") as f:
        return f.read().splitlines()


def leggi_elenco(percorso):
    """Words of a reviewed list: one a line, '#' starts a comment."""
    parole = set()
    for riga in leggi_righe(percorso):
        riga = riga.split("#", 1)[0].strip()
        if riga:
            parole.add(riga.upper())
    return parole


def leggi_uso(percorso):
    rango = {}
    for i, w in enumerate(leggi_json(percorso)):
        rango.setdefault(w, i)
    return rango


def leggi_affissi(percorso):
    """Suffix rules of a hunspell .aff file: flag -> [(strip, add, condition)]."""
    regole = {}
    for riga in leggi_righe(percorso):
        c = riga.split()
        if len(c) >= 5 and c[0] == "SFX":
            togli = "" if c[2] == "0" else c[2]
            metti = "" if c[3] == "0" else c[3].split("/")[0]
            cond = None if c[4] == "." else re.compile(f"(?:{c[4]})$")
            regole.setdefault(c[1], []).append((togli, metti, cond))
    return regole


def leggi_hunspell(percorso, affissi):
    """Returns (stems flagged as noun/adjective, stems flagged as infinitive,
    every lower-case stem, every capitalised stem, every lower-case word the
    suffix rules make of the stems)."""
    nomi, verbi, tutti, maiuscole, forme = set(), set(), set(), set(), set()
    righe = leggi_righe(percorso)
    for riga in righe[1:]:               # line 1 is the entry count
        campi = riga.split()
        if not campi or campi[0].startswith("/"):
            continue
        radice, _, flag = campi[0].partition("/")
        if not radice[0].islower():
            maiuscole.add(radice.lower())  # proper nouns and abbreviations
            continue
        tutti.add(radice)
        forme.add(radice)
        for f in flag:
            for togli, metti, cond in affissi.get(f, ()):
                if radice.endswith(togli) and (cond is None or cond.search(radice)):
                    forme.add(radice[:len(radice) - len(togli)] + metti)
        if FLAG_INFINITO in flag and radice.endswith(DESINENZE_INFINITO):
            verbi.add(radice)
        elif FLAG_NOMI & set(flag):
            nomi.add(radice)
    return nomi, verbi, tutti, maiuscole, forme


def stringhe(x):
    if isinstance(x, dict):
        for v in x.values():
            yield from stringhe(v)
    elif isinstance(x, str):
        yield x


class Lessico:
    """The morph-it tables: base forms and every inflected form."""

    def __init__(self, sostantivi, aggettivi, verbi):
        self.sostantivi, self.aggettivi, self.verbi = sostantivi, aggettivi, verbi
        self.lemmi = set(sostantivi) | set(aggettivi) | set(verbi)
        # inflected form -> its lemmas (a form equal to its lemma is left out)
        self.flessioni = {}
        self.coniugate = set()     # finite forms and gerunds
        self.participi = set()     # past participles, masculine singular
        for lemma, info in sostantivi.items():
            self._aggiungi(info.get("P"), lemma)
        for lemma, info in aggettivi.items():
            for chiave in ("MP", "FS", "FP"):
                self._aggiungi(info.get(chiave), lemma)
        for lemma, tabella in verbi.items():
            for modo, voci in tabella.items():
                if modo == "part":
                    passato = voci.get("past", {})
                    if passato.get("S"):
                        self.participi.add(passato["S"])
                    continue
                if modo != "inf":
                    self.coniugate.update(stringhe(voci))
        self.forme = self.lemmi | set(self.flessioni) | self.coniugate

    def _aggiungi(self, forma, lemma):
        if forma and forma != lemma:
            self.flessioni.setdefault(forma, set()).add(lemma)

    def rango(self, parola, rango, altre):
        """Best usage rank of a word or of its inflected forms; altre are
        further words a verb form must not spell."""
        forme = {parola}
        info = self.sostantivi.get(parola)
        if info and info.get("P"):
            forme.add(info["P"])
        info = self.aggettivi.get(parola)
        if info:
            forme.update(v for v in info.values() if v)
        if parola in self.verbi:
            # Only forms that spell no other word: ombrare is no commoner for
            # ombra, nor ministrare for ministrò, which the list spells
            # ministro.
            forme.update(f for f in stringhe(self.verbi[parola])
                         if f.isascii() and f not in self.lemmi
                         and f not in self.flessioni and f not in altre)
        return min((rango[k] for f in forme for k in chiavi_uso(f)
                    if k in rango), default=None)


def candidati(h_nomi, h_verbi, h_forme, lessico):
    """Returns (base forms both sources agree on, further hunspell stems)."""
    sicuri = (h_verbi & set(lessico.verbi)) | (h_nomi & set(lessico.aggettivi))
    # A noun may be spelled by hunspell's rules rather than listed as a stem
    # (tavolo from tavola); an adjective must be a stem of its own, or every
    # past participle would count as one.
    for lemma, info in lessico.sostantivi.items():
        if lemma in h_forme or info.get("P") in h_forme:
            sicuri.add(lemma)
    # Hunspell also lists nouns and verbs the lemma tables lack (acero,
    # edera, formattare), next to conjugated forms flagged like nouns
    # (diede, raccolse) and superlatives.
    altri = (h_verbi | h_nomi) - sicuri
    return sicuri, altri


class Filtro:
    """Decides, word by word, whether a candidate is fit for the store and
    tells why not."""

    def __init__(self, lessico, h_tutti, h_forme, h_maiuscole, offensive,
                 pubbliche, scartate, ammesse, straniere, rango):
        self.l, self.rango_uso = lessico, rango
        self.h_tutti, self.h_forme, self.h_maiuscole = h_tutti, h_forme, h_maiuscole
        self.radici = {p.strip("*") for p in offensive if p.startswith("*")}
        self.offensive = {p for p in offensive if "*" not in p} | pubbliche
        self.scartate, self.ammesse = scartate, ammesse
        self.straniere = straniere
        # Feminine singulars of adjectives, nouns in the lemma tables too
        # (bella, brava, fresca): not base forms.
        self.femminili_agg = {i["FS"] for p, i in lessico.aggettivi.items()
                              if i.get("FS") and i["FS"] != p}
        # Plurals of a noun that differs from them (PAGINE of PAGINA).
        self.plurali = {}
        for p, i in sorted(lessico.sostantivi.items()):
            if i.get("P") and i["P"] != p:
                self.plurali.setdefault(i["P"], p)
        # Every base form the sources know, as A-Z words.
        self.basi = {normalizza(p) for p in lessico.lemmi | h_tutti} - {None}

    def offensiva(self, up):
        if up in self.offensive:
            return "offensiva"
        for r in self.radici:
            if r in up:
                return "radice " + r
        return None

    def motivo(self, parola, sicura):
        """Why a word stays out of the store, or None when it goes in."""
        up = normalizza(parola)
        if up is None:
            return "lettere"
        if not LUNG_MIN <= len(up) <= LUNG_MAX:
            return "lunghezza"
        m = self.offensiva(up)
        if m and up not in self.ammesse:
            return m
        if up in self.scartate:
            return "scartata"
        if up in self.ammesse:
            return None
        if up[-1] not in "AEIOU" or LETTERE_STRANIERE & set(up):
            return "straniera"
        if GRUPPI_STRANIERI.search(up):
            return "straniera"
        if up != parola.upper():
            # Italian writes an accent on the last vowel only; without it the
            # word must not read as another one (tassì, tassi).
            if up[:-1] != parola[:-1].upper():
                return "accento"
            senza = up.lower()
            if senza in self.h_forme or senza in self.l.coniugate \
                    or senza in self.l.flessioni:
                return "accento ambiguo"
        if "issim" in parola:
            return "superlativo"
        if parola in self.h_maiuscole and parola not in self.l.lemmi:
            return "nome proprio"
        if parola in self.l.flessioni and parola not in self.l.lemmi:
            return "flessione di " + min(self.l.flessioni[parola])
        if parola in self.plurali and parola not in self.l.verbi:
            # The lemma tables also hold some plurals as nouns of their own
            # (pagine, volumi).
            return "plurale di " + self.plurali[parola]
        if parola in self.l.coniugate and parola not in self.l.sostantivi \
                and parola not in self.l.aggettivi:
            return "coniugata"
        if not sicura and parola in self.l.participi:
            return "participio"
        if parola not in self.l.sostantivi and parola not in self.l.aggettivi \
                and parola not in self.l.verbi and DESINENZE_VERBALI.search(up):
            return "desinenza verbale"
        if self.con_pronome(parola):
            return "verbo con pronome"
        base = self.maschile(up)
        if base:
            return "femminile di " + base
        if up.lower() in self.straniere and self.invariabile(parola):
            return "prestito"
        return None

    def con_pronome(self, parola):
        """A verb form with pronouns attached, outside the lemma tables."""
        if parola in self.l.lemmi:
            return False
        m = CLITICI.search(parola.upper())
        if not m:
            return False
        resto = parola[:m.start()]
        return (resto in ("", "ecco") or resto in self.l.coniugate
                or resto + "e" in self.l.verbi)

    def maschile(self, up):
        """The masculine singular a feminine noun comes from, if any."""
        prove = []
        if up.endswith("A") and (self.femminile_in_a(up.lower())
                                 or up.lower() in self.femminili_agg):
            prove.append(up[:-1] + "O")
        if up.endswith(("ONA", "IERA")):
            prove.append(up[:-1] + "E")
        if up.endswith("TRICE"):
            prove.append(up[:-4] + "ORE")
        if up.endswith("ESA"):
            prove.append(up[:-1] + "E")
        if up.endswith("ESSA"):
            prove += [up[:-4] + "E", up[:-4] + "O", up[:-4]]
        for p in prove:
            if p in self.basi:
                return p
        return None

    def femminile_in_a(self, parola):
        """Whether a word in -a is the feminine of its twin in -o. It is a
        noun of its own when the twin is no noun (entrata, entrato) or when
        it is far commoner than the twin noun (pizza, pizzo; banca, banco)."""
        gemello = parola[:-1] + "o"
        if parola in self.l.sostantivi and gemello not in self.l.sostantivi:
            return False
        return self.uso(parola) * 2 > self.uso(gemello)

    def uso(self, up):
        return self.rango_uso.get(up.lower(), len(self.rango_uso))

    def invariabile(self, parola):
        """A noun in -e whose plural is itself or an English one in -s:
        an Italian noun in -e makes its plural in -i."""
        info = self.l.sostantivi.get(parola)
        if info is None or not parola.endswith("e"):
            return False
        plurale = info.get("P") or parola
        return plurale == parola or plurale.endswith("s")


def scegli(sicuri, altri, filtro, rango, rapporto):
    candidati = {}   # WORD -> usage rank
    for parola in sorted(sicuri | altri):
        sicura = parola in sicuri
        up = normalizza(parola)
        r = filtro.l.rango(parola, rango, filtro.h_tutti) if sicura else \
            min((rango[k] for k in chiavi_uso(parola) if k in rango),
                default=None)
        if up is None or r is None:
            continue
        soglia = RANGO_MAX_LUNGHE if len(up) >= LUNGHE else RANGO_MAX
        if r >= (soglia if sicura else RANGO_MAX_ALTRI):
            continue
        motivo = filtro.motivo(parola, sicura)
        if motivo is None:
            if r < candidati.get(up, r + 1):
                candidati[up] = r
        elif rapporto is not None and motivo != "lunghezza":
            rapporto.append(f"{up} {r} {motivo}")
    scelte, corte = [], 0
    for parola, _ in sorted(candidati.items(), key=lambda kv: (kv[1], kv[0])):
        if len(parola) <= 6:
            if corte >= MAX_CORTE:
                continue
            corte += 1
        scelte.append(parola)
    return scelte


def parole_pubbliche(moduli):
    """Single words of the Italian lists of offensive words, A-Z."""
    elenchi = [leggi_json(f"{moduli}/naughty-words/it.json"),
               leggi_json(f"{moduli}/washyourmouthoutwithsoap/data/build.json")["it"]]
    testo = open(f"{moduli}/italian-badwords-list/lib/array.js",
                 encoding="utf-8").read()
    elenchi.append(json.loads(testo[testo.index("["):testo.rindex("]") + 1]))
    parole = set()
    for elenco in elenchi:
        for voce in elenco:
            up = senza_segni(voce)
            if up:
                parole.add(up)
    return parole


def parole_straniere(percorsi):
    parole = set()
    for p in percorsi:
        for riga in leggi_righe(p):
            if riga.islower() and riga.isalpha():
                parole.add(riga)
    return parole


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
    ap.add_argument("--straniere", nargs="+", required=True,
                    help="English and French word lists")
    ap.add_argument("--uscita", required=True)
    ap.add_argument("--rapporto", help="writes every dropped word and why")
    a = ap.parse_args()
    moduli, qui = a.npm, os.path.dirname(os.path.abspath(__file__))
    h_nomi, h_verbi, h_tutti, h_maiuscole, h_forme = leggi_hunspell(
        a.dic, leggi_affissi(a.dic[:-4] + ".aff"))
    lessico = Lessico(
        leggi_json(f"{moduli}/italian-words-dict/dist/words.json"),
        leggi_json(f"{moduli}/italian-adjectives-dict/dist/adjectives.json"),
        leggi_json(f"{moduli}/italian-verbs-dict/dist/verbs.json"))
    sicuri, altri = candidati(h_nomi, h_verbi, h_forme, lessico)
    rango = leggi_uso(f"{moduli}/an-array-of-italian-words/words.json")
    filtro = Filtro(lessico, h_tutti, h_forme, h_maiuscole,
                    leggi_elenco(f"{qui}/parole_offensive.txt"),
                    parole_pubbliche(moduli),
                    leggi_elenco(f"{qui}/parole_scartate.txt"),
                    leggi_elenco(f"{qui}/parole_ammesse.txt"),
                    parole_straniere(a.straniere), rango)
    rapporto = [] if a.rapporto else None
    parole = scrivi(scegli(sicuri, altri, filtro, rango, rapporto), a.uscita)
    if a.rapporto:
        with open(a.rapporto, "w", encoding="utf-8") as f:
            f.write("\n".join(sorted(rapporto)) + "\n")
    for n in range(LUNG_MIN, LUNG_MAX + 1):
        print(f"{n:2d} lettere: {sum(1 for p in parole if len(p) == n):6d}")
    print(f"parole: {len(parole)}")


if __name__ == "__main__":
    main()
