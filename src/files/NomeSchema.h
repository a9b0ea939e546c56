// The names of the library's saved puzzles: "schema_n_", three digits, ".txt".
#pragma once

#include <string>
#include <string_view>

namespace tramelo {

struct NomeSchema {
    // The file list's pattern ("?" stands for exactly one character, letters match in either case).
    static constexpr const char* kModello = "schema_n_???.txt";
    // The highest number a saved puzzle can take: one more would not fit the three characters.
    static constexpr int kMassimo = 999;
    // The number a name carries: characters 10..12, their numeric value; a name that is not a number
    // counts 0.
    static int Numero(std::string_view nome);
    // The name of saved puzzle `numero`.
    static std::string Di(int numero);
};

}  // namespace tramelo
