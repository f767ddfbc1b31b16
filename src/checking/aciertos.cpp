#include "checking/aciertos.h"

namespace tombolin {

namespace {

// The same loops twice: once built for POPCNT, once for any x86-64 processor.
#define TOMBOLIN_BUCLES(ATRIBUTOS, SUFIJO)                                                 \
    ATRIBUTOS void LineasConPremio##SUFIJO(const uint64_t* lineas, int n, uint64_t sorteo, \
                                           std::vector<uint8_t>& salida) {                 \
        for (int l = 0; l < n; ++l) {                                                      \
            if (__builtin_popcountll(lineas[l] & sorteo) > 2)                              \
                salida.push_back(static_cast<uint8_t>(l));                                 \
        }                                                                                  \
    }                                                                                      \
    ATRIBUTOS bool HayPremio##SUFIJO(const uint64_t* lineas, int n, uint64_t sorteo) {     \
        for (int l = 0; l < n; ++l) {                                                      \
            if (__builtin_popcountll(lineas[l] & sorteo) > 2) return true;                 \
        }                                                                                  \
        return false;                                                                      \
    }                                                                                      \
    ATRIBUTOS void ContarAciertos##SUFIJO(const uint64_t* lineas, int n, uint64_t sorteo,  \
                                          std::array<int64_t, 65>& cuenta) {               \
        for (int l = 0; l < n; ++l) ++cuenta[__builtin_popcountll(lineas[l] & sorteo)];    \
    }

#if defined(__x86_64__)
TOMBOLIN_BUCLES(__attribute__((target("popcnt"))), Rapido)
const bool kTienePopcnt = __builtin_cpu_supports("popcnt");
#endif
TOMBOLIN_BUCLES(, Generico)
#undef TOMBOLIN_BUCLES

}  // namespace

void LineasConPremio(const uint64_t* lineas, int n, uint64_t sorteo, std::vector<uint8_t>& salida) {
#if defined(__x86_64__)
    if (kTienePopcnt) return LineasConPremioRapido(lineas, n, sorteo, salida);
#endif
    LineasConPremioGenerico(lineas, n, sorteo, salida);
}

bool HayPremio(const uint64_t* lineas, int n, uint64_t sorteo) {
#if defined(__x86_64__)
    if (kTienePopcnt) return HayPremioRapido(lineas, n, sorteo);
#endif
    return HayPremioGenerico(lineas, n, sorteo);
}

void ContarAciertos(const uint64_t* lineas, int n, uint64_t sorteo,
                    std::array<int64_t, 65>& cuenta) {
#if defined(__x86_64__)
    if (kTienePopcnt) return ContarAciertosRapido(lineas, n, sorteo, cuenta);
#endif
    ContarAciertosGenerico(lineas, n, sorteo, cuenta);
}

}  // namespace tombolin
