// The draw history shipped with the program, read back through the program's own reader and
// checked against figures published by others.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <map>
#include <set>

#include "core/estado.h"
#include "core/fechas.h"
#include "core/sorteos.h"
#include "support/dobles.h"
#include "support/ficheros.h"

namespace tombolin {
namespace {

const QString kHistorico = QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/historico/numeros.dat");

const Sorteo* Buscar(const std::vector<Sorteo>& todos, QDate fecha) {
    for (const Sorteo& s : todos) {
        if (OleAFecha(s.Fecha) == fecha) return &s;
    }
    return nullptr;
}

TEST(Historico, SorteosConocidos) {
    const std::vector<Sorteo>& todos = pruebas::Historia();
    ASSERT_EQ(todos.size(), 4176u);
    EXPECT_EQ(OleAFecha(todos.front().Fecha), QDate(1985, 10, 17));
    EXPECT_EQ(OleAFecha(todos.back().Fecha), QDate(2026, 8, 17));

    const struct {
        QDate fecha;
        std::array<int16_t, 6> numeros;
        int c, r;
        double joker;
    } conocidos[] = {
        {QDate(1985, 10, 17), {3, 11, 13, 15, 34, 35}, 27, -1, -1},
        {QDate(1991, 6, 15), {23, 27, 32, 36, 39, 42}, 18, -1, -1},    // the last without reintegro
        {QDate(1991, 6, 20), {2, 14, 22, 33, 47, 48}, 1, 4, -1},       // the first with one
        {QDate(2012, 9, 27), {2, 5, 10, 31, 42, 45}, 11, 9, 8533540},  // the first Joker
        {QDate(2022, 7, 11), {8, 10, 19, 25, 38, 39}, 2, 1, 3631964},  // the first Monday
        {QDate(2023, 3, 9), {3, 18, 31, 35, 41, 49}, 45, 0, 8657356},
        {QDate(2025, 12, 18), {8, 12, 21, 23, 27, 43}, 47, 2, -1},   // from a third source
        {QDate(2026, 8, 6), {3, 9, 14, 19, 22, 26}, 13, 4, 559707},  // Joker 0559707
    };
    for (const auto& k : conocidos) {
        SCOPED_TRACE(k.fecha.toString().toStdString());
        const Sorteo* s = Buscar(todos, k.fecha);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Numeros, k.numeros);
        EXPECT_EQ(s->Complementario, k.c);
        EXPECT_EQ(s->Reintegro, k.r);
        EXPECT_EQ(s->Joker, k.joker);
    }
    // The gap the record does not fill.
    EXPECT_EQ(Buscar(todos, QDate(2026, 7, 11)), nullptr);
}

TEST(Historico, FechasEnOrdenYSoloDiasDeSorteo) {
    const std::vector<Sorteo>& todos = pruebas::Historia();
    double anterior = 0;
    for (const Sorteo& s : todos) {
        const QDate f = OleAFecha(s.Fecha);
        ASSERT_GT(s.Fecha, anterior) << f.toString().toStdString();
        anterior = s.Fecha;
        ASSERT_TRUE(f.dayOfWeek() == 1 || f.dayOfWeek() == 4 || f.dayOfWeek() == 6)
            << f.toString().toStdString();
        std::set<int> bolas(s.Numeros.begin(), s.Numeros.end());
        bolas.insert(s.Complementario);
        ASSERT_EQ(bolas.size(), 7u) << "número repetido";
        ASSERT_TRUE(*bolas.begin() >= 1 && *bolas.rbegin() <= 49);
        ASSERT_TRUE(s.Reintegro >= -1 && s.Reintegro <= 9);
        ASSERT_TRUE(s.Joker == -1 || (s.Joker >= 0 && s.Joker <= 9999999));
    }
}

// Counts of each number among the six drawn, up to a day.
std::map<int, int> Frecuencias(const std::vector<Sorteo>& todos, QDate hasta) {
    std::map<int, int> f;
    for (const Sorteo& s : todos) {
        if (OleAFecha(s.Fecha) > hasta) break;
        for (int16_t n : s.Numeros) ++f[n];
    }
    return f;
}

TEST(Historico, CoincideConLasFrecuenciasPublicadas) {
    const std::vector<Sorteo>& todos = pruebas::Historia();
    // lottohoy.com, "The numbers that come out the most in La Primitiva", data up to 08/12/2018.
    const std::map<int, int> f = Frecuencias(todos, QDate(2018, 12, 8));
    const std::pair<int, int> publicadas[] = {{38, 422}, {39, 422}, {47, 417}, {3, 413},
                                              {45, 413}, {8, 361},  {20, 362}, {33, 369},
                                              {13, 369}, {18, 371}};
    for (auto [numero, veces] : publicadas) EXPECT_EQ(f.at(numero), veces) << numero;

    // suite101.net: on 6 November 2010 the most drawn were 39, 47, 38, 3, 41 and 48.
    const std::map<int, int> g = Frecuencias(todos, QDate(2010, 11, 6));
    std::vector<std::pair<int, int>> orden(g.begin(), g.end());
    std::stable_sort(orden.begin(), orden.end(),
                     [](auto a, auto b) { return a.second > b.second; });
    EXPECT_EQ(orden[0].first, 39);
    EXPECT_EQ(orden[1].first, 47);
    EXPECT_EQ(orden[2].first, 38);
    EXPECT_EQ(orden[3].first, 3);
    EXPECT_EQ(orden[4].second, orden[5].second);  // 41 and 48 tie
}

TEST(Historico, PasaLaComprobacionDeImportarYNoPareceDelFormatoAnterior) {
    QTemporaryDir dir;
    Estado estado;
    pruebas::AbrirEstado(estado, dir.path());
    ASSERT_FALSE(ImportarSorteos(estado, kHistorico));
    EXPECT_EQ(estado.Sorteos.Cuenta(), 4176);
    EXPECT_FALSE(EsFormatoAntiguo(estado.Sorteos));
}

}  // namespace
}  // namespace tombolin
