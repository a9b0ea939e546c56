// The window's design-time layout (twips at 12 twips per pixel) and its list boxes.
#include "app/Form1.h"

#include <algorithm>

#include "app/Testi.h"
#include "files/NomeSchema.h"

namespace tramelo {

void ListaOrdinata::AddItem(const std::string& s) {
    items.insert(std::upper_bound(items.begin(), items.end(), s), s);
}

int ListaFile::PrimaMostrata(int righe) const {
    return std::clamp(TopIndex, 0, std::max(0, ListCount() - std::max(1, righe)));
}

void ListaFile::MostraDa(int prima, int righe) {
    TopIndex = prima;
    TopIndex = PrimaMostrata(righe);
}

void ListaFile::RendiCorrente(int voce, int righe) {
    if (names.empty()) return;
    righe = std::max(1, righe);
    ListIndex = std::clamp(voce, 0, ListCount() - 1);
    const int prima = PrimaMostrata(righe);
    MostraDa(std::clamp(prima, ListIndex - righe + 1, ListIndex), righe);
}

namespace {

constexpr float kColonneParole[6] = {180, 1980, 3780, 5580, 7380, 9192};
constexpr float kRigheParole[7] = {4200, 4416, 4608, 4824, 5040, 5256, 5472};

Etichetta EtichettaTesto(float left, float top, float w, float h, const char* caption, float size) {
    Etichetta e;
    e.Left = left, e.Top = top, e.Width = w, e.Height = h;
    e.Caption = caption;
    e.Font = Carattere::CourierNew;
    e.FontBold = true;
    e.FontSize = size;
    e.ForeColor = kVerdeScuro;
    return e;
}

}  // namespace

Form1::Form1() {
    for (int k = 0; k < kCelle; ++k) {
        auto& cella = Image1[static_cast<std::size_t>(k)];
        cella.Left = SinistraCella(k);
        cella.Top = AltoCella(k);
        cella.Width = cella.Height = kLatoCella;
        cella.Visible = false;
    }
    Image1[kImmagineIndizio] = {7440, 324, 3156, 2376, true, 1, {}};
    Image1[kImmagineBanner] = {7440, 3480, 3420, 660, true, 1, FiguraRisorsa(TipoFigura::Banner)};
    Image1[kImmagineIstruzioni] = {960, 240, 7296, 3540, false, 1, FiguraRisorsa(TipoFigura::Istruzioni)};
    Image1[kImmagineCredito] = {7476, 372, 960, 144, true, 0, FiguraRisorsa(TipoFigura::Credito)};

    Label1[0] = EtichettaTesto(180, 96, 7140, 4020, " ", 7.8f);
    Label1[0].Font = Carattere::MsSansSerif;
    Label1[0].FontBold = false;
    Label1[0].ForeColor = kNero;
    Label1[1] = EtichettaTesto(8640, 60, 360, 240, "", 10.2f);
    Label1[1].AutoSize = true;
    Label1[2] = EtichettaTesto(240, 4320, 864, 276, testi::kParole, 12.0f);

    for (int w = 0; w < 40; ++w) {
        // Five labels under the heading in the first column, then seven per column.
        const int colonna = w < 5 ? 0 : 1 + (w - 5) / 7;
        const int riga = w < 5 ? w + 2 : (w - 5) % 7;
        auto& e = Label2[static_cast<std::size_t>(w)];
        e.Left = kColonneParole[colonna];
        e.Top = kRigheParole[riga];
        e.Width = 1680, e.Height = 216;
        e.Font = Carattere::TimesNewRoman;
        e.FontSize = 7.8f;
        e.BackColor = kBianco;
        e.BackOpaque = true;
    }

    for (int n = 0; n < 20; ++n) Ring(n).Left = SinistraCella(n);

    List1.Left = 1080, List1.Top = 4320, List1.Width = 492, List1.Height = 48;
    File1.Left = 5640, File1.Top = 0, File1.Width = 3132, File1.Height = 2844;
    File1.Pattern = NomeSchema::kModello;

    mnuRicomincia.Caption = testi::kRicomincia;
    mnuSoluzione.Caption = testi::kSoluzione;
    mnuNS.Caption = testi::kNuovoSchema;
    mnuIstruzioni.Caption = testi::kIstruzioni;
    mnuStampare.Caption = testi::kStampaSchema;
    mnuSalvaSchema.Caption = testi::kSalvaSchema;
    mnuCaricaSchema.Caption = testi::kCaricaSchema;
    mnuCancellaSchema.Caption = testi::kCancellaSchema;
}

Forma& Form1::Ring(int n) {
    while (static_cast<int>(Shape1.size()) <= n) {
        Forma f;
        // New rings take the size of the first one, which the layout scaling may have changed.
        if (!Shape1.empty()) f.Width = Shape1.front().Width, f.Height = Shape1.front().Height;
        f.Top = Shape1.empty() ? 4440 : Shape1.front().Top;
        Shape1.push_back(f);
    }
    return Shape1[static_cast<std::size_t>(n)];
}

}  // namespace tramelo
