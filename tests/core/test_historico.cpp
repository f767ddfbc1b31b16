// The draw history shipped with the program, read back through the program's own reader: known
// draws, and every draw well formed. (The published frequencies are checked on the statistics'
// scan of it; its import, through the import button.)
#include <gtest/gtest.h>

#include <set>

#include "core/fechas.h"
#include "core/sorteos.h"
#include "support/ficheros.h"

namespace tombolin {
namespace {

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

}  // namespace
}  // namespace tombolin
