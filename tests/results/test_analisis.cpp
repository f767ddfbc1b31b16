// Reading new draws, the prize breakdown and the news address out of documents built from
// real draws.
#include <gtest/gtest.h>

#include <random>

#include "core/fechas.h"
#include "core/sorteos.h"
#include "results/analisis.h"
#include "support/documento_prueba.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

using pruebas::CienDias;
using pruebas::DocumentoResultados;

std::vector<Sorteo> Historico() {
    std::vector<Sorteo> h = pruebas::Historia();
    // The first draws kept no Joker nor reintegro; a document always has both.
    for (Sorteo& s : h) {
        if (s.Joker < 0) s.Joker = 1234567;
        if (s.Reintegro < 0) s.Reintegro = 0;
    }
    return h;
}

const QDate kHoy(2026, 8, 18);

// The document as "www.txt" holds it.
QByteArray Www(const std::vector<Sorteo>& sorteos, const pruebas::OpcionesDocumento& o = {}) {
    return ComoElementoEntrecomillado(DocumentoResultados(sorteos, o));
}

TEST(Analisis, TresSorteosNuevos) {
    const std::vector<Sorteo> h = Historico();
    const std::vector<Sorteo> cien = CienDias(h, kHoy);
    ASSERT_GT(cien.size(), 40u);
    // The three newest are new: 17/08, 15/08 and 13/08/2026.
    const LecturaSorteos l = LeerSorteosNuevos(Www(cien), cien[3].Fecha, kHoy);
    ASSERT_FALSE(l.Fallo);
    ASSERT_EQ(l.Nuevos.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(l.Nuevos[i], cien[i]) << i;
    EXPECT_EQ(OleAFecha(l.Nuevos[0].Fecha), QDate(2026, 8, 17));
    // A draw held with the same date is not new.
    EXPECT_TRUE(LeerSorteosNuevos(Www(cien), cien[0].Fecha, kHoy).Nuevos.empty());
    // Keys in capitals are found as well; a Joker without blanks reads the same.
    pruebas::OpcionesDocumento o;
    o.clavesEnMayusculas = true;
    o.jokerConBlancos = false;
    const LecturaSorteos m = LeerSorteosNuevos(Www(cien, o), cien[3].Fecha, kHoy);
    ASSERT_EQ(m.Nuevos.size(), 3u);
    EXPECT_EQ(m.Nuevos[2], cien[2]);
}

TEST(Analisis, UnSorteoMaloDetieneLaLectura) {
    const std::vector<Sorteo> h = Historico();
    const std::vector<Sorteo> cien = CienDias(h, kHoy);
    const struct {
        const char* caso;
        std::function<void(Sorteo&)> romper;
    } casos[] = {
        {"Joker 0", [](Sorteo& s) { s.Joker = 0; }},
        {"número 0", [](Sorteo& s) { s.Numeros[3] = 0; }},
        {"complementario 0", [](Sorteo& s) { s.Complementario = 0; }},
        {"número 50", [](Sorteo& s) { s.Numeros[5] = 50; }},
        {"número repetido", [](Sorteo& s) { s.Numeros[1] = s.Numeros[0]; }},
        {"fecha futura", [](Sorteo& s) { s.Fecha = FechaAOle(kHoy.addDays(2)); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        std::vector<Sorteo> doc = cien;
        if (std::string(c.caso) == "fecha futura") {
            Sorteo futuro = doc[0];
            c.romper(futuro);
            doc.insert(doc.begin(), futuro);
            const LecturaSorteos l = LeerSorteosNuevos(Www(doc), cien[3].Fecha, kHoy);
            EXPECT_FALSE(l.Fallo);
            EXPECT_EQ(l.Nuevos, std::vector<Sorteo>(cien.begin(), cien.begin() + 3));
            continue;
        }
        c.romper(doc[1]);
        // The second of three new draws is bad: only the oldest is kept, so that the draws
        // file has no hole; the newest comes again with the next download.
        const LecturaSorteos l = LeerSorteosNuevos(Www(doc), cien[3].Fecha, kHoy);
        EXPECT_FALSE(l.Fallo);
        ASSERT_EQ(l.Nuevos.size(), 1u);
        EXPECT_EQ(l.Nuevos[0], cien[2]);
        EXPECT_EQ(l.NoGuardados, 2);
        EXPECT_EQ(l.FechaMala, OleAFecha(doc[1].Fecha));
    }
}

TEST(Analisis, DocumentosQueNoSePuedenLeer) {
    const std::vector<Sorteo> cien = CienDias(Historico(), kHoy);
    const QByteArray bueno = Www(cien);
    // More than 50 new draws.
    std::vector<Sorteo> muchos;
    for (int i = 0; i < 60; ++i)
        muchos.push_back(pruebas::UnSorteo(kHoy.addDays(-i), {1, 2, 3, 4, 5, 6}, 7, 8));
    EXPECT_TRUE(LeerSorteosNuevos(Www(muchos), FechaAOle(kHoy.addDays(-70)), kHoy).Fallo);
    // 50 new draws are taken.
    EXPECT_EQ(LeerSorteosNuevos(Www(muchos), FechaAOle(kHoy.addDays(-50)), kHoy).Nuevos.size(),
              50u);
    // A date that is no date, nothing at all.
    QByteArray fechaMala = bueno;
    fechaMala.replace(bueno.indexOf("2026-08-17"), 10, "2026-08-xx");
    EXPECT_TRUE(LeerSorteosNuevos(fechaMala, cien[3].Fecha, kHoy).Fallo);
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
    // A short list (under 10000 characters) examines no entry.
    const LecturaSorteos corta = LeerSorteosNuevos(Www({cien[0], cien[1]}), cien[3].Fecha, kHoy);
    EXPECT_FALSE(corta.Fallo);
    EXPECT_TRUE(corta.Nuevos.empty());
}

// For random stretches of the real history, the draws read out of a document are exactly
// those a plain merge expects: every draw of the document later than the newest one held.
TEST(Analisis, PropiedadLaLecturaEsLaFusionEsperada) {
    const std::vector<Sorteo> h = Historico();
    std::mt19937 azar(1985);
    for (int vuelta = 0; vuelta < 40; ++vuelta) {
        // A "today" somewhere in the history, and some of the last draws not held yet.
        const size_t hoyIndice = 200 + azar() % (h.size() - 200);
        const QDate hoy = OleAFecha(h[hoyIndice].Fecha).addDays(azar() % 3);
        const std::vector<Sorteo> cien = CienDias(h, hoy);
        const int nuevos = static_cast<int>(azar() % std::min<size_t>(20, cien.size() - 8));
        const double ultimo = cien[nuevos].Fecha;
        const LecturaSorteos l = LeerSorteosNuevos(Www(cien), ultimo, hoy);
        ASSERT_FALSE(l.Fallo) << vuelta;
        std::vector<Sorteo> esperado;
        for (const Sorteo& s : cien) {
            if (s.Fecha > ultimo) esperado.push_back(s);
        }
        EXPECT_EQ(l.Nuevos, esperado) << "vuelta " << vuelta << ", " << nuevos << " nuevos";
    }
}

TEST(Analisis, DesgloseYPdf) {
    const std::vector<Sorteo> cien = CienDias(Historico(), kHoy);
    const Desglose d = LeerDesglose(Www(cien));
    ASSERT_TRUE(d.Categorias.has_value());
    // "1.234.567,89 €" loses its blank and its sign.
    EXPECT_EQ((*d.Categorias)[0].Linea(), QStringLiteral("0,00"));
    EXPECT_EQ((*d.Categorias)[1].Linea(), QStringLiteral("1.234.567,89"));
    EXPECT_EQ((*d.Categorias)[5].Linea(), QStringLiteral("8,00"));
    EXPECT_EQ(d.RutaPdf,
              QStringLiteral("/f/loterias/documentos/La Primitiva/2026/Primitiva_20260817.pdf"));

    // "\u00c1" in the path becomes "Á".
    QByteArray conEscape = Www(cien);
    conEscape.replace("La Primitiva/2026", "La Primitiva/A\\u00c1B");
    EXPECT_TRUE(LeerDesglose(conEscape).RutaPdf.contains(QStringLiteral("/AÁB/")));

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

TEST(Analisis, DireccionEnLasNoticias) {
    const struct {
        const char* informe;
        const char* direccion;
    } casos[] = {
        {"<p>Nueva dirección: web:www.tombolin.example/nueva></p>", "www.tombolin.example/nueva"},
        {"<p>web:www.tombolin.example nueva></p>", "www.tombolin.example/nueva"},
        {"<p>sin marcador</p>", ""},
        {"<p>web:javascript:alert(1)></p>", ""},
        {"<p>web:\"><script>x</script>></p>", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(DireccionEnNoticias(c.informe), QString::fromUtf8(c.direccion)) << c.informe;
    }
    const QByteArray enorme = "web:" + QByteArray(5000, 'a') + ">";
    EXPECT_EQ(DireccionEnNoticias(enorme), QString());
}

}  // namespace
}  // namespace tombolin
