// The operator's real answers: the real entry of 17/08/2017 and lists in its shape built from the
// shipped history, read into draws byte for byte equal to the history's, and their breakdown.
#include <gtest/gtest.h>

#include <random>

#include "core/fechas.h"
#include "core/sorteos.h"
#include "results/analisis.h"
#include "support/documento_prueba.h"
#include "support/documento_real.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

using pruebas::EntradaReal;
using pruebas::ListaReal;
using pruebas::OpcionesReal;

using pruebas::Historia;

const Sorteo& DelDia(QDate f) {
    for (const Sorteo& s : Historia()) {
        if (OleAFecha(s.Fecha) == f) return s;
    }
    throw std::runtime_error("sin sorteo ese día");
}

QByteArray Www(const QByteArray& lista) {
    return ComoElementoEntrecomillado(lista);
}

// The real entry heads a list of the draws of the hundred days before it, in the same shape.
QByteArray Lista20170817(const OpcionesReal& o = {}) {
    const QDate dia(2017, 8, 17);
    std::vector<Sorteo> antes = pruebas::CienDias(Historia(), dia);
    antes.erase(antes.begin());  // 17/08/2017 itself: the real entry stands for it
    return ListaReal(antes, o, {pruebas::EntradaReal20170817()});
}

TEST(RespuestaReal, LaEntradaDel17DeAgostoDe2017) {
    ASSERT_FALSE(pruebas::EntradaReal20170817().isEmpty());
    const Sorteo& real = DelDia(QDate(2017, 8, 17));
    for (bool nuevas : {false, true}) {
        OpcionesReal o;
        o.clavesNuevas = nuevas;
        const LecturaSorteos l = LeerSorteosNuevos(
            Www(Lista20170817(o)), FechaAOle(QDate(2017, 8, 14)), QDate(2017, 8, 18));
        ASSERT_FALSE(l.Fallo);
        ASSERT_EQ(l.Nuevos.size(), 1u);
        EXPECT_EQ(CodificarSorteo(l.Nuevos[0]), CodificarSorteo(real));
        EXPECT_EQ(l.Nuevos[0].Joker, 8337021);
    }

    // Its breakdown, in words a user reads.
    const Desglose d = LeerDesglose(Www(Lista20170817()), real.Fecha);
    ASSERT_TRUE(d.Categorias.has_value());
    const char* const lineas[] = {
        "Especial (6 aciertos + R): Bote",
        "1ª (6 aciertos): Bote",
        "2ª (5 aciertos + C): 34.554,98 € — 6 acertantes",
        "3ª (5 aciertos): 2.428,19 € — 185 acertantes",
        "4ª (4 aciertos): 77,54 € — 9.358 acertantes",
        "5ª (3 aciertos): 8,00 € — 184.746 acertantes",
    };
    for (int k = 0; k < 6; ++k) EXPECT_EQ((*d.Categorias)[k].Linea(), QString::fromUtf8(lineas[k]));
    // The 2017 answer names no PDF.
    EXPECT_TRUE(d.RutaPdf.isEmpty());
}

// For random stretches of the history since the Joker, every new draw of a real-shaped list is
// read equal to the history's record, whatever the shape's variants.
TEST(RespuestaReal, ListasDelHistorico) {
    const std::vector<Sorteo>& h = Historia();
    const size_t desde = static_cast<size_t>(
        std::find_if(h.begin(), h.end(), [](const Sorteo& s) { return s.Joker > 0; }) - h.begin());
    std::mt19937 azar(2017);
    for (int vuelta = 0; vuelta < 30; ++vuelta) {
        const size_t i = desde + 40 + azar() % (h.size() - desde - 40);
        const QDate hoy = OleAFecha(h[i].Fecha).addDays(azar() % 2);
        const std::vector<Sorteo> cien = pruebas::CienDias(h, hoy);
        const size_t nuevos = azar() % 15;
        OpcionesReal o;
        o.clavesNuevas = vuelta % 2;
        o.jokerConBlancos = vuelta % 3 == 0;
        o.conPdf = vuelta % 4 == 0;
        o.hora = vuelta % 5 ? QStringLiteral("21:43:00") : QStringLiteral("00:00:00");
        const QByteArray lista = ListaReal(cien, o);
        const LecturaSorteos l = LeerSorteosNuevos(Www(lista), cien[nuevos].Fecha, hoy);
        ASSERT_FALSE(l.Fallo) << vuelta;
        EXPECT_EQ(l.Nuevos, std::vector<Sorteo>(cien.begin(), cien.begin() + nuevos)) << vuelta;

        // The breakdown is the newest entry's, or the one of the date asked for.
        const size_t j = azar() % 5;
        const Desglose d = LeerDesglose(Www(lista), cien[j].Fecha);
        const Desglose solo = LeerDesglose(Www(ListaReal({cien[j]}, o)));
        ASSERT_TRUE(d.Categorias && solo.Categorias);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ((*d.Categorias)[k].Linea(), (*solo.Categorias)[k].Linea()) << vuelta;
        EXPECT_EQ(d.RutaPdf.isEmpty(), !(o.conPdf && o.clavesNuevas)) << vuelta;
    }
}

// What the real answers hold that a reader by markers can trip on.
TEST(RespuestaReal, Trampas) {
    const QDate hoy(2026, 8, 18);
    const std::vector<Sorteo> cien = pruebas::CienDias(Historia(), hoy);
    const std::vector<Sorteo> tres(cien.begin(), cien.begin() + 3);
    Sorteo pendiente = cien[0];
    pendiente.Fecha = FechaAOle(hoy);
    const struct {
        const char* caso;
        QByteArray lista;
        std::vector<Sorteo> nuevos;
    } casos[] = {
        // The newest draw has not been scrutinised: it is not new yet; the older ones are.
        {"sin escrutar", ListaReal(cien, {}, {EntradaReal(pendiente, {}, false)}), tres},
        // No draws in the period: the service answers a message, not a list.
        {"mensaje", "\"No existen sorteos para los criterios seleccionados\"", {}},
        {"lista vacía", "[]", {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const LecturaSorteos l = LeerSorteosNuevos(Www(c.lista), cien[3].Fecha, hoy);
        EXPECT_FALSE(l.Fallo);
        EXPECT_EQ(l.Nuevos, c.nuevos);
        EXPECT_EQ(l.NoGuardados, 0);
        EXPECT_FALSE(l.FechaMala.isValid());
    }
}

TEST(RespuestaReal, DireccionDelPdf) {
    const Sorteo& s = Historia().back();
    OpcionesReal o;
    o.conPdf = true;
    const QByteArray bien = EntradaReal(s, o);
    const QByteArray ruta = "/f/loterias/documentos/La Primitiva/";
    const struct {
        QByteArray en;
        const char* esperado;
    } casos[] = {
        {ruta, "/f/loterias/documentos/La Primitiva/"},
        {"https://www.loteriasyapuestas.es" + ruta, "/f/loterias/documentos/La Primitiva/"},
        {"https://otro.example" + ruta, ""},
        {"//otro.example" + ruta, ""},
        {"javascript:alert(1)//", ""},
        {"file:///etc/passwd", ""},
        // JSON escapes in a path of the operator's.
        {"\\/f\\/loterias\\/Sorteo_n\\u00fam/", "/f/loterias/Sorteo_núm/"},
    };
    for (const auto& c : casos) {
        QByteArray entrada = bien;
        entrada.replace(ruta, c.en);
        const QString leida = LeerDesglose(Www(ListaReal({}, o, {entrada}))).RutaPdf;
        if (*c.esperado)
            EXPECT_TRUE(leida.startsWith(QString::fromUtf8(c.esperado))) << leida.toStdString();
        else
            EXPECT_EQ(leida, QString()) << c.en.constData();
    }
    // An entry that names no PDF does not take the next entry's.
    OpcionesReal antiguas;
    antiguas.clavesNuevas = false;
    const std::vector<Sorteo> dos(Historia().end() - 2, Historia().end());
    const QByteArray lista =
        ListaReal({}, o, {EntradaReal(dos[1], antiguas), EntradaReal(dos[0], o)});
    EXPECT_EQ(LeerDesglose(Www(lista), dos[1].Fecha).RutaPdf, QString());
    EXPECT_FALSE(LeerDesglose(Www(lista), dos[0].Fecha).RutaPdf.isEmpty());
}

// Entries that can't be read whole: nothing is taken from a neighbour, and the draws file is
// left without holes.
TEST(RespuestaReal, EntradasQueNoSeLeenEnteras) {
    const QDate hoy(2026, 8, 18);
    const std::vector<Sorteo> cien = pruebas::CienDias(Historia(), hoy);
    const size_t n = cien.size();
    ASSERT_GT(n, 30u);
    Sorteo nuevo = cien[0];
    nuevo.Fecha = FechaAOle(hoy);
    Sorteo otro = nuevo;
    otro.Fecha = FechaAOle(hoy.addDays(-1));
    QByteArray jokerNulo = EntradaReal(nuevo);
    jokerNulo.replace(
        "\"combinacion\":\"" +
            QByteArray::number(static_cast<qint64>(nuevo.Joker)).rightJustified(7, '0'),
        "\"combinacion\":null");
    // The oldest new entry has lost its combination key.
    QByteArray sinClave = ListaReal(cien);
    const QByteArray fecha =
        OleAFecha(cien[n - 3].Fecha).toString(QStringLiteral("yyyy-MM-dd")).toLatin1();
    const qsizetype en = sinClave.indexOf("\"combinacion\"", sinClave.indexOf(fecha));
    sinClave.replace(en, 13, "\"combinaciom\"");
    const struct {
        const char* caso;
        QByteArray lista;
        double ultimo;
        std::vector<Sorteo> nuevos;
        int noGuardados;
        QDate mala, pendiente;
    } casos[] = {
        // Ninety-odd days behind: the draws near the end of the list are read too.
        {"muy atrasado",
         ListaReal(cien),
         cien[n - 2].Fecha,
         std::vector<Sorteo>(cien.begin(), cien.end() - 2),
         0,
         {},
         {}},
        {"Joker nulo",
         ListaReal(cien, {}, {jokerNulo}),
         cien[3].Fecha,
         std::vector<Sorteo>(cien.begin(), cien.begin() + 3),
         1,
         hoy,
         {}},
        {"sin su clave",
         sinClave,
         cien[n - 2].Fecha,
         {},
         static_cast<int>(n - 2),
         OleAFecha(cien[n - 3].Fecha),
         {}},
        // A draw that came after one not yet scrutinised waits for it.
        {"tras uno sin escrutar",
         ListaReal(cien, {}, {EntradaReal(nuevo), EntradaReal(otro, {}, false)}),
         cien[3].Fecha,
         std::vector<Sorteo>(cien.begin(), cien.begin() + 3),
         1,
         {},
         hoy.addDays(-1)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const LecturaSorteos l = LeerSorteosNuevos(Www(c.lista), c.ultimo, hoy);
        ASSERT_FALSE(l.Fallo);
        EXPECT_EQ(l.Nuevos, c.nuevos);
        EXPECT_EQ(l.NoGuardados, c.noGuardados);
        EXPECT_EQ(l.FechaMala, c.mala);
        EXPECT_EQ(l.FechaPendiente, c.pendiente);
    }
}

}  // namespace
}  // namespace tombolin
