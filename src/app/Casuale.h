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
        auto seme = static_cast<std::uint64_t>(secondi * 1000.0);
        // Two seedings within the same millisecond would repeat the sequence: a rejected generated
        // puzzle, reloaded and generated again at once, would come back identical again and again.
        if (seme == ultimoSeme_) seme += ++ripetizioni_ * 0x9E3779B97F4A7C15ull;
        else ultimoSeme_ = seme, ripetizioni_ = 0;
        motore_.seed(seme);
    }
    // Uniform in [0, 1), 53 random bits.
    double Rnd() { return static_cast<double>(motore_() >> 11) * 0x1.0p-53; }
    // floor(Rnd() * n) for n >= 0.
    int Intero(int n) { return static_cast<int>(Rnd() * n); }

private:
    std::mt19937_64 motore_{0};
    std::uint64_t ultimoSeme_ = ~0ull;
    std::uint64_t ripetizioni_ = 0;
};

}  // namespace tramelo
