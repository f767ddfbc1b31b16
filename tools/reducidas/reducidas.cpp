// herramienta_reducidas: builds data/tablas.bin, the reduced systems ("reducidas") that Tombolin
// offers to a syndicate.
//
// A reduced system "de N números al t" is a set of K six-number bets on the positions 1..N such
// that, whenever the six winning numbers are all among the N chosen ones, at least one bet holds
// t of them or more (in the literature: a lotto design LD(N,6,6,t;K)).
//
// For every cell (N,t) we look for the smallest K we can find:
//   1. greedy start: while some draw is uncovered, add the bet that covers most uncovered draws
//      among the bets that cover the first uncovered one;
//   2. descent: drop the bet whose loss uncovers fewest draws and repair the design with a
//      weighted local search on a fixed number of bets (move = swap one number of one bet so that
//      a random uncovered draw becomes covered, choosing the swap of least weighted cost; the
//      weight of every draw left uncovered grows after each step); repeat while the repair
//      succeeds within the iteration budget.
// Everything is deterministic: a fixed seed per cell, our own random generator, integer
// arithmetic and iteration (not time) budgets, so the same command writes the same file byte for
// byte on any platform and with any number of threads.
//
// Before anything is written every table is checked again against all C(N,6) possible draws by an
// independent routine; a broken table stops the program without touching the output file.
//
// Plain C++20, standard library only.

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Mascara = std::uint32_t;  // bit i set <=> position i+1 is in the set (N <= 20)

constexpr int kNumerosApuesta = 6;
constexpr int kNMin = 7;
constexpr int kNMax = 20;
constexpr int kMaxApuestas = 205;  // tables with more bets are not offered

// ---------------------------------------------------------------------------------------------
// Random numbers: splitmix64 to seed, xoshiro256** to draw. Both are fixed algorithms of our own
// code (no std:: distributions), so the sequence is identical with every compiler and library.
// ---------------------------------------------------------------------------------------------
class Aleatorio {
  public:
    explicit Aleatorio(std::uint64_t semilla) {
        for (auto& palabra : estado_) {
            semilla += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = semilla;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            palabra = z ^ (z >> 31);
        }
    }

    std::uint64_t siguiente() {
        const std::uint64_t resultado = std::rotl(estado_[1] * 5, 7) * 9;
        const std::uint64_t t = estado_[1] << 17;
        estado_[2] ^= estado_[0];
        estado_[3] ^= estado_[1];
        estado_[1] ^= estado_[2];
        estado_[0] ^= estado_[3];
        estado_[2] ^= t;
        estado_[3] = std::rotl(estado_[3], 45);
        return resultado;
    }

    // Uniform in [0, n), n > 0 (multiply-shift; the tiny bias is irrelevant here).
    std::uint32_t menorQue(std::uint32_t n) {
        return static_cast<std::uint32_t>(((siguiente() >> 32) * static_cast<std::uint64_t>(n)) >>
                                          32);
    }

  private:
    std::array<std::uint64_t, 4> estado_{};
};

// k-th set bit (0-based) of a mask.
int bitNumero(Mascara m, std::uint32_t k) {
    for (std::uint32_t i = 0; i < k; ++i) m &= m - 1;
    return std::countr_zero(m);
}

// All subsets of size s of the given elements, as masks.
void subconjuntos(const int* elementos, int m, int s, std::vector<Mascara>& salida) {
    salida.clear();
    if (s < 0 || s > m) return;
    if (s == 0) {
        salida.push_back(0);
        return;
    }
    std::array<int, 8> idx{};
    for (int i = 0; i < s; ++i) idx[static_cast<std::size_t>(i)] = i;
    while (true) {
        Mascara mask = 0;
        for (int i = 0; i < s; ++i)
            mask |= Mascara{1} << elementos[idx[static_cast<std::size_t>(i)]];
        salida.push_back(mask);
        int i = s - 1;
        while (i >= 0 && idx[static_cast<std::size_t>(i)] == m - s + i) --i;
        if (i < 0) break;
        ++idx[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < s; ++j)
            idx[static_cast<std::size_t>(j)] = idx[static_cast<std::size_t>(j - 1)] + 1;
    }
}

int elementosDe(Mascara m, int* salida) {
    int k = 0;
    while (m) {
        salida[k++] = std::countr_zero(m);
        m &= m - 1;
    }
    return k;
}

// Next mask with the same number of bits (Gosper).
Mascara siguienteMismoPeso(Mascara v) {
    const Mascara t = v | (v - 1);
    return (t + 1) | (((~t & -~t) - 1) >> (std::countr_zero(v) + 1));
}

// ---------------------------------------------------------------------------------------------
// Independent exhaustive check. Deliberately simple: every 6-subset of 1..N against every bet.
// Returns the number of uncovered draws (0 = valid), or -1 if a bet is malformed or repeated.
// ---------------------------------------------------------------------------------------------
long long sorteosSinPremio(int n, int t, const std::vector<Mascara>& apuestas) {
    const Mascara universo = (n >= 32) ? ~Mascara{0} : ((Mascara{1} << n) - 1);
    for (std::size_t i = 0; i < apuestas.size(); ++i) {
        if (std::popcount(apuestas[i]) != kNumerosApuesta || (apuestas[i] & ~universo) != 0)
            return -1;
        for (std::size_t j = 0; j < i; ++j)
            if (apuestas[j] == apuestas[i]) return -1;
    }
    long long fallos = 0;
    const Mascara ultimo = universo & ~((Mascara{1} << (n - kNumerosApuesta)) - 1);
    for (Mascara d = (Mascara{1} << kNumerosApuesta) - 1;; d = siguienteMismoPeso(d)) {
        bool premiado = false;
        for (const Mascara b : apuestas) {
            if (std::popcount(d & b) >= t) {
                premiado = true;
                break;
            }
        }
        if (!premiado) ++fallos;
        if (d == ultimo) break;
    }
    return fallos;
}

// ---------------------------------------------------------------------------------------------
// Search state for one cell.
// ---------------------------------------------------------------------------------------------
class Buscador {
  public:
    Buscador(int n, int t, std::uint64_t semilla)
        : n_(n),
          t_(t),
          rng_(semilla),
          cuenta_(std::size_t{1} << n, 0),
          posicion_(std::size_t{1} << n, -1) {}

    int n() const { return n_; }
    int t() const { return t_; }
    const std::vector<Mascara>& apuestas() const { return apuestas_; }
    std::size_t sinCubrir() const { return descubiertos_.size(); }

    void inicializar() {
        std::fill(cuenta_.begin(), cuenta_.end(), 0);
        std::fill(posicion_.begin(), posicion_.end(), -1);
        descubiertos_.clear();
        apuestas_.clear();
        const Mascara universo = (Mascara{1} << n_) - 1;
        const Mascara ultimo = universo & ~((Mascara{1} << (n_ - kNumerosApuesta)) - 1);
        for (Mascara d = (Mascara{1} << kNumerosApuesta) - 1;; d = siguienteMismoPeso(d)) {
            meterDescubierto(d);
            if (d == ultimo) break;
        }
    }

    // Greedy completion of the current design.
    void voraz() {
        std::vector<Mascara> candidatas;
        while (!descubiertos_.empty()) {
            // Candidates: every bet that covers one particular uncovered draw (the smallest one,
            // so the result does not depend on the order of the uncovered list).
            Mascara objetivo = *std::min_element(descubiertos_.begin(), descubiertos_.end());
            bola(objetivo, candidatas);
            Mascara mejor = objetivo;
            long long mejorValor = -1;
            for (const Mascara c : candidatas) {
                const long long v = valorNuevo(c);
                if (v > mejorValor || (v == mejorValor && c < mejor)) {
                    mejorValor = v;
                    mejor = c;
                }
            }
            anadirApuesta(mejor);
        }
    }

    // Removes the bet whose loss uncovers fewest draws (ties: the last such bet).
    void quitarMenosUtil() {
        std::size_t peor = 0;
        long long peorValor = -1;
        for (std::size_t i = 0; i < apuestas_.size(); ++i) {
            const long long v = valorUnico(apuestas_[i]);
            if (peorValor < 0 || v <= peorValor) {
                peorValor = v;
                peor = i;
            }
        }
        quitarApuesta(peor);
    }

    // Weighted local search on the current number of bets: every step covers one random
    // uncovered draw with the best non-tabu swap (weighted cost), then the weight of every draw
    // still uncovered grows by one, so draws that stay uncovered become expensive.
    bool ponderada(std::uint64_t iteraciones, std::uint32_t tenencia) {
        const int K = static_cast<int>(apuestas_.size());
        if (peso_.size() != cuenta_.size()) peso_.assign(cuenta_.size(), 1);
        std::fill(peso_.begin(), peso_.end(), 1);
        tabu_.assign(static_cast<std::size_t>(K) * 32, 0);
        for (std::uint64_t it = 1; it <= iteraciones; ++it) {
            if (descubiertos_.empty()) return true;
            const Mascara d =
                descubiertos_[rng_.menorQue(static_cast<std::uint32_t>(descubiertos_.size()))];
            long long mejor = 0;
            std::uint32_t empates = 0;
            std::uint32_t mi = 0;
            int mx = -1;
            int my = -1;
            for (int i = 0; i < K; ++i) {
                const Mascara b = apuestas_[static_cast<std::size_t>(i)];
                if (std::popcount(b & d) != t_ - 1) continue;
                for (Mascara salen = b & ~d; salen; salen &= salen - 1) {
                    const int x = std::countr_zero(salen);
                    for (Mascara entran = d & ~b; entran; entran &= entran - 1) {
                        const int y = std::countr_zero(entran);
                        if (tabu_[static_cast<std::size_t>(i) * 32 + static_cast<std::size_t>(y)] >
                            it)
                            continue;
                        const long long delta = evaluarPonderado(b, x, y);
                        if (mx < 0 || delta < mejor) {
                            mejor = delta;
                            empates = 1;
                            mi = static_cast<std::uint32_t>(i);
                            mx = x;
                            my = y;
                        } else if (delta == mejor && rng_.menorQue(++empates) == 0) {
                            mi = static_cast<std::uint32_t>(i);
                            mx = x;
                            my = y;
                        }
                    }
                }
            }
            if (mx < 0) {
                // No bet is one swap away from this draw: move a random number of a random bet
                // towards it.
                mi = rng_.menorQue(static_cast<std::uint32_t>(K));
                const Mascara b = apuestas_[mi];
                const Mascara salen = b & ~d;
                const Mascara entran = d & ~b;
                mx = bitNumero(salen,
                               rng_.menorQue(static_cast<std::uint32_t>(std::popcount(salen))));
                my = bitNumero(entran,
                               rng_.menorQue(static_cast<std::uint32_t>(std::popcount(entran))));
            }
            aplicarCambio(mi, mx, my);
            tabu_[static_cast<std::size_t>(mi) * 32 + static_cast<std::size_t>(mx)] = it + tenencia;
            for (const Mascara u : descubiertos_) ++peso_[u];
        }
        return descubiertos_.empty();
    }

    void quitarAlAzar() {
        quitarApuesta(rng_.menorQue(static_cast<std::uint32_t>(apuestas_.size())));
    }

    void fijarApuestas(const std::vector<Mascara>& nuevas) {
        inicializar();
        for (const Mascara b : nuevas) anadirApuesta(b);
    }

  private:
    void meterDescubierto(Mascara d) {
        posicion_[d] = static_cast<std::int32_t>(descubiertos_.size());
        descubiertos_.push_back(d);
    }

    void sacarDescubierto(Mascara d) {
        const std::int32_t p = posicion_[d];
        const Mascara ultimo = descubiertos_.back();
        descubiertos_[static_cast<std::size_t>(p)] = ultimo;
        posicion_[ultimo] = p;
        descubiertos_.pop_back();
        posicion_[d] = -1;
    }

    void incrementar(Mascara d) {
        if (cuenta_[d]++ == 0) sacarDescubierto(d);
    }

    void decrementar(Mascara d) {
        if (--cuenta_[d] == 0) meterDescubierto(d);
    }

    // All draws that meet bet b in at least t numbers.
    void bola(Mascara b, std::vector<Mascara>& salida) const {
        salida.clear();
        std::array<int, 32> dentro{};
        std::array<int, 32> fuera{};
        const int nd = elementosDe(b, dentro.data());
        const int nf = elementosDe(((Mascara{1} << n_) - 1) & ~b, fuera.data());
        std::vector<Mascara> a;
        std::vector<Mascara> c;
        for (int j = t_; j <= kNumerosApuesta; ++j) {
            subconjuntos(dentro.data(), nd, j, a);
            subconjuntos(fuera.data(), nf, kNumerosApuesta - j, c);
            for (const Mascara x : a)
                for (const Mascara z : c) salida.push_back(x | z);
        }
    }

    long long valorNuevo(Mascara b) {
        bola(b, tmp_);
        long long v = 0;
        for (const Mascara d : tmp_) v += (cuenta_[d] == 0);
        return v;
    }

    long long valorUnico(Mascara b) {
        bola(b, tmp_);
        long long v = 0;
        for (const Mascara d : tmp_) v += (cuenta_[d] == 1);
        return v;
    }

    void anadirApuesta(Mascara b) {
        apuestas_.push_back(b);
        bola(b, tmp_);
        for (const Mascara d : tmp_) incrementar(d);
    }

    void quitarApuesta(std::size_t i) {
        bola(apuestas_[i], tmp_);
        for (const Mascara d : tmp_) decrementar(d);
        apuestas_[i] = apuestas_.back();
        apuestas_.pop_back();
    }

    // Prepares the draws whose coverage changes when number x of bet b is replaced by y: they are
    // S1|S2 plus x (covered by b, not by the new bet) or plus y (the reverse), with S1 a
    // (t-1)-subset of b-{x} and S2 a (6-t)-subset of the numbers outside b and y.
    void prepararCambio(Mascara b, int x, int y) {
        std::array<int, 32> dentro{};
        std::array<int, 32> fuera{};
        const int nd = elementosDe(b & ~(Mascara{1} << x), dentro.data());
        const int nf =
            elementosDe(((Mascara{1} << n_) - 1) & ~b & ~(Mascara{1} << y), fuera.data());
        subconjuntos(dentro.data(), nd, t_ - 1, s1_);
        subconjuntos(fuera.data(), nf, kNumerosApuesta - t_, s2_);
    }

    long long evaluarPonderado(Mascara b, int x, int y) {
        prepararCambio(b, x, y);
        const Mascara bx = Mascara{1} << x;
        const Mascara by = Mascara{1} << y;
        long long delta = 0;
        for (const Mascara a : s1_) {
            for (const Mascara c : s2_) {
                const Mascara m = a | c;
                if (cuenta_[m | bx] == 1) delta += peso_[m | bx];
                if (cuenta_[m | by] == 0) delta -= peso_[m | by];
            }
        }
        return delta;
    }

    void aplicarCambio(std::uint32_t i, int x, int y) {
        const Mascara b = apuestas_[i];
        prepararCambio(b, x, y);
        const Mascara bx = Mascara{1} << x;
        const Mascara by = Mascara{1} << y;
        for (const Mascara a : s1_) {
            for (const Mascara c : s2_) {
                const Mascara m = a | c;
                decrementar(m | bx);
                incrementar(m | by);
            }
        }
        apuestas_[i] = (b & ~bx) | by;
    }

    int n_;
    int t_;
    Aleatorio rng_;
    std::vector<std::uint16_t> cuenta_;   // bets covering each draw, indexed by mask
    std::vector<std::int32_t> posicion_;  // index in descubiertos_, or -1
    std::vector<Mascara> descubiertos_;   // draws no bet covers yet
    std::vector<Mascara> apuestas_;
    std::vector<Mascara> tmp_;
    std::vector<Mascara> s1_;
    std::vector<Mascara> s2_;
    std::vector<std::uint32_t> peso_;
    std::vector<std::uint64_t> tabu_;
};

// ---------------------------------------------------------------------------------------------
// Cells, seeds and budgets.
// ---------------------------------------------------------------------------------------------
struct Celda {
    int n;
    int t;
};

// A single bet already guarantees t when two 6-sets of 1..N always share t numbers: 12 - N >= t.
bool esTrivial(int n, int t) {
    return 2 * kNumerosApuesta - n >= t;
}

// Seed of a cell: fixed, documented in docs/tablas-reducidas.md.
std::uint64_t semillaDe(int n, int t) {
    return 20240000ULL + 100ULL * static_cast<std::uint64_t>(n) + static_cast<std::uint64_t>(t);
}

// Iterations of the weighted search allowed for each K (times --factor) and tabu tenure.
std::uint64_t iteracionesPorNivel(int t, double factor) {
    const std::uint64_t base = (t == 5) ? 1'000'000ULL : (t == 4 ? 375'000ULL : 100'000ULL);
    return static_cast<std::uint64_t>(static_cast<double>(base) * factor);
}
constexpr std::uint32_t kTenenciaTabu = 3;

struct Resultado {
    Celda celda;
    std::vector<Mascara> apuestas;  // empty: no table within kMaxApuestas
    double segundos = 0;
    long long verificacion = -1;
};

Resultado resolver(const Celda& c, double factor, int limite) {
    const auto inicio = std::chrono::steady_clock::now();
    Resultado r{c, {}, 0, -1};
    Buscador b(c.n, c.t, semillaDe(c.n, c.t));
    const std::uint64_t iteraciones = iteracionesPorNivel(c.t, factor);
    b.inicializar();
    b.voraz();
    std::vector<Mascara> mejor = b.apuestas();
    // If the greedy design is too big, cut it straight down to the limit and repair it there.
    if (static_cast<int>(mejor.size()) > limite) {
        while (static_cast<int>(b.apuestas().size()) > limite) b.quitarMenosUtil();
        if (b.ponderada(iteraciones, kTenenciaTabu))
            mejor = b.apuestas();
        else
            mejor.clear();
    }
    // Descent: one bet fewer each time the repair succeeds. A failed level gets one more
    // chance, starting again from the last valid design without a bet chosen at random.
    while (mejor.size() > 1) {
        b.quitarMenosUtil();
        if (b.ponderada(iteraciones, kTenenciaTabu)) {
            mejor = b.apuestas();
            continue;
        }
        b.fijarApuestas(mejor);
        b.quitarAlAzar();
        if (!b.ponderada(iteraciones, kTenenciaTabu)) break;
        mejor = b.apuestas();
    }
    std::sort(mejor.begin(), mejor.end(), [](Mascara a, Mascara z) {
        // Lexicographic order of the printed line = order of the sorted positions.
        std::array<int, 32> ea{};
        std::array<int, 32> ez{};
        elementosDe(a, ea.data());
        elementosDe(z, ez.data());
        return std::lexicographical_compare(ea.begin(), ea.begin() + kNumerosApuesta, ez.begin(),
                                            ez.begin() + kNumerosApuesta);
    });
    r.apuestas = mejor;
    r.verificacion = mejor.empty() ? -1 : sorteosSinPremio(c.n, c.t, mejor);
    r.segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    return r;
}

// ---------------------------------------------------------------------------------------------
// File format.
// ---------------------------------------------------------------------------------------------
std::string textoTabla(int n, int t, const std::vector<Mascara>& apuestas) {
    std::string s;
    s += std::to_string(n) + "\r\n";
    s += std::to_string(t) + " aciertos en al menos una de sus\r\n";
    s += std::to_string(apuestas.size()) + "\r\n";
    for (const Mascara b : apuestas) {
        std::array<int, 32> e{};
        elementosDe(b, e.data());
        for (int q = 0; q < kNumerosApuesta; ++q) {
            const int v = e[static_cast<std::size_t>(q)] + 1;
            s += static_cast<char>('0' + v / 10);
            s += static_cast<char>('0' + v % 10);
        }
        s += "\r\n";
    }
    return s;
}

struct TablaLeida {
    int n = 0;
    int t = 0;
    std::vector<Mascara> apuestas;
};

// Reads a tablas.bin; false (with a message) if the format is not exactly ours.
bool leerTablas(const std::string& ruta, std::vector<TablaLeida>& tablas, std::string& error) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) {
        error = "no se puede abrir " + ruta;
        return false;
    }
    std::stringstream ss;
    ss << f.rdbuf();
    const std::string datos = ss.str();
    std::vector<std::string> lineas;
    std::size_t pos = 0;
    while (pos < datos.size()) {
        const std::size_t fin = datos.find("\r\n", pos);
        if (fin == std::string::npos) {
            error = "la última línea no termina en CR LF";
            return false;
        }
        lineas.push_back(datos.substr(pos, fin - pos));
        pos = fin + 2;
    }
    auto entero = [](const std::string& s, int& v) {
        if (s.empty() || s.size() > 4) return false;
        v = 0;
        for (const char ch : s) {
            if (ch < '0' || ch > '9') return false;
            v = v * 10 + (ch - '0');
        }
        return true;
    };
    std::size_t i = 0;
    while (i < lineas.size()) {
        TablaLeida tabla;
        int k = 0;
        if (i + 3 > lineas.size() || !entero(lineas[i], tabla.n) || tabla.n < kNMin ||
            tabla.n > kNMax) {
            error = "línea " + std::to_string(i + 1) + ": se esperaba N";
            return false;
        }
        const std::string& l2 = lineas[i + 1];
        const std::string texto = " aciertos en al menos una de sus";
        if (l2.size() != 1 + texto.size() || l2[0] < '1' || l2[0] > '6' || l2.substr(1) != texto) {
            error = "línea " + std::to_string(i + 2) + ": texto de garantía inesperado";
            return false;
        }
        tabla.t = l2[0] - '0';
        if (!entero(lineas[i + 2], k) || k < 1) {
            error = "línea " + std::to_string(i + 3) + ": se esperaba K";
            return false;
        }
        i += 3;
        if (i + static_cast<std::size_t>(k) > lineas.size()) {
            error = "faltan apuestas en la tabla de " + std::to_string(tabla.n);
            return false;
        }
        for (int j = 0; j < k; ++j, ++i) {
            const std::string& l = lineas[i];
            if (l.size() != 12) {
                error = "línea " + std::to_string(i + 1) + ": apuesta mal formada";
                return false;
            }
            Mascara m = 0;
            int anterior = 0;
            for (int q = 0; q < kNumerosApuesta; ++q) {
                int v = 0;
                if (!entero(l.substr(static_cast<std::size_t>(2 * q), 2), v) || v <= anterior ||
                    v > tabla.n) {
                    error = "línea " + std::to_string(i + 1) + ": apuesta mal formada";
                    return false;
                }
                anterior = v;
                m |= Mascara{1} << (v - 1);
            }
            tabla.apuestas.push_back(m);
        }
        tablas.push_back(std::move(tabla));
    }
    return true;
}

// The checker must be able to say no: a single bet on 9 numbers does not guarantee 4
// (draw {7,8,9,1,2,3} meets {1..6} in 3), while these three bets do.
bool autocomprobacion() {
    const std::vector<Mascara> una = {0b000111111};
    const std::vector<Mascara> tres = {0b000111111, 0b111000111, 0b111111000};
    const std::vector<Mascara> repetida = {0b000111111, 0b000111111};
    return sorteosSinPremio(9, 4, una) > 0 && sorteosSinPremio(9, 4, tres) == 0 &&
           sorteosSinPremio(9, 4, repetida) < 0 && sorteosSinPremio(8, 5, una) > 0;
}

void uso() {
    std::cerr
        << "Uso: herramienta_reducidas [opciones]\n"
           "  --salida RUTA       fichero a escribir (por defecto data/tablas.bin)\n"
           "  --celdas LISTA      solo estas celdas, p. ej. 14:5,20:3 (escribe solo esas tablas)\n"
           "  --factor X          multiplica los presupuestos de iteraciones (por defecto 1)\n"
           "  --hilos H           celdas en paralelo (por defecto 1; el resultado no cambia)\n"
           "  --comprobar RUTA    solo comprueba un tablas.bin existente y termina\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::string salida = "data/tablas.bin";
    std::string comprobar;
    std::vector<Celda> celdas;
    double factor = 1.0;
    int hilos = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto valor = [&]() -> std::string {
            if (i + 1 >= argc) {
                uso();
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--salida") {
            salida = valor();
        } else if (a == "--factor") {
            factor = std::atof(valor().c_str());
            if (!(factor > 0)) {
                uso();
                return 2;
            }
        } else if (a == "--hilos") {
            hilos = std::max(1, std::atoi(valor().c_str()));
        } else if (a == "--comprobar") {
            comprobar = valor();
        } else if (a == "--celdas") {
            std::stringstream ss(valor());
            std::string item;
            while (std::getline(ss, item, ',')) {
                int n = 0;
                int t = 0;
                if (std::sscanf(item.c_str(), "%d:%d", &n, &t) != 2 || n < kNMin || n > kNMax ||
                    t < 3 || t > 5) {
                    std::cerr << "celda no válida: " << item << "\n";
                    return 2;
                }
                celdas.push_back({n, t});
            }
        } else {
            uso();
            return 2;
        }
    }

    if (!autocomprobacion()) {
        std::cerr << "ERROR: la comprobación exhaustiva no distingue tablas buenas de malas\n";
        return 1;
    }

    if (!comprobar.empty()) {
        std::vector<TablaLeida> tablas;
        std::string error;
        if (!leerTablas(comprobar, tablas, error)) {
            std::cerr << "ERROR: " << comprobar << ": " << error << "\n";
            return 1;
        }
        bool bien = true;
        for (std::size_t i = 0; i < tablas.size(); ++i) {
            const TablaLeida& tb = tablas[i];
            const long long f = sorteosSinPremio(tb.n, tb.t, tb.apuestas);
            std::printf("N=%2d t=%d K=%3zu %s\n", tb.n, tb.t, tb.apuestas.size(),
                        f == 0 ? "correcta" : "ROTA");
            if (f != 0) bien = false;
            if (i > 0 &&
                (tablas[i - 1].n > tb.n || (tablas[i - 1].n == tb.n && tablas[i - 1].t <= tb.t))) {
                std::printf("  fuera de orden\n");
                bien = false;
            }
        }
        std::printf("%zu tablas, %s\n", tablas.size(), bien ? "todas correctas" : "HAY ERRORES");
        return bien ? 0 : 1;
    }

    if (celdas.empty()) {
        for (int n = kNMin; n <= kNMax; ++n)
            for (int t = 5; t >= 3; --t)
                if (!esTrivial(n, t)) celdas.push_back({n, t});
    }
    std::sort(celdas.begin(), celdas.end(),
              [](const Celda& a, const Celda& b) { return a.n != b.n ? a.n < b.n : a.t > b.t; });
    celdas.erase(
        std::unique(celdas.begin(), celdas.end(),
                    [](const Celda& a, const Celda& b) { return a.n == b.n && a.t == b.t; }),
        celdas.end());

    const auto inicio = std::chrono::steady_clock::now();
    std::vector<Resultado> resultados(celdas.size());
    std::mutex salidaMutex;
    std::size_t siguiente = 0;
    auto trabajador = [&]() {
        while (true) {
            std::size_t i;
            {
                std::lock_guard<std::mutex> l(salidaMutex);
                if (siguiente >= celdas.size()) return;
                i = siguiente++;
            }
            Resultado r = resolver(celdas[i], factor, kMaxApuestas);
            {
                std::lock_guard<std::mutex> l(salidaMutex);
                if (r.apuestas.empty())
                    std::printf("N=%2d t=%d K>%d (se omite) %8.1f s\n", r.celda.n, r.celda.t,
                                kMaxApuestas, r.segundos);
                else
                    std::printf("N=%2d t=%d K=%3zu %8.1f s%s\n", r.celda.n, r.celda.t,
                                r.apuestas.size(), r.segundos, r.verificacion == 0 ? "" : "  ROTA");
                std::fflush(stdout);
            }
            resultados[i] = std::move(r);
        }
    };
    if (hilos <= 1) {
        trabajador();
    } else {
        std::vector<std::thread> grupo;
        for (int h = 0; h < hilos; ++h) grupo.emplace_back(trabajador);
        for (auto& th : grupo) th.join();
    }

    std::string contenido;
    for (const Resultado& r : resultados) {
        if (r.apuestas.empty()) continue;
        // Independent exhaustive check, again, right before writing.
        if (sorteosSinPremio(r.celda.n, r.celda.t, r.apuestas) != 0) {
            std::fprintf(
                stderr,
                "ERROR: la tabla de %d números al %d no pasa la comprobación; no se escribe nada\n",
                r.celda.n, r.celda.t);
            return 1;
        }
        if (static_cast<int>(r.apuestas.size()) > kMaxApuestas) continue;
        contenido += textoTabla(r.celda.n, r.celda.t, r.apuestas);
    }
    std::ofstream f(salida, std::ios::binary | std::ios::trunc);
    if (!f) {
        std::cerr << "ERROR: no se puede escribir " << salida << "\n";
        return 1;
    }
    f << contenido;
    f.close();
    if (!f) {
        std::cerr << "ERROR: fallo al escribir " << salida << "\n";
        return 1;
    }
    const double total =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    std::printf("Escrito %s (%zu bytes) en %.1f s\n", salida.c_str(), contenido.size(), total);
    return 0;
}
