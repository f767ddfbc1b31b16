// Reading the operator's results documents: the real entry of 17/08/2017 and lists in its
// shape built from the shipped history, read into draws byte for byte equal to the history's,
// the older two-quote shape, the prize breakdown and the news address.
#include <gtest/gtest.h>

#include <random>

#include "core/fechas.h"
#include "core/sorteos.h"
#include "results/analisis.h"
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

const QDate kHoy(2026, 8, 18);

// The document as "www.txt" holds it.
QByteArray Www(const QByteArray& lista) {
    return ComoElementoEntrecomillado(lista);
}

// The older shape, with its PDF and its Joker written in groups.
QByteArray Www(const std::vector<Sorteo>& sorteos) {
    return Www(ListaReal(sorteos, {.conPdf = true, .jokerConBlancos = true, .antigua = true}));
}

// The real entry heads a list of the draws of the hundred days before it, in the same shape.
QByteArray Lista20170817(const OpcionesReal& o = {}) {
    const QDate dia(2017, 8, 17);
    std::vector<Sorteo> antes = pruebas::CienDias(Historia(), dia);
    antes.erase(antes.begin());  // 17/08/2017 itself: the real entry stands for it
    return ListaReal(antes, o, {pruebas::EntradaReal20170817()});
}

TEST(Analisis, LaEntradaDel17DeAgostoDe2017) {
    const Sorteo& real = DelDia(QDate(2017, 8, 17));
    for (bool nuevas : {false, true}) {
        const OpcionesReal o{.clavesNuevas = nuevas};
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

// For random stretches of the history since the Joker, every new draw of a list is read equal to
// the history's record, whatever the shape's variants (an entry with the date held is not new).
TEST(Analisis, ListasDelHistorico) {
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
        o.antigua = vuelta % 6 == 1;
        o.clavesEnMayusculas = vuelta % 7 == 2;
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

TEST(Analisis, DireccionDelPdf) {
    const Sorteo& s = Historia().back();
    const OpcionesReal o{.conPdf = true};
    const QByteArray bien = EntradaReal(s, o);
    const QByteArray ruta = "/f/loterias/documentos/La Primitiva/";
    const struct {
        QByteArray en;
        const char* esperado;
    } casos[] = {
        // (A path on the operator's host as the service writes it is fetched by a download:
        // Descarga.TresSorteosNuevosSeGuardanSeCompruebanYSeMuestran.)
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
    const OpcionesReal antiguas{.clavesNuevas = false};
    const std::vector<Sorteo> dos(Historia().end() - 2, Historia().end());
    const QByteArray lista =
        ListaReal({}, o, {EntradaReal(dos[1], antiguas), EntradaReal(dos[0], o)});
    EXPECT_EQ(LeerDesglose(Www(lista), dos[1].Fecha).RutaPdf, QString());
    EXPECT_FALSE(LeerDesglose(Www(lista), dos[0].Fecha).RutaPdf.isEmpty());
}

// Entries not yet scrutinised or that can't be read whole: nothing is taken from a neighbour,
// and the draws file is left without holes. (The service's message for a period without draws
// and an empty list are read through a download, Descarga.*.)
TEST(Analisis, EntradasQueNoSeLeenEnteras) {
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
    const QDate dia = OleAFecha(cien[n - 3].Fecha);
    const qsizetype en = sinClave.indexOf(
        "\"combinacion\"", sinClave.indexOf(dia.toString(QStringLiteral("yyyy-MM-dd")).toLatin1()));
    sinClave.replace(en, 13, "\"combinaciom\"");
    const QByteArray pendiente = ListaReal(cien, {}, {EntradaReal(nuevo, {}, false)});
    const QByteArray trasPendiente =
        ListaReal(cien, {}, {EntradaReal(nuevo), EntradaReal(otro, {}, false)});
    const auto primeros = [&](size_t k) { return std::vector(cien.begin(), cien.begin() + k); };
    const struct {
        const char* caso;
        QByteArray lista;
        double ultimo;
        std::vector<Sorteo> nuevos;
        int noGuardados;
        QDate mala, pendiente;
    } casos[] = {
        // The newest draw has not been scrutinised: it is not new yet; the older ones are.
        {"sin escrutar", pendiente, cien[3].Fecha, primeros(3), 0, {}, hoy},
        {"Joker nulo", ListaReal(cien, {}, {jokerNulo}), cien[3].Fecha, primeros(3), 1, hoy, {}},
        {"sin su clave", sinClave, cien[n - 2].Fecha, {}, int(n - 2), dia, {}},
        // A draw that came after one not yet scrutinised waits for it.
        {"tras sin escrutar", trasPendiente, cien[3].Fecha, primeros(3), 1, {}, hoy.addDays(-1)},
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

TEST(Analisis, UnSorteoMaloDetieneLaLectura) {
    const std::vector<Sorteo> cien = pruebas::CienDias(Historia(), kHoy);
    const std::function<void(Sorteo&)> romper[] = {
        [](Sorteo& s) { s.Numeros[3] = 0; }, [](Sorteo& s) { s.Complementario = 0; },
        [](Sorteo& s) { s.Numeros[5] = 50; }, [](Sorteo& s) { s.Numeros[1] = s.Numeros[0]; }};
    for (size_t i = 0; i < std::size(romper); ++i) {
        SCOPED_TRACE(i);
        std::vector<Sorteo> doc = cien;
        romper[i](doc[1]);
        // The second of three new draws is bad: only the oldest is kept, so that the draws
        // file has no hole; the newest comes again with the next download.
        const LecturaSorteos l = LeerSorteosNuevos(Www(doc), cien[3].Fecha, kHoy);
        EXPECT_FALSE(l.Fallo);
        ASSERT_EQ(l.Nuevos.size(), 1u);
        EXPECT_EQ(l.Nuevos[0], cien[2]);
        EXPECT_EQ(l.NoGuardados, 2);
        EXPECT_EQ(l.FechaMala, OleAFecha(doc[1].Fecha));
    }
    // A draw dated after today is passed over; the ones before it are read.
    std::vector<Sorteo> doc = cien;
    doc.insert(doc.begin(), doc[0]);
    doc[0].Fecha = FechaAOle(kHoy.addDays(2));
    const LecturaSorteos l = LeerSorteosNuevos(Www(doc), cien[3].Fecha, kHoy);
    EXPECT_FALSE(l.Fallo);
    EXPECT_EQ(l.Nuevos, std::vector<Sorteo>(cien.begin(), cien.begin() + 3));
}

TEST(Analisis, DocumentosQueNoSePuedenLeer) {
    const std::vector<Sorteo> cien = pruebas::CienDias(Historia(), kHoy);
    const QByteArray bueno = Www(cien);
    // More than 50 new draws.
    std::vector<Sorteo> muchos;
    for (int i = 0; i < 60; ++i)
        muchos.push_back(pruebas::UnSorteo(kHoy.addDays(-i), {1, 2, 3, 4, 5, 6}, 7, 8));
    EXPECT_TRUE(LeerSorteosNuevos(Www(muchos), FechaAOle(kHoy.addDays(-70)), kHoy).Fallo);
    // 50 new draws are taken.
    EXPECT_EQ(LeerSorteosNuevos(Www(muchos), FechaAOle(kHoy.addDays(-50)), kHoy).Nuevos.size(),
              50u);
    // Nothing at all.
    for (const QByteArray& doc : {QByteArray("\"\"\r\n"), QByteArray()}) {
        EXPECT_TRUE(LeerSorteosNuevos(doc, cien[3].Fecha, kHoy).Nuevos.empty());
    }
    // Cut anywhere: whatever is read is whole and right, never a draw made of two halves.
    std::vector<Sorteo> esperado(cien.begin(), cien.begin() + 3);
    for (qsizetype corte = 50; corte < bueno.size(); corte += 997) {
        const LecturaSorteos l = LeerSorteosNuevos(bueno.left(corte), cien[3].Fecha, kHoy);
        ASSERT_LE(l.Nuevos.size(), 3u);
        for (size_t i = 0; i < l.Nuevos.size(); ++i) EXPECT_EQ(l.Nuevos[i], esperado[i]) << corte;
    }
}

// Nothing is read before Qt's JSON parser has found the answer whole: a list cut anywhere is
// incomplete, and the service's lone text for a period without draws is no cut answer. (A list,
// that text, an empty list and a web page come through a download, in
// Descarga.MasDeOchoNuevosYFechaDelOrdenador and Descarga.FallosDeLaRedNoTocanLosSorteos.)
TEST(Analisis, SoloSeLeenRespuestasEnteras) {
    const QByteArray lista = ListaReal(pruebas::CienDias(Historia(), kHoy));
    const struct {
        const char* caso;
        QByteArray cuerpo;
        FormaRespuesta forma;
    } casos[] = {
        {"lista con blancos", "\r\n " + lista + "\n", FormaRespuesta::Lista},
        {"la real de 2017", Lista20170817(), FormaRespuesta::Lista},
        {"texto cortado", QByteArray(pruebas::kRespuestaSinSorteos).chopped(3),
         FormaRespuesta::Incompleta},
        {"lista mal cerrada", lista.chopped(1) + "}", FormaRespuesta::Incompleta},
        {"objeto", "{\"error\":\"sin servicio\"}", FormaRespuesta::Otra},
        {"lista de números", "[1,2,3]", FormaRespuesta::Otra},
    };
    for (const auto& c : casos) EXPECT_EQ(ExaminarRespuesta(c.cuerpo), c.forma) << c.caso;
    for (qsizetype corte = 1; corte < lista.size(); corte += 613) {
        ASSERT_EQ(ExaminarRespuesta(lista.left(corte)), FormaRespuesta::Incompleta) << corte;
    }
}

TEST(Analisis, DesgloseYPdf) {
    const std::vector<Sorteo> cien = pruebas::CienDias(Historia(), kHoy);
    const Desglose d = LeerDesglose(Www(cien));
    ASSERT_TRUE(d.Categorias.has_value());
    // "1.234.567,89 €" loses its blank and its sign.
    EXPECT_EQ((*d.Categorias)[0].Linea(), QStringLiteral("0,00"));
    EXPECT_EQ((*d.Categorias)[1].Linea(), QStringLiteral("1.234.567,89"));
    EXPECT_EQ((*d.Categorias)[5].Linea(), QStringLiteral("8,00"));

    // No breakdown right after "escru": nothing is read.
    QByteArray lejos = Www(cien);
    lejos.replace("\"escrutinio\":[{", QByteArray("\"escrutinio\":") + QByteArray(400, ' ') + "[{");
    const Desglose sin = LeerDesglose(lejos);
    EXPECT_FALSE(sin.Categorias.has_value());
    EXPECT_TRUE(sin.RutaPdf.isEmpty());
    EXPECT_FALSE(LeerDesglose("nada").Categorias.has_value());
}

TEST(Analisis, Raros) {
    EXPECT_EQ(raros(QStringLiteral("1.234,56 €")), QStringLiteral("1.234,56"));
    EXPECT_EQ(raros(QStringLiteral("1ª Categoría")), QStringLiteral("1Categora"));
    EXPECT_EQ(raros(QStringLiteral("a{b|c}d~e\tf")), QStringLiteral("abcdef"));
    EXPECT_EQ(raros(QStringLiteral("\u4e00?")), QStringLiteral("?"));
}

// A new address is taken from the news by a download (Noticias.SeTraenSiLosSorteosTienenTresDias,
// and none from news without one); here, the blank that stands for a slash, and what is no
// address.
TEST(Analisis, DireccionEnLasNoticias) {
    const struct {
        const char* informe;
        const char* direccion;
    } casos[] = {
        {"<p>web:www.tombolin.example nueva></p>", "www.tombolin.example/nueva"},
        {"<p>web:javascript:alert(1)></p>", ""},
        {"<p>web:\"><script>x</script>></p>", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(DireccionEnNoticias(c.informe), QString::fromUtf8(c.direccion)) << c.informe;
    }
}

}  // namespace
}  // namespace tombolin
