// Which draws a syndicate plays, the sizes of multiples and the text of bet lines.
#include <gtest/gtest.h>

#include "checking/comprobacion.h"
#include "core/fechas.h"
#include "core/juego.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

using pruebas::PenaSencilla;
using pruebas::UnSorteo;

TEST(Juego, JuegaSorteoSegunDiasYFechaDeCreacion) {
    const QDate lunes(2026, 11, 30), jueves(2026, 12, 3), sabado(2026, 12, 5);
    const QDate creacion = jueves;
    const struct {
        const char* dias;
        bool lunes, jueves, sabado;
    } casos[] = {
        {"Lunes", true, false, false},
        {"Jueves", false, true, false},
        {"Sábado", false, false, true},
        {"Jueves y Sábado", false, true, true},
        {"Todos (L+J+S)", true, true, true},
        {"Domingo", false, false, false},  // not a play day the program knows
        {"jueves", false, false, false},   // spelt otherwise
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.dias);
        // Created long before: only the weekday decides, and the results list agrees.
        const Pena antigua = PenaSencilla("x", {{1, 2, 3, 4, 5, 6}}, QString::fromUtf8(c.dias));
        EXPECT_EQ(JuegaSorteo(antigua, UnSorteo(lunes)), c.lunes);
        EXPECT_EQ(JuegaSorteo(antigua, UnSorteo(jueves)), c.jueves);
        EXPECT_EQ(JuegaSorteo(antigua, UnSorteo(sabado)), c.sabado);
        std::vector<Pena> penas{antigua};
        const std::vector<Sorteo> tres{UnSorteo(lunes), UnSorteo(jueves), UnSorteo(sabado)};
        EXPECT_EQ(ComprobarSencillas(tres, penas, 3, {}).Sencilla.Bloques().size(),
                  static_cast<size_t>(c.lunes + c.jueves + c.sabado));
        // Created on the Thursday: Monday's draw came before it, Thursday's counts.
        const Pena nueva = PenaSencilla("x", {}, QString::fromUtf8(c.dias), creacion);
        EXPECT_FALSE(JuegaSorteo(nueva, UnSorteo(lunes)));
        EXPECT_EQ(JuegaSorteo(nueva, UnSorteo(jueves)), c.jueves);
        EXPECT_EQ(JuegaSorteo(nueva, UnSorteo(sabado)), c.sabado);
    }
    // Play days stored with their blanks, as the file keeps them.
    Pena conBlancos = PenaSencilla("x", {}, QStringLiteral("Lunes          "));
    EXPECT_TRUE(JuegaSorteo(conBlancos, UnSorteo(lunes)));
}

TEST(Juego, Cuantos) {
    const std::pair<int, int> casos[] = {
        {501, 7},   {502, 8},       {503, 5},  {504, 9},  {505, 10},  {506, 11},
        {507, 7},   {508, 28},      {509, 44}, {510, 84}, {511, 210}, {512, 462},
        {6 + 3, 3}, {6 + 205, 205}, {500, 0},  {513, 0},  {32767, 0}, {6, 0},
    };
    for (auto [codigo, valor] : casos) EXPECT_EQ(cuantos(codigo), valor) << codigo;
    // The simple bets of any syndicate are cuantos(NumApuestas + 6).
    EXPECT_EQ(cuantos(503 + 6), 44);
    EXPECT_EQ(cuantos(12 + 6), 12);
}

TEST(Juego, TextoApuesta) {
    Apuesta a;
    a.Columnas = {3, 12, 25, 33, 41, 49};
    EXPECT_EQ(TextoApuesta(a, 6), QStringLiteral(" 3-12-25-33-41-49"));
    Apuesta once;
    const int numeros[] = {1, 5, 9, 10, 17, 22, 30, 38, 41, 45, 49};
    for (int i = 0; i < 11; ++i) once.Columnas[i] = static_cast<int16_t>(numeros[i]);
    EXPECT_EQ(TextoApuesta(once, 11), QStringLiteral(" 1- 5- 9-10-17-22-30-38-41-45-49"));
    EXPECT_EQ(TextoApuesta(a, 0), QString());
}

TEST(Juego, TextoVisible) {
    EXPECT_EQ(TextoVisible(QStringLiteral("Peña   ")), QStringLiteral("Peña"));
    EXPECT_EQ(TextoVisible(QString::fromLatin1("Ab\x01"
                                               "c\x7F\0\0",
                                               7)),
              QStringLiteral("Ab?c?"));
    EXPECT_EQ(TextoVisible(QString(QChar(0x81)) + "x"), QStringLiteral("?x"));
}

}  // namespace
}  // namespace tombolin
