// Fuzz target: the decoding budget read from a picture's header. Whatever the bytes, the check ends. Built
// with libjpeg at hand, the decoder itself reads every picture the check lets through: it may give up
// sooner (a bad table), but a frame it finds is the one the check found, and it reads no more scans than
// the check counted. Which headers the check lets through, Indizio.BudgetDiDecodifica checks.
#include <cstdint>
#include <string_view>

#include "Banco.h"
#include "board/ControlloImmagine.h"

#if TRAMELO_FUZZ_LIBJPEG
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// One reading by the decoder: where an error jumps back to (silently), and what it saw before it finished or
// gave up: the frame's size (0 x 0 when none) and the scans it read, one at a time (buffered mode stops at
// each) without producing the pixels.
struct Lettura : jpeg_error_mgr {
    std::jmp_buf uscita;
    unsigned larghezza = 0, altezza = 0;
    int scansioni = 0;
};
void Decodifica(const std::uint8_t* dati, std::size_t dimensione, Lettura& visto) {
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&visto);
    visto.error_exit = [](j_common_ptr i) { std::longjmp(static_cast<Lettura*>(i->err)->uscita, 1); };
    visto.emit_message = [](j_common_ptr, int) {};
    jpeg_create_decompress(&info);
    if (setjmp(visto.uscita) == 0) {
        jpeg_mem_src(&info, dati, static_cast<unsigned long>(dimensione));
        if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK) {
            visto.larghezza = info.image_width, visto.altezza = info.image_height, visto.scansioni = 1;
            info.buffered_image = TRUE;
            jpeg_start_decompress(&info);
            for (int passi = 0, r; passi < 1'000'000 && (r = jpeg_consume_input(&info)) != JPEG_REACHED_EOI &&
                                   r != JPEG_SUSPENDED;
                 ++passi)
                visto.scansioni += r == JPEG_REACHED_SOS;
        }
    }
    jpeg_destroy_decompress(&info);
}

}  // namespace
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), dimensione);
    if (!tramelo::ControllaImmagine(byte)) return 0;
#if TRAMELO_FUZZ_LIBJPEG
    const auto h = tramelo::LeggiIntestazioneJpeg(byte).value();
    Lettura visto{};
    Decodifica(dati, dimensione, visto);
    tramelo::fuzz::Verifica(visto.larghezza == 0 || (h.telaio && visto.larghezza == unsigned(h.larghezza) &&
                                                     visto.altezza == unsigned(h.altezza)),
                            "il decodificatore legge un telaio che il controllo non ha letto");
    tramelo::fuzz::Verifica(visto.scansioni <= h.scansioni, "il decodificatore legge più scansioni");
#endif
    return 0;
}
