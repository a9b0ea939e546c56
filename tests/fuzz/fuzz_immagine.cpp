// Fuzz target: the decoding budget read from a picture's header. Whatever the bytes, the check ends; a
// picture it lets through has a JPEG's first marker and a frame within the budget. Built with libjpeg
// at hand, the decoder itself reads every picture let through: it may give up sooner (a bad table),
// but a frame it finds is the one the check found, and it reads no more scans than the check counted.
#include <cstdint>
#include <string_view>

#include "Banco.h"
#include "board/ControlloImmagine.h"

#if TRAMELO_FUZZ_LIBJPEG
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#endif

using namespace tramelo;

namespace {

#if TRAMELO_FUZZ_LIBJPEG
// What the decoder saw before it finished or gave up; volatile, being written between setjmp and longjmp.
struct Visto {
    volatile bool telaio = false;
    volatile unsigned larghezza = 0, altezza = 0;
    volatile int scansioni = 0;
};
struct Errori {
    jpeg_error_mgr base;
    std::jmp_buf uscita;
};

void Esci(j_common_ptr info) {
    std::longjmp(reinterpret_cast<Errori*>(info->err)->uscita, 1);
}
void Taci(j_common_ptr, int) {}

// Reads the picture scan by scan (buffered mode stops at each scan) without producing its pixels.
void Decodifica(const std::uint8_t* dati, std::size_t dimensione, Visto& visto) {
    jpeg_decompress_struct info{};
    Errori errori{};
    info.err = jpeg_std_error(&errori.base);
    errori.base.error_exit = Esci;
    errori.base.emit_message = Taci;
    jpeg_create_decompress(&info);
    if (setjmp(errori.uscita) == 0) {
        jpeg_mem_src(&info, dati, static_cast<unsigned long>(dimensione));
        if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK) {
            visto.telaio = true;
            visto.larghezza = info.image_width;
            visto.altezza = info.image_height;
            visto.scansioni = 1;
            info.buffered_image = TRUE;
            jpeg_start_decompress(&info);
            for (int passi = 0, r; passi < 1'000'000 && (r = jpeg_consume_input(&info)) != JPEG_REACHED_EOI &&
                                   r != JPEG_SUSPENDED;
                 ++passi)
                if (r == JPEG_REACHED_SOS) visto.scansioni = visto.scansioni + 1;
        }
    }
    jpeg_destroy_decompress(&info);
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), dimensione);
    const auto esito = ControllaImmagine(byte);
    const auto h = LeggiIntestazioneJpeg(byte);
    fuzz::Verifica(!esito || h.has_value(), "ammessa senza un'intestazione leggibile");
    if (!esito) return 0;
    fuzz::Verifica(byte.starts_with("\xFF\xD8"), "ammessa senza FF D8");
    fuzz::Verifica(
        !h->telaio || (h->larghezza >= 1 && h->larghezza <= kLatoMassimoImmagine && h->altezza >= 1 &&
                       h->altezza <= kLatoMassimoImmagine && h->scansioni <= kScansioniMassime),
        "ammessa oltre il budget");
#if TRAMELO_FUZZ_LIBJPEG
    Visto visto;
    Decodifica(dati, dimensione, visto);
    fuzz::Verifica(!visto.telaio || h->telaio, "il decodificatore trova un telaio che il controllo non vede");
    fuzz::Verifica(
        !visto.telaio || (visto.larghezza == unsigned(h->larghezza) && visto.altezza == unsigned(h->altezza)),
        "il decodificatore legge altre dimensioni");
    fuzz::Verifica(visto.scansioni <= h->scansioni, "il decodificatore legge più scansioni");
#endif
    return 0;
}
