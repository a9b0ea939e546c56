// The game's random numbers: one engine, reseeded from the clock, uniform numbers in [0, 1)
// computed here so that the same clock gives the same sequence with every standard library.
#pragma once

#include <cstdint>
#include <random>

namespace tramelo {

class Casuale {
public:
    void Semina(double secondi) {
        // The clock has a fraction; keep milliseconds so close seconds give different sequences.
        motore_.seed(static_cast<std::uint64_t>(secondi * 1000.0));
    }
    // Uniform in [0, 1), 53 random bits.
    double Rnd() { return static_cast<double>(motore_() >> 11) * 0x1.0p-53; }
    // floor(Rnd() * n) for n >= 0.
    int Intero(int n) { return static_cast<int>(Rnd() * n); }

private:
    std::mt19937_64 motore_{0};
};

}  // namespace tramelo
