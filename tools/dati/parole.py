#!/usr/bin/env python3
"""Builds the word store (dizionario.bbb) and its length index (indir_bbb.txt).

Sources:
  * the hunspell Italian dictionary: stems flagged as singular nouns and
    adjectives, or as infinitives; its stems also vouch for spelling;
  * the morph-it lemmas shipped by the npm packages italian-words-dict
    (nouns), italian-adjectives-dict and italian-verbs-dict: base forms,
    and every inflected form, which tells plurals, feminines and
    conjugated forms apart from base forms;
  * it_50k.txt, the 50,000 commonest word forms of Italian film and
    television subtitles with their counts: a word enters only when its
    family (the word and its inflected forms) is said often enough;
  * the Italian lists of offensive words of the npm packages naughty-words,
    italian-badwords-list and washyourmouthoutwithsoap;
  * English and French word lists (Debian wamerican, wbritish, wfrench),
    which point out loan words;
  * reviewed lists beside this script: parole_offensive.txt (words and
    stems that a family game must not show), parole_classi.txt (words out
    by class: put-downs, crude, drink and drugs, illness, death, sex; whole
    words), parole_scartate.txt (words the rules below miss),
    parole_ammesse.txt (words a rule would drop wrongly), parole_comuni.txt
    (everyday words kept whatever the sources say, each with its reason)
    and varianti.txt (spelling variants: the commoner one stays).
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

# Frequency floor: a word's family (the word and its inflected forms) must
# be said at least this often in it_50k.txt, whose forms are counted from
# 105 up. A family said at all in the 50,000 commonest spoken forms is one
# an Italian family knows; the floor cannot rise above the list's own
# cut-off without losing the 12,000 words the generator needs (see
# data/CREDITS).
SOGLIA = 105
# A family this common must be in the store unless a rule or a reviewed
# list says why not: the builder lists the ones it leaves out.
RICHIAMO = 10 * SOGLIA

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


def chiave(forma):
    """The key of a form in the frequency list: accents folded, as the
    subtitles write them either way (perché, perche)."""
    return forma.translate(ACCENTI)


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


def leggi_classi(percorso):
    """WORD -> class from lines "class: WORD WORD ..."; '#' starts a comment."""
    classi = {}
    for riga in leggi_righe(percorso):
        riga = riga.split("#", 1)[0]
        if riga.strip():
            classe, _, parole = riga.partition(":")
            for p in parole.split():
                classi[p] = classe.strip()
    return classi


def leggi_comuni(percorso):
    """WORD -> reason from lines "WORD  # reason"; a line without its reason
    stops the build."""
    comuni = {}
    for riga in leggi_righe(percorso):
        parola, _, motivo = riga.partition("#")
        if not parola.strip():
            continue
        if not motivo.strip() or not re.fullmatch(r"[A-Z]+", parola.strip()):
            sys.exit(f"{percorso}: ogni riga è PAROLA # perché: {riga}")
        comuni[parola.strip()] = motivo.strip()
    return comuni


def leggi_varianti(percorso):
    """Pairs of spellings of one word, one pair a line."""
    coppie = []
    for riga in leggi_righe(percorso):
        campi = riga.split("#", 1)[0].split()
        if campi:
            if len(campi) != 2:
                sys.exit(f"{percorso}: ogni riga è una coppia: {riga}")
            coppie.append(tuple(campi))
    return coppie


def leggi_frequenze(percorso):
    """Form -> count from lines "form count", accents folded and summed."""
    conta = {}
    for riga in leggi_righe(percorso):
        forma, _, n = riga.rpartition(" ")
        if forma.isalpha():
            conta[chiave(forma)] = conta.get(chiave(forma), 0) + int(n)
    return conta


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
    suffix rules make of the stems, noun stem -> the forms its noun rules
    make)."""
    nomi, verbi, tutti, maiuscole, forme = set(), set(), set(), set(), set()
    flessioni = {}
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
                    forma = radice[:len(radice) - len(togli)] + metti
                    forme.add(forma)
                    if f in FLAG_NOMI:
                        flessioni.setdefault(radice, set()).add(forma)
        if FLAG_INFINITO in flag and radice.endswith(DESINENZE_INFINITO):
            verbi.add(radice)
        elif FLAG_NOMI & set(flag):
            nomi.add(radice)
    return nomi, verbi, tutti, maiuscole, forme, flessioni


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
        # Forms of more than one verb (sono: essere and sonare) tell nothing
        # about either.
        self.verbi_di = {}
        for lemma, tabella in verbi.items():
            for f in set(stringhe(tabella)):
                self.verbi_di.setdefault(f, set()).add(lemma)
        # Entries of a plural alone (templi, pressi): no base form.
        self.solo_plurali = {p for p, i in sostantivi.items()
                             if "S" in i and i["S"] is None}

    def _aggiungi(self, forma, lemma):
        if forma and forma != lemma:
            self.flessioni.setdefault(forma, set()).add(lemma)

    def famiglia(self, parola, conta, altre):
        """How often the family of a lemma is said: the lemma and its
        inflected forms, each form counted once; altre are further words a
        verb form must not spell."""
        forme = {parola}
        info = self.sostantivi.get(parola)
        if info and info.get("P"):
            forme.add(info["P"])
        info = self.aggettivi.get(parola)
        if info:
            forme.update(v for v in info.values() if v)
        # A form that is a word of its own counts for that word: GREGGE is
        # no feminine of GREGGIO, nor FENICE of FENICIO.
        forme = {f for f in forme if f == parola or f not in self.lemmi}
        if parola in self.verbi:
            # Only forms that spell no other word: ombrare is no commoner for
            # ombra, nor sonare for sono. A form with its accent on the last
            # vowel spells another once the accent is folded (pericolò,
            # pericolo; farcì, farci), so it tells nothing either.
            forme.update(f for f in stringhe(self.verbi[parola])
                         if f not in self.lemmi and f not in self.flessioni
                         and f not in altre and len(self.verbi_di[f]) == 1
                         and chiave(f) == f)
        return sum(conta.get(k, 0) for k in {chiave(f) for f in forme})


def candidati(h_nomi, h_verbi, h_forme, h_maiuscole, lessico, conta):
    """Returns (base forms both sources agree on, further hunspell stems)."""
    sicuri = (h_verbi & set(lessico.verbi)) | (h_nomi & set(lessico.aggettivi))
    # A noun may be spelled by hunspell's rules rather than listed as a stem
    # (tavolo from tavola); an adjective must be a stem of its own, or every
    # past participle would count as one.
    for lemma, info in lessico.sostantivi.items():
        if lemma in h_forme or info.get("P") in h_forme:
            sicuri.add(lemma)
    # Hunspell makes some words with prefixes (riconoscere, richiesta) and
    # spells others only as forms of a verb (bravo, normale): a lemma the
    # subtitles say as it stands is spelled right too. Adjectives that are
    # past participles stay out, as above, and so do names (gianna, dante),
    # capitalised stems in hunspell.
    for lemma in lessico.lemmi - lessico.participi - h_maiuscole:
        if chiave(lemma) in conta:
            if lemma in lessico.verbi and not lemma.endswith(DESINENZE_INFINITO):
                continue
            sicuri.add(lemma)
    # Hunspell also lists nouns and verbs the lemma tables lack (acero,
    # edera, formattare), next to conjugated forms flagged like nouns
    # (diede, raccolse) and superlatives.
    altri = (h_verbi | h_nomi) - sicuri
    return sicuri, altri


class Filtro:
    """Decides, word by word, whether a candidate is fit for the store and
    tells why not."""

    def __init__(self, lessico, hunspell, offensive, pubbliche, classi,
                 scartate, ammesse, straniere, conta):
        h_tutti, h_forme, h_maiuscole, self.h_flessioni = hunspell
        self.l, self.conta = lessico, conta
        self.classi = classi        # WORD -> its class in parole_classi.txt
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
        if up in self.classi:
            return "classe " + self.classi[up]
        if up in self.scartate:
            return "scartata"
        if up in self.ammesse:
            return None
        if parola in self.l.solo_plurali:
            return "solo plurale"
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
        it is said more than twice as often as the twin noun (pizza, pizzo;
        banca, banco)."""
        gemello = parola[:-1] + "o"
        if parola in self.l.sostantivi and gemello not in self.l.sostantivi:
            return False
        return self.nome(parola) <= 2 * self.nome(gemello)

    def nome(self, parola):
        """How often a noun is said, singular and plural."""
        forme = {parola, (self.l.sostantivi.get(parola) or {}).get("P") or parola}
        return sum(self.conta.get(chiave(f), 0) for f in forme)

    def invariabile(self, parola):
        """A noun in -e whose plural is itself or an English one in -s:
        an Italian noun in -e makes its plural in -i."""
        info = self.l.sostantivi.get(parola)
        if info is None or not parola.endswith("e"):
            return False
        plurale = info.get("P") or parola
        return plurale == parola or plurale.endswith("s")


def scegli(sicuri, altri, filtro, comuni, varianti):
    """Returns (the store's words, {WORD: (family count, why it is out)} for
    the words at or above the floor that stay out)."""
    famiglie, fuori = {}, {}
    for parola in sorted(sicuri | altri):
        up = normalizza(parola)
        if up is None or not LUNG_MIN <= len(up) <= LUNG_MAX:
            continue
        sicura = parola in sicuri
        # A stem outside the lemma tables counts with the forms hunspell's
        # noun rules make of it (acero, aceri).
        f = filtro.l.famiglia(parola, filtro.conta, filtro.h_tutti) if sicura \
            else sum(filtro.conta.get(k, 0) for k in {chiave(x) for x in
                     filtro.h_flessioni.get(parola, set()) | {parola}})
        if f < SOGLIA:
            continue
        motivo = filtro.motivo(parola, sicura)
        if motivo is None:
            famiglie[up] = max(f, famiglie.get(up, 0))
        elif f > fuori.get(up, (-1,))[0]:
            fuori[up] = (f, motivo)
    for up, motivo in comuni.items():
        # A word kept by parole_comuni.txt still obeys the content lists.
        fuori_lista = (up not in filtro.ammesse and filtro.offensiva(up)) or \
            filtro.classi.get(up) or \
            (up in filtro.scartate and "scartata")
        if fuori_lista:
            sys.exit(f"parole_comuni.txt: {up} è fuori ({fuori_lista})")
        famiglie.setdefault(up, filtro.conta.get(up.lower(), 0))
    for coppia in varianti:
        # The commoner spelling stays; on a tie, the first one of the line.
        dentro = sorted((p for p in coppia if p in famiglie),
                        key=lambda p: -famiglie[p])
        for p in dentro[1:]:
            fuori[p] = (famiglie.pop(p), "variante di " + dentro[0])
    fuori = {p: v for p, v in fuori.items() if p not in famiglie}
    scelte, corte = [], 0
    for parola, _ in sorted(famiglie.items(), key=lambda kv: (-kv[1], kv[0])):
        if len(parola) <= 6:
            if corte >= MAX_CORTE:
                continue
            corte += 1
        scelte.append(parola)
    return scelte, fuori


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
    ap.add_argument("--frequenze", required=True, help="it_50k.txt")
    ap.add_argument("--uscita", required=True)
    ap.add_argument("--rapporto", help="writes every dropped word and why")
    a = ap.parse_args()
    moduli, qui = a.npm, os.path.dirname(os.path.abspath(__file__))
    h_nomi, h_verbi, h_tutti, h_maiuscole, h_forme, h_flessioni = leggi_hunspell(
        a.dic, leggi_affissi(a.dic[:-4] + ".aff"))
    lessico = Lessico(
        leggi_json(f"{moduli}/italian-words-dict/dist/words.json"),
        leggi_json(f"{moduli}/italian-adjectives-dict/dist/adjectives.json"),
        leggi_json(f"{moduli}/italian-verbs-dict/dist/verbs.json"))
    conta = leggi_frequenze(a.frequenze)
    sicuri, altri = candidati(h_nomi, h_verbi, h_forme, h_maiuscole, lessico, conta)
    filtro = Filtro(lessico, (h_tutti, h_forme, h_maiuscole, h_flessioni),
                    leggi_elenco(f"{qui}/parole_offensive.txt"),
                    parole_pubbliche(moduli),
                    leggi_classi(f"{qui}/parole_classi.txt"),
                    leggi_elenco(f"{qui}/parole_scartate.txt"),
                    leggi_elenco(f"{qui}/parole_ammesse.txt"),
                    parole_straniere(a.straniere), conta)
    scelte, fuori = scegli(sicuri, altri, filtro,
                           leggi_comuni(f"{qui}/parole_comuni.txt"),
                           leggi_varianti(f"{qui}/varianti.txt"))
    parole = scrivi(scelte, a.uscita)
    if a.rapporto:
        with open(a.rapporto, "w", encoding="utf-8") as f:
            for p, (n, motivo) in sorted(fuori.items(), key=lambda kv: (-kv[1][0], kv[0])):
                f.write(f"{p} {n} {motivo}\n")
    comuni_fuori = sum(1 for n, _ in fuori.values() if n >= RICHIAMO)
    print(f"parole fuori con famiglia da {RICHIAMO} in su: {comuni_fuori}"
          " (il rapporto dice perché)")
    for n in range(LUNG_MIN, LUNG_MAX + 1):
        print(f"{n:2d} lettere: {sum(1 for p in parole if len(p) == n):6d}")
    print(f"parole: {len(parole)}")


if __name__ == "__main__":
    main()
