// Which draws a syndicate plays, the sizes of multiples and the text of bet lines.
#include <gtest/gtest.h>

#include "core/fechas.h"
#include "core/juego.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

using pruebas::PenaSencilla;
using pruebas::UnSorteo;

// The five play days and the creation date are checked against real draws (Comprobacion); here,
// texts that are no play day the program knows, and the blanks the file keeps.
TEST(Juego, JuegaSorteoSoloEnLosDiasQueConoce) {
    const QDate lunes(2026, 11, 30), jueves(2026, 12, 3);
    for (const char* dias : {"Domingo", "jueves", "Lunes y Jueves"}) {
        const Pena p = PenaSencilla("x", {}, QString::fromUtf8(dias));
        for (QDate d : {lunes, jueves, jueves.addDays(2)})
            EXPECT_FALSE(JuegaSorteo(p, UnSorteo(d))) << dias << " " << d.toString().toStdString();
    }
    const Pena conBlancos = PenaSencilla("x", {}, QStringLiteral("Lunes          "));
    EXPECT_TRUE(JuegaSorteo(conBlancos, UnSorteo(lunes)));
    EXPECT_FALSE(JuegaSorteo(conBlancos, UnSorteo(jueves)));
}

TEST(Juego, Cuantos) {
    const std::pair<int, int> casos[] = {
        {501, 7},   {502, 8},       {503, 5},  {504, 9},  {505, 10},  {506, 11},
        {507, 7},   {508, 28},      {509, 44}, {510, 84}, {511, 210}, {512, 462},
        {6 + 3, 3}, {6 + 205, 205}, {500, 0},  {513, 0},  {32767, 0}, {6, 0},
    };
    for (auto [codigo, valor] : casos) EXPECT_EQ(cuantos(codigo), valor) << codigo;
}

// The text of bet lines is read on the card and in the editor
// (Gestor.ListaResumenPenaElegidaYBorrada, Editor.SencillaDeTresLineasPorClics).

// Blanks and NULs at the end go; control characters, the C1 ones included, show as "?".
TEST(Juego, TextoVisible) {
    const QString campo = QStringLiteral("Peña\u0081x\u007F\u0001 ") + QString(2, QChar(0)) + "  ";
    EXPECT_EQ(TextoVisible(campo), QStringLiteral("Peña?x??"));
}

// The weekly cost: the simple bets a draw costs times the price, by the days played. Every day
// at a price of 0,75 is on the card (Ventanas.Configuracion).
TEST(Juego, GastoSemanalSegunLosDias) {
    const Pena multiple2 =
        pruebas::PenaMultiple(QStringLiteral("Amigo"), 2, {1, 2, 3, 4, 5, 6, 7, 8});
    const Pena tres = pruebas::PenaSencilla(
        QStringLiteral("Tres"), {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {1, 3, 5, 7, 9, 11}});
    const struct {
        Pena pena;
        const char* dias;
        float precio;
        float gasto;
    } casos[] = {
        // 28 bets (code 2 stands for 507 + 1) on two days; at 1 € in the report store
        // (Estadisticas.LaPenaElegidaEnElAlmacenYSuInforme).
        {multiple2, "Jueves y Sábado", 0.5f, 28.0f},
        {multiple2, "Jueves", 1.0f, 28.0f},
        {tres, "Jueves", 1.0f, 3.0f},
        {tres, "Sábado", 1.0f, 3.0f},
        {tres, "Lunes", 1.0f, 3.0f},
        {tres, "Lunes          ", 1.0f, 3.0f},  // as stored, blank-padded
        {tres, "Jueves y Sábado", 1.0f, 6.0f},
        {tres, "Lunes y Jueves", 1.0f, 9.0f},  // any other choice counts three days
        {tres, "Jueves", 0.1f, 3 * 0.1f},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.dias);
        Pena p = c.pena;
        p.DiasJuego = QString::fromUtf8(c.dias);
        EXPECT_EQ(GastoSemanal(p, c.precio), c.gasto);
    }
}

}  // namespace
}  // namespace tombolin
