// The window model: every control of the game window as plain data, geometry in twips.
// The Qt layer draws exactly this; the game's rules read and write it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/Module1.h"

namespace tramelo {

struct Colore {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Colore&, const Colore&) = default;
};

inline constexpr Colore kGrigioChiaro{192, 192, 192};
inline constexpr Colore kVerdeScuro{0, 64, 64};
inline constexpr Colore kRossoChiaro{255, 128, 128};
inline constexpr Colore kRosso{255, 0, 0};
inline constexpr Colore kBianco{255, 255, 255};
inline constexpr Colore kNero{0, 0, 0};

enum class Carattere { CourierNew, TimesNewRoman, MsSansSerif };

// What an image control shows.
enum class TipoFigura {
    Nessuna,
    Tessera,  // a letter tile: lista 1 found, 2 selected, 3 plain; indice 1..26
    File,     // a picture loaded from `file`; `versione` changes at every load
    Banner,   // fixed resources of the window
    Istruzioni,
    Credito,
};

struct Figura {
    TipoFigura tipo = TipoFigura::Nessuna;
    int lista = 0;
    int indice = 0;
    std::string file;
    int versione = 0;
    friend bool operator==(const Figura&, const Figura&) = default;
};

inline Figura FiguraTessera(int lista, int indice) {
    Figura f;
    f.tipo = TipoFigura::Tessera, f.lista = lista, f.indice = indice;
    return f;
}
inline Figura FiguraRisorsa(TipoFigura tipo) {
    Figura f;
    f.tipo = tipo;
    return f;
}

struct Immagine {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    int BorderStyle = 0;   // 1 = thin frame; on a board cell it means "selected"
    Figura Picture;
};

struct Etichetta {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;  // ISO 8859-1
    bool Enabled = true;
    bool Visible = true;
    bool AutoSize = false;  // grows with its caption
    Carattere Font = Carattere::TimesNewRoman;
    float FontSize = 7.8f;
    bool FontBold = false;
    Colore ForeColor = kNero;
    Colore BackColor = kGrigioChiaro;
    bool BackOpaque = false;
};

struct Linea {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Visible = false;
    Colore BorderColor = kRossoChiaro;
};

struct Forma {
    float Left = 0, Top = 0, Width = 384, Height = 384;
    bool Visible = false;
    Colore BorderColor = kRosso;
};

// A list box that keeps its items in alphabetical order.
struct ListaOrdinata {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = false;
    std::vector<std::string> items;
    void AddItem(const std::string& s);
    void Clear() { items.clear(); }
    int ListCount() const { return static_cast<int>(items.size()); }
};

// A file list box: the names (no folder) of the files of `Path` that match `Pattern`, sorted.
// It shows `righe` whole rows at a time (the window measures them) from TopIndex on.
struct ListaFile {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = false;
    std::string Path;
    std::string Pattern;
    std::vector<std::string> names;
    int ListIndex = -1;    // the current entry, -1 when none
    int TopIndex = 0;      // the first entry shown
    std::string FileName;  // the chosen entry

    int ListCount() const { return static_cast<int>(names.size()); }
    // The first entry shown: TopIndex, kept where the last row shown is still an entry.
    int PrimaMostrata(int righe) const;
    // Shows the list from entry `prima` on, as far as the list goes.
    void MostraDa(int prima, int righe);
    // Makes entry `voce` (within the list) the current one and scrolls just enough to show it.
    void RendiCorrente(int voce, int righe);
    // Rows a page moves: one row of the last page stays in sight.
    static int Pagina(int righe) { return righe > 2 ? righe - 1 : 1; }
};

struct Menu {
    std::string Caption;
};

struct Form1 {
    std::string Caption = "Tramelo";
    // The window's position (its frame's top-left corner) and its client area on the screen, in twips.
    float Left = 0, Top = 0, Width = 11088, Height = 5844;
    // The client area in the controls' units: Width and Height, unless the layout is too large for the
    // screen and is drawn shrunk by Width / ScaleWidth (the same fraction both ways).
    float ScaleWidth = 11088, ScaleHeight = 5844;
    Colore BackColor = kGrigioChiaro;

    std::array<Immagine, 184> Image1{};
    std::array<Etichetta, 3> Label1{};
    std::array<Etichetta, 40> Label2{};
    std::array<Linea, 40> Line1{};
    std::vector<Forma> Shape1;  // 20 at design; grows so that every solution letter gets its ring
    ListaOrdinata List1;
    ListaFile File1;

    Menu mnuRicomincia, mnuSoluzione, mnuNS, mnuIstruzioni, mnuStampare, mnuSalvaSchema, mnuCaricaSchema,
        mnuCancellaSchema;

    // The eight menu entries left to right.
    std::array<Menu*, 8> Menus() {
        return {&mnuRicomincia, &mnuSoluzione,   &mnuNS,           &mnuIstruzioni,
                &mnuStampare,   &mnuSalvaSchema, &mnuCaricaSchema, &mnuCancellaSchema};
    }

    Form1();             // the design-time layout
    Forma& Ring(int n);  // Shape1(n), creating rings up to n as needed
};

// Indices of the picture holders of Image1.
// The board's tiles at design time: cell k (row k / 18, column k % 18) is a square of kLatoCella twips
// whose top-left corner lies kMargineSinistro + kLatoCella·column, kMargineAlto + kLatoCella·row
// from the client area's; Image1(0..179) are the cells.
inline constexpr float kLatoCella = 384, kMargineSinistro = 288, kMargineAlto = 192;
constexpr float SinistraCella(int k) {
    return kMargineSinistro + kLatoCella * static_cast<float>(k % kColonne);
}
constexpr float AltoCella(int k) {
    return kMargineAlto + kLatoCella * static_cast<float>(k / kColonne);
}

inline constexpr int kImmagineIndizio = kCelle;
inline constexpr int kImmagineBanner = 181;
inline constexpr int kImmagineIstruzioni = 182;
inline constexpr int kImmagineCredito = 183;

}  // namespace tramelo
