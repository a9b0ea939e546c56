// The library of saved puzzles: saving, loading and deleting, and the file list that browses it.
#include "files/Libreria.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/Eventi.h"
#include "app/Messaggi.h"
#include "app/Testi.h"
#include "board/Schema.h"
#include "files/CartelleGioco.h"
#include "files/FileSchema.h"
#include "files/Percorsi.h"
#include "files/Testo.h"

namespace fs = std::filesystem;

namespace tramelo {

namespace {

bool MinoreSenzaMaiuscole(const std::string& a, const std::string& b) {
    // Bytes compare unsigned, so names in UTF-8 sort after the ASCII ones; names that differ only in
    // case keep a fixed order.
    const auto x = Minuscolo(a), y = Minuscolo(b);
    return x != y ? x < y : a < b;
}

bool Esiste(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

void ChiudiLista(Contesto& c) {
    c.f.File1.Visible = false;
    c.f.mnuCaricaSchema.Caption = testi::kCaricaSchema;
    c.f.mnuCancellaSchema.Caption = testi::kCancellaSchema;
}

// Carica schema and Cancella schema: a second click closes the list, else it opens in the given mode.
void ApriOChiudiLista(Contesto& c, Menu& comando, const char* esci, const char* vuota,
                      const char* soloLettura) {
    if (c.m.Occupato == 1) return;
    if (c.f.File1.Visible) {
        ChiudiLista(c);
        return;
    }
    if (SolaLettura(c, soloLettura)) return;
    AggiornaFile1(c);
    if (c.f.File1.names.empty()) {
        c.MsgBox(vuota);
        return;
    }
    c.f.File1.Visible = true;
    comando.Caption = esci;
}

// The clicked name no longer stands for the file listed (replaced, made a link or a folder, deleted):
// nothing is done to it, the list shows what is there now, and closes when nothing is left.
void ElencoCambiato(Contesto& c, const fs::path& scelto) {
    c.MsgBox(ConFile(testi::kElencoCambiato, scelto));
    AggiornaFile1(c);
    if (c.f.File1.names.empty()) ChiudiLista(c);
}

void CaricaScelto(Contesto& c, const fs::path& scelto, IdentitaInode elencato) {
    std::string contenuto;
    IdentitaInode letto;
    // Never through a link, and only the file listed: the name may have changed hands since the check.
    const auto lettura = LeggiFile(scelto, contenuto, kLimiteSchema, Collegamenti::Rifiuta, &letto);
    if (lettura && letto != elencato) return ElencoCambiato(c, scelto);
    if (!lettura) {
        c.MsgBox(ConFile(testi::kSchemaScomparso, scelto, lettura));
        // Show what is really there; nothing left to load closes the list.
        AggiornaFile1(c);
        if (c.f.File1.names.empty()) ChiudiLista(c);
        return;
    }
    // A damaged saved file would replace the current puzzle with a broken board: keep the current one.
    if (!LeggiSchemaDaTesto(contenuto).completo) {
        c.MsgBox(ConFile(testi::kSchemaScomparso, scelto, {kNonValido}));
        return;
    }
    const auto corrente = Percorso(c, kFileSchemaCorrente);
    if (const auto esito = ScriviAtomico(corrente, contenuto); !esito) {
        c.MsgBox(ConFile(testi::kSostituzioneFallita, corrente, esito));
        return;
    }
    c.m.DizionarioCaricato = 0;
    PreparaSchema(c);
    c.f.mnuCaricaSchema.Caption = testi::kCaricaSchema;
    c.f.File1.Visible = false;
}

void CancellaScelto(Contesto& c, const fs::path& scelto) {
    std::error_code ec;
    fs::remove(scelto, ec);
    if (ec) {
        c.MsgBox(ConFile(testi::kCancellazioneFallita, scelto, {ec.value()}));
        return;
    }
    // A file that vanished meanwhile is as good as deleted.
    AggiornaFile1(c);
    if (c.f.File1.names.empty()) {
        c.MsgBox(testi::kNessunAltroDaCancellare);
        c.f.File1.Visible = false;
        c.f.mnuCancellaSchema.Caption = testi::kCancellaSchema;
    }
}

}  // namespace

bool CorrispondeModello(std::string_view nome, std::string_view modello) {
    if (nome.size() != modello.size()) return false;
    const auto n = Minuscolo(nome), m = Minuscolo(modello);
    for (std::size_t i = 0; i < n.size(); ++i)
        if (m[i] != '?' && m[i] != n[i]) return false;
    return true;
}

void AggiornaFile1(Contesto& c) {
    auto& lista = c.f.File1;
    const auto cartella = Percorso(c, kCartellaSchemi);
    lista.Path = cartella.string();
    lista.names.clear();
    lista.ListIndex = -1;
    lista.FileName.clear();
    c.elencati.clear();
    std::error_code ec;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const auto nome = it->path().filename().string();
        // A name with a control character would break its row; a link may lead anywhere, out of the
        // folder too, and a folder is no puzzle: only regular files are listed.
        if (!CorrispondeModello(nome, lista.Pattern) || HaControlli(nome)) continue;
        const auto identita = InodeFileNormale(it->path());
        if (!identita) continue;
        lista.names.push_back(nome);
        c.elencati[nome] = *identita;
    }
    std::sort(lista.names.begin(), lista.names.end(), MinoreSenzaMaiuscole);
}

int ProssimoNumeroSchema(const Contesto& c) {
    int piuAlto = 0;
    for (const auto& nome : c.f.File1.names) piuAlto = std::max(piuAlto, NomeSchema::Numero(nome));
    return piuAlto >= NomeSchema::kMassimo ? 0 : piuAlto + 1;
}

int NomeSchema::Numero(std::string_view nome) {
    return ValIntero(Mid(nome, 10, 3));
}

std::string NomeSchema::Di(int numero) {
    return "schema_n_" + Formato000(numero) + ".txt";
}

std::string TestoLibreriaPiena() {
    return testi::kLibreriaPiena + NomeSchema::Di(NomeSchema::kMassimo) + testi::kLibreriaPienaDopo;
}

void mnuSalvaSchema_Click(Contesto& c) {
    if (c.m.Occupato == 1) return;
    if (SolaLettura(c, testi::kSolaLetturaSalva)) return;
    AggiornaFile1(c);
    int numero = ProssimoNumeroSchema(c);
    if (numero == 0) {
        c.MsgBox(TestoLibreriaPiena());
        return;
    }
    const auto sorgente = Percorso(c, kFileSchemaCorrente);
    std::string contenuto;
    if (const auto esito = LeggiFile(sorgente, contenuto, kLimiteSchema); !esito) {
        c.MsgBox(ConFile(testi::kSchemaMancante, sorgente, esito));
        return;
    }
    // What the list does not show (a folder, a link) may hold the name, or something may take it while
    // the copy is written: it is never replaced, and the next number that can be written is used.
    for (; numero <= NomeSchema::kMassimo; ++numero) {
        const auto nome = NomeSchema::Di(numero);
        const auto destinazione = Percorso(c, std::string(kCartellaSchemi) + "\\" + nome);
        if (Esiste(destinazione)) continue;
        const auto esito = ScriviAtomico(destinazione, contenuto, ModoScrittura::SoloNuovo);
        if (esito.errore == EEXIST) continue;
        if (!esito) {
            c.MsgBox(ConFile(testi::kSalvataggioFallito, destinazione, esito));
            return;
        }
        // An open list shows the new file at once.
        AggiornaFile1(c);
        c.MsgBox(testi::kSchemaSalvato + nome);
        return;
    }
    c.MsgBox(TestoLibreriaPiena());
}

void mnuCaricaSchema_Click(Contesto& c) {
    ApriOChiudiLista(c, c.f.mnuCaricaSchema, testi::kEsciCaricaSchema, testi::kNessunoDaCaricare,
                     testi::kSolaLetturaCarica);
}

void mnuCancellaSchema_Click(Contesto& c) {
    ApriOChiudiLista(c, c.f.mnuCancellaSchema, testi::kEsciCancellaSchema, testi::kNessunoDaCancellare,
                     testi::kSolaLetturaCancella);
}

void File1_Click(Contesto& c) {
    const auto& lista = c.f.File1;
    // Only a name the list shows is acted on, so a stray name can never reach another file.
    if (std::find(lista.names.begin(), lista.names.end(), lista.FileName) == lista.names.end()) return;
    const auto scelto = Percorso(c, kCartellaSchemi) / lista.FileName;
    // The folder may have changed since it was listed: only the very file listed is loaded or deleted.
    const auto elencato = c.elencati.find(lista.FileName);
    if (elencato == c.elencati.end() || InodeFileNormale(scelto) != elencato->second)
        return ElencoCambiato(c, scelto);
    if (c.f.mnuCancellaSchema.Caption == testi::kEsciCancellaSchema)
        CancellaScelto(c, scelto);
    else
        CaricaScelto(c, scelto, elencato->second);
}

}  // namespace tramelo
