#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The inner loops of the check: hits of many bet lines on one draw, as popcounts of 64-bit
// masks. They use the processor's POPCNT instruction when it has one (checked once at run
// time), so the program still runs on processors without it.
namespace tombolin {

// Bit n for each number n from 1 to 49; anything else is never a hit.
inline uint64_t BitNumero(int numero) {
    return numero >= 1 && numero <= 49 ? uint64_t{1} << numero : 0;
}

// Appends to `salida` the places of the lines with 3 hits or more.
void LineasConPremio(const uint64_t* lineas, int n, uint64_t sorteo, std::vector<uint8_t>& salida);

// Whether any line has 3 hits or more.
bool HayPremio(const uint64_t* lineas, int n, uint64_t sorteo);

// Adds to `cuenta[k]` the lines with k hits.
void ContarAciertos(const uint64_t* lineas, int n, uint64_t sorteo,
                    std::array<int64_t, 65>& cuenta);

}  // namespace tombolin
