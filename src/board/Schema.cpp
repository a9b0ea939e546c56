// Loading the current puzzle onto the board, and scaling the window to the screen once per run.
#include "board/Schema.h"

#include <algorithm>
#include <cmath>

#include "app/Messaggi.h"
#include "app/Testi.h"
#include "board/Indizio.h"
#include "files/Dizionario.h"
#include "files/FileSchema.h"
#include "files/Percorsi.h"
#include "files/Testo.h"
#include "words/Parole.h"

namespace tramelo {

namespace {

// How far the window may shrink to fit the screen: a screen smaller than that is not one the game can be
// played on.
constexpr double kRiduzioneMinima = 0.25;

template <typename Controllo>
void Scala(Controllo& x, float fx, float fy) {
    x.Top *= fy;
    x.Left *= fx;
    x.Width *= fx;
    x.Height *= fy;
}

// The fraction (at most 1) of a client area `larghezza` x `altezza` twips that the part of the screen
// windows may take holds whole, in whole pixels, with the window's frame and menu bar.
float Riduzione(Contesto& c, float larghezza, float altezza) {
    auto& p = c.piattaforma;
    const Rettangolo area = p.AreaDisponibile();
    const DimensioniTwips cornice = p.Cornice();
    const double tppX = p.TwipsPerPixelX(), tppY = p.TwipsPerPixelY();
    if (area.Width <= 0 || area.Height <= 0 || larghezza <= 0 || altezza <= 0 || tppX <= 0 || tppY <= 0)
        return 1.0f;
    const double pixelX = std::floor((area.Width - cornice.Width) / tppX);
    const double pixelY = std::floor((area.Height - cornice.Height) / tppY);
    const double riduzione = std::min({1.0, pixelX * tppX / larghezza, pixelY * tppY / altezza});
    return static_cast<float>(std::max(riduzione, kRiduzioneMinima));
}

void AzzeraStato(Contesto& c) {
    auto& m = c.m;
    m.Occupato = 0;
    m.Griglia.fill(0);
    m.Aspetto.fill(0);
    c.f.List1.Clear();
    m.DirezioneParola.fill(0);
    for (auto& p : m.Parole) p.clear();
    c.f.Label1[1].Caption.clear();
    for (auto& riga : m.IndiceLunghezze) riga = {0, 0};
    m.Percorso.fill('\0');
    m.CelleLibere = m.NumImmagine = m.NumImmagini = m.Piazzata = m.UltimaParola = m.NumParole = 0;
    m.ParolaRiconosciuta = m.ModoSoluzione = 0;
    m.SoluzioneNuova.clear();
    m.ParolaCorrente = {};
}

}  // namespace

void AdattaFinestra(Contesto& c) {
    auto& f = c.f;
    auto& p = c.piattaforma;
    const auto fy = static_cast<float>(p.TwipsPerPixelY() / 12.0);
    const auto fx = static_cast<float>(p.TwipsPerPixelX() / 12.0);
    if (c.m.FinestraAdattata != 0) return;
    const float riduzione = Riduzione(c, f.Width * fx, f.Height * fy);
    if (fx == 1.0f && fy == 1.0f && riduzione == 1.0f) return;
    c.m.FinestraAdattata = 1;
    f.Width *= fx;
    f.Height *= fy;
    // The controls keep the layout's units; the window shows them shrunk when the screen is too small.
    f.ScaleWidth = f.Width;
    f.ScaleHeight = f.Height;
    f.Width *= riduzione;
    f.Height *= riduzione;
    // The whole window, frame and menu bar included, centred on the part of the screen windows may take.
    const Rettangolo area = p.AreaDisponibile();
    const DimensioniTwips cornice = p.Cornice();
    f.Top = static_cast<float>(area.Top + (area.Height - (f.Height + cornice.Height)) / 2);
    f.Left = static_cast<float>(area.Left + (area.Width - (f.Width + cornice.Width)) / 2);
    for (auto& i : f.Image1) Scala(i, fx, fy);
    auto scalaEtichetta = [&](Etichetta& e) {
        Scala(e, fx, fy);
        e.FontSize = std::floor(e.FontSize * fy);
    };
    for (auto& e : f.Label1) scalaEtichetta(e);
    for (auto& e : f.Label2) scalaEtichetta(e);
    for (auto& s : f.Shape1) {
        Scala(s, fx, fy);
        s.Visible = false;
    }
}

void PreparaSchema(Contesto& c) {
    auto& m = c.m;
    auto& f = c.f;
    AzzeraStato(c);

    if (m.DizionarioCaricato == 0) {
        m.DizionarioCaricato = 1;
        c.rnd.Semina(c.piattaforma.Timer());
        CaricaDizionario(c);
        AdattaFinestra(c);
    }

    f.Image1[kImmagineIstruzioni].Visible = false;
    for (auto& l : f.Line1) l.Visible = false;
    for (auto& s : f.Shape1) s.Visible = false;
    m.NumRighe = kRighe;
    m.NumColonne = kColonne;
    m.ModoSoluzione = 0;

    const auto file = Percorso(c, kFileSchemaCorrente);
    const LetturaSchema lettura = LeggiSchema(file);
    if (!lettura.aperto)
        c.MsgBox(ConFile(testi::kSchemaMancante, file, lettura.esito));
    else if (!lettura.completo)
        c.MsgBox(ConFile(testi::kSchemaIncompleto, file));
    m.Griglia = lettura.celle;
    m.SoluzioneSchema = lettura.soluzione;
    m.RigaImmagine = lettura.rigaImmagine;
    for (const auto& parola : lettura.parole) {
        const auto w = static_cast<std::size_t>(m.NumParole);
        m.Parole[w] = parola;
        f.Line1[w].Visible = false;
        f.Label2[w].Caption = parola;
        f.Label2[w].Enabled = true;
        ++m.NumParole;
    }

    MostraIndizio(c);  // nothing for a puzzle without a picture (number 0)

    for (int i = m.NumParole + 1; i <= kMaxParole; ++i)
        f.Label2[static_cast<std::size_t>(i - 1)].Caption.clear();

    for (int k = 0; k < m.NumRighe * m.NumColonne; ++k) {
        const auto i = static_cast<std::size_t>(k);
        auto& cella = f.Image1[i];
        cella.BorderStyle = 0;
        if (EUnaLettera(m.Griglia[i])) {
            cella.Visible = true;
            cella.Picture = FiguraTessera(3, m.Griglia[i]);
            m.Aspetto[i] = kAspettoNormale;
        } else {
            cella.Visible = false;
        }
    }

    LocalizzaParole(c);
    CercaParole(c);
}

}  // namespace tramelo
