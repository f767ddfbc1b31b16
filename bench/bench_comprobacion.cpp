// The prize check over the whole draw history: 20 simple syndicates of 205 lines, 5 reduced
// ones and 6 multiples of each code, all playing every draw.
//
//   build/bench/bench_comprobacion
//
// Before the Google Benchmark figures it prints the full-history times side by side (median of
// several runs), their ratios, and the peak memory a full check adds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "checking/aciertos.h"
#include "checking/comprobacion.h"
#include "core/fechas.h"
#include "core/juego.h"
#include "core/sorteos.h"
#include "core/tablas.h"
#include "lists/lista_resultados.h"
#include "ui/resultados/modelo_resultados.h"

namespace tombolin {
namespace {

std::vector<Sorteo> Historico() {
    return LeerSorteosDe(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/historico/numeros.dat"));
}

Pena Nueva(const QString& nombre) {
    Pena p;
    p.Nombre = nombre.leftJustified(Pena::kAnchoNombre, QLatin1Char(' '), true);
    p.DiasJuego = QStringLiteral("Todos (L+J+S)  ");
    p.FechaCreacion = FechaAOle(QDate(1985, 1, 1));
    return p;
}

std::vector<Pena> Penas() {
    std::mt19937 azar(49);
    const auto seis = [&](std::vector<int> de) {
        std::shuffle(de.begin(), de.end(), azar);
        de.resize(6);
        std::sort(de.begin(), de.end());
        return de;
    };
    std::vector<int> todos(49);
    std::iota(todos.begin(), todos.end(), 1);
    std::vector<Pena> penas;
    for (int i = 0; i < 20; ++i) {
        Pena p = Nueva(QStringLiteral("Sencilla %1").arg(i));
        p.NumApuestas = 205;
        for (int l = 0; l < 205; ++l) {
            const auto n = seis(todos);
            for (int c = 0; c < 6; ++c) p.Apuestas[l].Columnas[c] = static_cast<int16_t>(n[c]);
        }
        penas.push_back(p);
    }
    // Reduced systems from the shipped tables, on random base numbers.
    FicheroTablas tablas;
    tablas.Cargar(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/tablas.bin"));
    for (int i = 0; i < 5; ++i) {
        const TablaReducida& t = tablas.Tablas()[i % tablas.Tablas().size()];
        std::vector<int> base = todos;
        std::shuffle(base.begin(), base.end(), azar);
        base.resize(t.CantidadNumeros);
        std::sort(base.begin(), base.end());
        Pena p = Nueva(QStringLiteral("Reducida %1").arg(i));
        p.ReducidaNumeros = static_cast<int16_t>(t.CantidadNumeros);
        p.ReducidaGarantia = static_cast<int16_t>(t.GarantiaNumero());
        p.NumApuestas = static_cast<int16_t>(t.CantidadApuestas);
        for (int l = 0; l < t.CantidadApuestas; ++l) {
            const auto n = AplicarLinea(t.Lineas[l], base);
            for (int c = 0; c < 6; ++c) p.Apuestas[l].Columnas[c] = static_cast<int16_t>(n[c]);
        }
        penas.push_back(p);
    }
    for (int codigo = 501; codigo <= 506; ++codigo) {
        for (int i = 0; i < 6; ++i) {
            Pena p = Nueva(QStringLiteral("Múltiple %1-%2").arg(codigo).arg(i));
            p.NumApuestas = static_cast<int16_t>(codigo);
            std::vector<int> n = todos;
            std::shuffle(n.begin(), n.end(), azar);
            for (int c = 0; c < cuantos(codigo); ++c)
                p.Apuestas[0].Columnas[c] = static_cast<int16_t>(n[c]);
            penas.push_back(p);
        }
    }
    return penas;
}

struct Datos {
    std::vector<Sorteo> sorteos = Historico();
    std::vector<Pena> penas = Penas();
    // As they stand once every draw has been counted: the usual case.
    std::vector<Pena> Comprobadas() const {
        std::vector<Pena> r = penas;
        for (Pena& p : r) p.FechaComprobado = sorteos.back().Fecha;
        return r;
    }
};

const Datos& D() {
    static const Datos d;
    return d;
}

// Every category of every draw paid somebody: each prize has its amount.
const PremiosGuardados& Premios() {
    static const PremiosGuardados p = [] {
        PremiosGuardados r;
        for (const Sorteo& s : D().sorteos) {
            PremiosSorteo& c = r[OleAFecha(s.Fecha)];
            for (size_t k = 0; k < c.size(); ++k)
                c[k] = PremioCategoria{static_cast<int64_t>(800 * (k + 1)), 1000};
        }
        return r;
    }();
    return p;
}

// A check, then both lists handed to their models and read at both ends: ready to scroll. With
// `premios`, the lists give each prize's amount.
size_t Comprobar(int n, bool soloPremios, std::vector<Pena> penas,
                 const PremiosGuardados* premios = nullptr) {
    OpcionesComprobacion o;
    o.SoloPremios = soloPremios;
    const Comprobacion c = ComprobarSencillas(D().sorteos, penas, n, o);
    ModeloResultados sencilla(false), multiple(true);
    ListaResultados ls(c.Sencilla), lm(c.Multiple);
    ls.PonerPremios(premios);
    lm.PonerPremios(premios);
    sencilla.Poner(std::move(ls));
    multiple.Poner(std::move(lm));
    size_t leido = 0;
    for (const ModeloResultados* m : {&sencilla, &multiple}) {
        if (m->rowCount() == 0) continue;
        leido += m->index(0, m->columnCount() - 1).data().toString().size();
        leido += m->index(m->rowCount() - 1, 1).data().toString().size();
    }
    return leido + static_cast<size_t>(c.Sencilla.Filas()) +
           static_cast<size_t>(c.Multiple.Filas());
}

// The floor: only the hits of every (draw, line) pair, as 64-bit masks.
uint64_t Suelo(int n) {
    static const std::vector<uint64_t> lineas = [] {
        std::vector<uint64_t> r;
        for (const Pena& p : D().penas) {
            const int numeros = NumerosPorLinea(p);
            const int total = LineasEnUso(p);
            for (int l = 0; l < total; ++l) {
                uint64_t m = 0;
                for (int c = 0; c < numeros; ++c) m |= uint64_t{1} << p.Apuestas[l].Columnas[c];
                r.push_back(m);
            }
        }
        return r;
    }();
    static const std::vector<uint64_t> sorteos = [] {
        std::vector<uint64_t> r;
        for (const Sorteo& s : D().sorteos) {
            uint64_t m = 0;
            for (int16_t x : s.Numeros) m |= uint64_t{1} << x;
            r.push_back(m);
        }
        return r;
    }();
    std::array<int64_t, 65> aciertos{};
    for (size_t d = sorteos.size() - n; d < sorteos.size(); ++d) {
        ContarAciertos(lineas.data(), static_cast<int>(lineas.size()), sorteos[d], aciertos);
    }
    return aciertos[3] + aciertos[4] + aciertos[5] + aciertos[6];
}

int Parte(const benchmark::State& estado) {
    return static_cast<int>(D().sorteos.size() * estado.range(0) / 4);
}

void BM_ComprobacionCompleta(benchmark::State& estado) {
    const std::vector<Pena> penas = D().Comprobadas();
    for (auto _ : estado) benchmark::DoNotOptimize(Comprobar(Parte(estado), false, penas));
    estado.counters["sorteos"] = Parte(estado);
}

// The same check as the window runs it after a download of the newest draw: the lists read each
// prize's amount, and every syndicate's money is brought up to date with that draw from the record
// of what each won, kept from before it. Taking the draw away again, to start the next round as
// before it, is timed too.
void BM_ComprobacionConImportes(benchmark::State& estado) {
    const std::vector<Pena> penas = D().Comprobadas();
    const std::vector<Sorteo> antes(D().sorteos.begin(), D().sorteos.end() - 1);
    PremiosDeLasPenas ganado;
    ganado.Poner(antes, penas);
    ganado.Importes(Premios(), 1.0f);
    for (auto _ : estado) {
        ganado.Poner(D().sorteos, penas);
        size_t r = Comprobar(Parte(estado), false, penas, &Premios());
        for (const ImportesPena& i : ganado.Importes(Premios(), 1.0f))
            r += static_cast<size_t>(i.Ganado);
        ganado.Poner(antes, penas);
        benchmark::DoNotOptimize(r);
    }
    estado.counters["sorteos"] = Parte(estado);
}

// Every syndicate's money worked out afresh over the whole history (won, pending, spent): a walk
// over every draw each syndicate played, like a first check. The window does it once, at start.
void BM_DineroDeLasPenas(benchmark::State& estado) {
    const std::vector<Pena> penas = D().Comprobadas();
    for (auto _ : estado)
        benchmark::DoNotOptimize(CalcularImportes(D().sorteos, penas, Premios(), 1.0f));
}

void BM_SoloPremios(benchmark::State& estado) {
    const std::vector<Pena> penas = D().Comprobadas();
    for (auto _ : estado) benchmark::DoNotOptimize(Comprobar(Parte(estado), true, penas));
    estado.counters["sorteos"] = Parte(estado);
}

void BM_Suelo(benchmark::State& estado) {
    for (auto _ : estado) benchmark::DoNotOptimize(Suelo(Parte(estado)));
    estado.counters["sorteos"] = Parte(estado);
}

// The very first check: every line of every draw is counted into the counters.
void BM_PrimeraComprobacion(benchmark::State& estado) {
    for (auto _ : estado) benchmark::DoNotOptimize(Comprobar(Parte(estado), false, D().penas));
    estado.counters["sorteos"] = Parte(estado);
}

// 1/4, 1/2 and all of the history.
BENCHMARK(BM_ComprobacionCompleta)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComprobacionConImportes)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DineroDeLasPenas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoloPremios)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Suelo)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrimeraComprobacion)->Arg(4)->Unit(benchmark::kMillisecond);

long MemoriaPicoKb() {
    std::ifstream f("/proc/self/status");
    std::string linea;
    while (std::getline(f, linea)) {
        if (linea.rfind("VmHWM:", 0) == 0) return std::stol(linea.substr(6));
    }
    return 0;
}

template <class F>
double MedianaMs(F f) {
    std::vector<double> t;
    for (int i = 0; i < 7; ++i) {
        const auto a = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(f());
        t.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - a)
                        .count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

void Resumen() {
    const int todos = static_cast<int>(D().sorteos.size());
    const std::vector<Pena> penas = D().Comprobadas();
    const long antes = MemoriaPicoKb();
    const size_t filas = Comprobar(todos, false, penas);
    const long despues = MemoriaPicoKb();
    const double completa = MedianaMs([&] { return Comprobar(todos, false, penas); });
    const double premios = MedianaMs([&] { return Comprobar(todos, true, penas); });
    const double suelo = MedianaMs([&] { return Suelo(todos); });
    const double primera = MedianaMs([&] { return Comprobar(todos, false, D().penas); });
    std::printf("Historia completa: %d sorteos, %zu peñas, %zu filas en las listas\n", todos,
                D().penas.size(), filas);
    std::printf("  comprobación completa      %8.1f ms\n", completa);
    std::printf("  sólo si hay premio         %8.1f ms  (%.2f veces el suelo)\n", premios,
                premios / suelo);
    std::printf("  suelo (aciertos con máscaras) %5.1f ms\n", suelo);
    std::printf("  primera comprobación (contando todo) %6.1f ms\n", primera);
    std::printf("  memoria de pico añadida por una comprobación completa: %.1f MB\n\n",
                (despues - antes) / 1024.0);
}

}  // namespace
}  // namespace tombolin

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    tombolin::Resumen();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
