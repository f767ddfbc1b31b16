// The money of a syndicate: the amounts read from the operator's breakdowns, and what each
// syndicate won, spent and still waits for, against the real entry of 17/08/2017 and against
// brute force over real draws.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <functional>
#include <set>

#include "checking/comprobacion.h"
#include "checking/premios_nuevos.h"
#include "core/fechas.h"
#include "results/escrutinio.h"
#include "support/documento_real.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

TEST(Importes, LaEntradaRealPagaSuSegundaYSuQuintaCategoria) {
    const struct {
        const char* texto;
        int categoria;
    } textos[] = {{"Especial (6 Aciertos + R) ", 0}, {"3ª (5 ACIERTOS)", 5}, {"Reintegro", 0}};
    for (const auto& t : textos)
        EXPECT_EQ(CategoriaDeTexto(QString::fromUtf8(t.texto)), t.categoria) << t.texto;

    const std::vector<EscrutinioSorteo> e =
        LeerEscrutinios("\"[" + pruebas::EntradaReal20170817() + "]\"\r\n");
    ASSERT_EQ(e.size(), 1u);
    const QDate dia(2017, 8, 17);
    EXPECT_EQ(e[0].Fecha, dia);
    PremiosGuardados premios;
    QStringList leidas;
    for (const CategoriaEscrutada& c : e[0].Categorias) {
        premios[dia][static_cast<size_t>(c.Categoria - 3)] = c.Premio;
        leidas << QStringLiteral("%1 %2 %3 %4×%5")
                      .arg(c.Categoria)
                      .arg(c.Numero)
                      .arg(c.Texto)
                      .arg(c.Premio.Centimos)
                      .arg(c.Premio.Ganadores);
    }
    // The 2ª is the service's category 3: matched by its text, never by its number.
    EXPECT_EQ(leidas,
              QStringList({"6 2 1ª (6 Aciertos) 0×0", "7 3 2ª (5 Aciertos + C) 3455498×6",
                           "5 4 3ª (5 Aciertos) 242819×185", "4 5 4ª (4 Aciertos) 7754×9358",
                           "3 6 5ª (3 Aciertos) 800×184746"}));

    // 08 17 19 45 48 49, C 43: a line of 5 + C wins the 2ª, one of 3 hits the 5ª; the 6 hits
    // paid nobody, so a line of six would still wait for its amount.
    const Pena pena = pruebas::PenaSencilla(
        "Bar", {{8, 17, 19, 45, 48, 43}, {8, 17, 19, 1, 2, 3}, {8, 17, 19, 45, 48, 49}},
        QStringLiteral("Jueves"), QDate(2017, 8, 1));
    const std::vector<ImportesPena> r = CalcularImportes(
        {pruebas::UnSorteo(dia, {8, 17, 19, 45, 48, 49}, 43, 2)}, {pena}, premios, 1.5f);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].Ganado, 3455498 + 800);
    EXPECT_EQ(r[0].Pendientes, 1);
    // The draw deleted, its amounts go with it though the store keeps them.
    EXPECT_EQ(CalcularImportes({}, {pena}, premios, 1.5f)[0].Ganado, 0);
}

std::vector<int> Distintos(QRandomGenerator& azar, int n) {
    std::set<int> s;
    while (static_cast<int>(s.size()) < n) s.insert(azar.bounded(1, 50));
    std::vector<int> v(s.begin(), s.end());
    std::shuffle(v.begin(), v.end(), azar);
    return v;
}

// Random breakdowns of `sorteos`: random amounts (some above 40.000 €), some categories of no
// winners, some draws with none held.
PremiosGuardados PremiosAlAzar(QRandomGenerator& azar, const std::vector<Sorteo>& sorteos) {
    PremiosGuardados premios;
    for (const Sorteo& s : sorteos) {
        if (azar.bounded(10) == 0) continue;  // no breakdown held
        PremiosSorteo& p = premios[OleAFecha(s.Fecha)];
        for (auto& c : p)
            if (azar.bounded(8) != 0)
                c = PremioCategoria{azar.bounded(1, 9000000), azar.bounded(4) == 0 ? 0 : 3};
    }
    return premios;
}

// Random simple (i % 3 == 0), multiple (1) and reduced (2) syndicates, starting on a draw of
// `sorteos`, on every choice of days.
std::vector<Pena> PenasAlAzar(QRandomGenerator& azar, const std::vector<Sorteo>& sorteos, int n) {
    const char* const dias[] = {"Todos (L+J+S)", "Jueves", "Sábado", "Lunes", "Jueves y Sábado"};
    std::vector<Pena> penas;
    for (int i = 0; i < n; ++i) {
        Pena p = pruebas::PenaSencilla(
            QStringLiteral("P%1").arg(i), {{1, 2, 3, 4, 5, 6}}, QString::fromUtf8(dias[i % 5]),
            OleAFecha(sorteos[static_cast<size_t>(azar.bounded(static_cast<int>(sorteos.size())))]
                          .Fecha));
        if (i % 3 == 1) {  // a multiple
            p.NumApuestas = static_cast<int16_t>(501 + azar.bounded(6));
            const std::vector<int> n = Distintos(azar, 11);
            for (int c = 0; c < 11; ++c) p.Apuestas[0].Columnas[c] = static_cast<int16_t>(n[c]);
        } else {  // simple lines, or a reduced system's lines out of its base numbers
            const std::vector<int> base = Distintos(azar, i % 3 == 2 ? 9 : 49);
            if (i % 3 == 2) {
                p.ReducidaNumeros = 9;
                p.ReducidaGarantia = 4;
                for (int c = 0; c < 9; ++c) p.Base[c] = static_cast<int16_t>(base[c]);
            }
            p.NumApuestas = static_cast<int16_t>(azar.bounded(1, 40));
            for (int l = 0; l < p.NumApuestas; ++l) {
                std::vector<int> b = base;
                std::shuffle(b.begin(), b.end(), azar);
                for (int c = 0; c < 6; ++c) p.Apuestas[l].Columnas[c] = static_cast<int16_t>(b[c]);
            }
        }
        penas.push_back(p);
    }
    return penas;
}

// Random simple, multiple and reduced syndicates over the last 300 real draws, whose categories
// paid random amounts.
TEST(Importes, GanadoGastadoYPendientesPorFuerzaBruta) {
    QRandomGenerator azar(20261207);
    const std::vector<Sorteo>& historia = pruebas::Historia();
    const std::vector<Sorteo> sorteos(historia.end() - 300, historia.end());
    const PremiosGuardados premios = PremiosAlAzar(azar, sorteos);
    const std::vector<Pena> penas = PenasAlAzar(azar, sorteos, 30);
    const float precio = 1.25f;
    const std::vector<ImportesPena> r = CalcularImportes(sorteos, penas, premios, precio);
    ASSERT_EQ(r.size(), penas.size());
    int conNeto = 0, conPendientes = 0;
    for (size_t i = 0; i < penas.size(); ++i) {
        const Pena& p = penas[i];
        ImportesPena e;
        for (const Sorteo& s : sorteos) {
            if (!pruebas::JuegaAMano(p, s)) continue;
            ++e.Sorteos;
            const auto d = premios.find(OleAFecha(s.Fecha));
            for (const auto& [cat, n] : pruebas::ContarAMano(p, {s})) {
                const auto& c = d == premios.end() ? std::nullopt : d->second[cat - 3];
                if (!c || c->Ganadores == 0) {
                    e.Pendientes += n;
                } else {
                    e.Ganado += n * c->Centimos;
                    e.GanadoNeto +=
                        n * (c->Centimos -
                             (std::max<int64_t>(c->Centimos - 4000000, 0) * 20 + 50) / 100);
                }
            }
        }
        e.Gastado = static_cast<int64_t>(pruebas::Expandir(p).size()) * 125 * e.Sorteos;
        SCOPED_TRACE(p.NumApuestas);
        EXPECT_EQ(r[i].Sorteos, e.Sorteos);
        EXPECT_EQ(r[i].Ganado, e.Ganado);
        EXPECT_EQ(r[i].GanadoNeto, e.GanadoNeto);
        EXPECT_EQ(r[i].Pendientes, e.Pendientes);
        EXPECT_EQ(r[i].Gastado, e.Gastado);
        // Draw by draw, the same money.
        const std::vector<SorteoJugado> jugados = SorteosJugados(sorteos, p, premios);
        EXPECT_EQ(static_cast<int>(jugados.size()), e.Sorteos);
        int64_t ganado = 0;
        int pendientes = 0;
        for (const SorteoJugado& j : jugados) {
            ganado += j.Ganado;
            pendientes += j.Pendientes;
        }
        EXPECT_EQ(ganado, e.Ganado);
        EXPECT_EQ(pendientes, e.Pendientes);
        conNeto += e.GanadoNeto < e.Ganado;
        conPendientes += e.Pendientes > 0;
    }
    // The cases were met: prizes taxed, prizes waiting.
    EXPECT_GT(conNeto, 0);
    EXPECT_GT(conPendientes, 0);
}

// The record kept between readings of the files, carried through what a user does over months
// (downloads, amounts arriving, a new price, draws deleted, syndicates edited, renamed, removed,
// added, dated back, a missing draw put in its place), gives at every step what a fresh count of
// everything gives (itself checked by brute force above).
TEST(Importes, LoGuardadoEntreLecturasDaLoMismoQueContarloTodoDeNuevo) {
    QRandomGenerator azar(7122026);
    const std::vector<Sorteo>& historia = pruebas::Historia();
    const std::vector<Sorteo> todos(historia.end() - 400, historia.end());
    PremiosGuardados premios = PremiosAlAzar(azar, todos);
    std::vector<Pena> penas = PenasAlAzar(azar, todos, 24);
    std::vector<Sorteo> sorteos(todos.begin(), todos.begin() + 200);
    float precio = 1.0f;
    PremiosDeLasPenas guardado;
    const auto primeros = [&](size_t n) {
        return std::vector<Sorteo>(todos.begin(), todos.begin() + static_cast<std::ptrdiff_t>(n));
    };
    const auto importe = [&](size_t d) -> PremiosSorteo& {
        return premios[OleAFecha(todos[d].Fecha)];
    };

    const std::vector<std::pair<const char*, std::function<void()>>> pasos = {
        {"la primera lectura", [] {}},
        {"una descarga de 50 sorteos", [&] { sorteos = primeros(250); }},
        {"una descarga de ninguno", [] {}},
        {"llegan importes pendientes, cambia uno viejo y se pierde otro",
         [&] {
             for (size_t d = 230; d < 250; ++d)
                 for (auto& c : importe(d)) c = PremioCategoria{azar.bounded(1, 9000000), 2};
             importe(10)[0] = PremioCategoria{123, 4};
             premios.erase(OleAFecha(todos[20].Fecha));
         }},
        {"un precio nuevo", [&] { precio = 1.5f; }},
        {"se borran los 10 sorteos más nuevos", [&] { sorteos = primeros(240); }},
        {"y se bajan otra vez con 60 más", [&] { sorteos = primeros(300); }},
        {"una peña cambia una línea y otra de nombre y contadores",
         [&] {
             std::swap(penas[0].Apuestas[0].Columnas[0], penas[0].Apuestas[0].Columnas[6]);
             penas[3].Nombre = QStringLiteral("Otra");
             penas[3].Aciertos[3] = 99;
             penas[3].FechaComprobado = todos[299].Fecha;
         }},
        {"se borra una peña y otra se mueve",
         [&] {
             penas.erase(penas.begin() + 5);
             std::swap(penas[1], penas[10]);
         }},
        {"una peña nueva igual a otra, y una fechada más atrás",
         [&] {
             penas.push_back(penas[2]);
             penas[4].FechaCreacion = todos[0].Fecha;
         }},
        {"se borra un sorteo de en medio", [&] { sorteos.erase(sorteos.begin() + 100); }},
        {"y vuelve a su sitio", [&] { sorteos = primeros(300); }},
        {"la última descarga", [&] { sorteos = primeros(400); }},
        {"se borran todos los sorteos", [&] { sorteos.clear(); }},
        {"y se cargan otra vez", [&] { sorteos = primeros(400); }},
    };
    for (const auto& [paso, hacer] : pasos) {
        SCOPED_TRACE(paso);
        hacer();
        guardado.Poner(sorteos, penas);
        const std::vector<ImportesPena> r = guardado.Importes(premios, precio);
        const std::vector<ImportesPena> e = CalcularImportes(sorteos, penas, premios, precio);
        ASSERT_EQ(r.size(), e.size());
        for (size_t i = 0; i < r.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(r[i].Sorteos, e[i].Sorteos);
            EXPECT_EQ(r[i].Ganado, e[i].Ganado);
            EXPECT_EQ(r[i].GanadoNeto, e[i].GanadoNeto);
            EXPECT_EQ(r[i].Pendientes, e[i].Pendientes);
            EXPECT_EQ(r[i].Gastado, e[i].Gastado);
        }
    }
}

// What the desktop's notification says of a new prize: the euros when all are known, the
// categories while some amount is pending.
TEST(Importes, ElAvisoDeUnPremioNuevo) {
    const Sorteo s = pruebas::UnSorteo(QDate(2026, 12, 5));
    const struct {
        std::array<int, 5> premios;
        int64_t ganado;
        int pendientes;
        const char* texto;
    } casos[] = {
        {{1, 0, 0, 0, 0},
         800,
         0,
         "La peña «Bar» ha ganado 8,00 € en el sorteo del sábado 5 de diciembre"},
        {{2, 1, 0, 0, 0},
         1600,
         1,
         "La peña «Bar» ha ganado 2 premios de 3 aciertos y 1 de 4 aciertos en el sorteo del "
         "sábado 5 de diciembre"},
        {{0, 1, 0, 0, 1},
         0,
         2,
         "La peña «Bar» ha ganado 1 premio de 4 aciertos y 1 de 5 aciertos + complementario en "
         "el sorteo del sábado 5 de diciembre"},
        {{3, 1, 1, 1, 1},
         0,
         7,
         "La peña «Bar» ha ganado 3 premios de 3 aciertos, 1 de 4 aciertos, 1 de 5 aciertos, 1 "
         "de 5 aciertos + complementario y 1 de 6 aciertos en el sorteo del sábado 5 de "
         "diciembre"},
    };
    for (const auto& c : casos) {
        PremioNuevo p{QStringLiteral("Bar"), SorteoJugado{s, c.premios, c.ganado, c.pendientes}};
        EXPECT_EQ(TextoPremioNuevo(p), QString::fromUtf8(c.texto));
    }
}

}  // namespace
}  // namespace tombolin
