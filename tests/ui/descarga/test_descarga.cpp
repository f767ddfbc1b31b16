// The download of new draws against a real HTTP server on 127.0.0.1, the watchdog driven tick
// by tick on a fixed day, the prize breakdown with the official PDF, and the news.
#include <gtest/gtest.h>

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <optional>

#include "core/configuracion.h"
#include "core/fechas.h"
#include "core/penas.h"
#include "core/sorteos.h"
#include "programa/cadena_descarga.h"
#include "results/analisis.h"
#include "results/textos_descarga.h"
#include "support/documento_real.h"
#include "support/penas_prueba.h"
#include "support/servidor_http.h"
#include "support/transferencia_guion.h"
#include "ui/descarga/infor.h"
#include "ui/estadisticas/pagina_crear_combinacion.h"
#include "ui/penas/crea.h"
#include "ui/penas/pagina_gestor.h"
#include "ui/resultados/modelo_resultados.h"
#include "ui/resultados/pagina_general.h"
#include "ui/resultados/pagina_ultimo_sorteo.h"
#include "ui/ventana_prueba.h"

namespace tombolin {
namespace {

using pruebas::Hijo;
using pruebas::ServidorHttp;
using R = ServidorHttp::Respuesta;

const QString kRuta = QStringLiteral("/servicios/buscadorSorteos");
const QString kPdf =
    QStringLiteral("/f/loterias/documentos/La Primitiva/2026/Primitiva_20260817.pdf");

QByteArray UnPdf() {
    QByteArray pdf;
    QBuffer b(&pdf);
    b.open(QIODevice::WriteOnly);
    QPdfWriter w(&b);
    QPainter(&w).drawText(100, 100, QStringLiteral("Acta del sorteo"));  // and ends the document
    return pdf;
}

class Descarga : public ::testing::Test {
  protected:
    ServidorHttp servidor;
    pruebas::VentanaPrueba v;
    const std::vector<Sorteo>& historia = pruebas::Historia();
    CadenaDescarga* cadena = nullptr;
    // What the service knows: it answers each request with the draws of the dates asked for.
    // The history's draw of 18/12/2025 came from a record without its Joker; the service has
    // one.
    std::vector<Sorteo> publicados = [this] {
        std::vector<Sorteo> r = historia;
        for (Sorteo& s : r)
            if (s.Joker < 0 && OleAFecha(s.Fecha).year() > 2012) s.Joker = 3141592;
        return r;
    }();
    pruebas::OpcionesReal opciones{.conPdf = true};
    bool ofrecerImportes = false;
    // A request (numbered from 1) can be answered otherwise.
    std::function<std::optional<R>(size_t, const ServidorHttp::Peticion&)> estropear;

    // The draws held: the real history up to `hasta`; today is 18/08/2026 unless given.
    // `otra` stands for the real download transfer when given.
    void Arrancar(QDate hasta, bool conPenas = true, Transferencia* otra = nullptr,
                  QDate hoy = QDate(2026, 8, 18)) {
        v.reloj.Poner(hoy);
        pruebas::EscribirSorteos(v.dir.path(), HastaHoy(hasta));
        if (conPenas)
            pruebas::EscribirPenas(v.dir.path(),
                                   {pruebas::PenaSencilla("Bar", {{2, 4, 19, 28, 46, 1}})});
        servidor.PonerServicio(kRuta, [this](const ServidorHttp::Peticion& p) {
            if (estropear) {
                if (std::optional<R> r = estropear(servidor.peticiones.size(), p)) return *r;
            }
            return R(200, pruebas::RespuestaEntre(publicados, p.Fecha("fechaInicioInclusiva"),
                                                  p.Fecha("fechaFinInclusiva"), opciones));
        });
        ASSERT_TRUE(v.Arrancar(servidor.Base(), otra));
        cadena = v.ventana->findChild<CadenaDescarga*>();
        // The offer of older amounts after a download is its own test's.
        if (!ofrecerImportes) MarcarImportesOfrecidos(v.ventana->estado().Config);
    }
    // The answer for the 100 days up to 18/08/2026, in the service's real shape, with its PDF.
    QByteArray Documento() {
        return pruebas::ListaReal(pruebas::CienDias(historia, QDate(2026, 8, 18)), opciones);
    }
    void BajarYLeer() {
        v.Bajar();
        cadena->TicVigilante();
    }
    // A click, and every request of the chain answered and read, a tick after each.
    void BajarTodo() {
        v.Bajar();
        for (int i = 0; i < 400 && cadena->Descargando(); ++i) {
            cadena->TicVigilante();
            for (int k = 0; k < 500 && v.descarga.Ejecutando(); ++k) QTest::qWait(5);
        }
    }
    // The dates of each request, as "dd/MM/yyyy-dd/MM/yyyy".
    QStringList Pedidos() const {
        QStringList r;
        for (const auto& p : servidor.peticiones) {
            if (p.ruta != kRuta) continue;
            r << FechaCorta(p.Fecha("fechaInicioInclusiva")) + QLatin1Char('-') +
                     FechaCorta(p.Fecha("fechaFinInclusiva"));
        }
        return r;
    }
    QString Etiqueta(const char* nombre) {
        return v.ventana->findChild<QLabel*>(QLatin1String(nombre))->text();
    }
    std::vector<Sorteo> Fichero() { return LeerTodosLosSorteos(v.ventana->estado().Sorteos); }
    // The day of the first draw the service holds after `dia`.
    QDate SiguienteSorteo(QDate dia) const {
        for (const Sorteo& s : HastaHoy(QDate(9999, 1, 1)))
            if (OleAFecha(s.Fecha) > dia) return OleAFecha(s.Fecha);
        return {};
    }
    // What the service knows up to `hoy`, oldest first.
    std::vector<Sorteo> HastaHoy(QDate hoy) const {
        std::vector<Sorteo> r;
        for (const Sorteo& s : publicados)
            if (OleAFecha(s.Fecha) <= hoy) r.push_back(s);
        std::sort(r.begin(), r.end(),
                  [](const Sorteo& a, const Sorteo& b) { return a.Fecha < b.Fecha; });
        return r;
    }
};

TEST_F(Descarga, TresSorteosNuevosSeGuardanSeCompruebanYSeMuestran) {
    Arrancar(QDate(2026, 8, 10));
    const QByteArray doc = Documento();
    servidor.Poner(kPdf, R(200, UnPdf()).Tipo("application/pdf").Retraso(300));
    // Before any download the breakdown's page says how to get it.
    EXPECT_EQ(v.Pagina<PaginaUltimoSorteo>()->Mensaje(),
              QStringLiteral("\r\nTodavía no se ha bajado ningún sorteo.\r\nPulse «Bajar sorteos "
                             "nuevos» para ver los premios y el PDF oficial del último sorteo."));
    v.Pestanas()->setCurrentIndex(Principal::kGestor);

    v.Bajar();
    EXPECT_EQ(cadena->TextoEstado(), QStringLiteral("BUSCANDO SORTEOS"));
    EXPECT_EQ(cadena->ProgresoActual(), 1);
    EXPECT_EQ(v.Pestanas()->currentIndex(), 0);
    ASSERT_TRUE(cadena->Descargando());
    ASSERT_EQ(servidor.peticiones.size(), 1u);
    EXPECT_EQ(servidor.peticiones[0].consulta,
              QStringLiteral("game_id=LAPR&celebrados=true&fechaInicioInclusiva=20260510&"
                             "fechaFinInclusiva=20260818"));
    // One request alone: nothing says which of several it is.
    EXPECT_FALSE(Hijo<QProgressBar>(v.ventana.get(), "progresoDescarga")->isTextVisible());

    // While the official PDF comes, the download is not over: no second one starts, and the
    // commands that change files still wait.
    bool botonDurante = true, borrarDurante = true;
    QTimer::singleShot(150, [&] {
        botonDurante = pruebas::Hijo<QPushButton>(v.ventana.get(), "botonBajar")->isEnabled();
        borrarDurante = pruebas::Hijo<QAction>(v.ventana.get(), "borrpe")->isEnabled();
    });
    cadena->TicVigilante();
    EXPECT_FALSE(botonDurante);
    EXPECT_FALSE(borrarDurante);
    EXPECT_TRUE(v.dialogos.cajas.empty()) << v.dialogos.cajas[0].texto.toStdString();
    EXPECT_FALSE(cadena->Descargando());
    // The PDF came through the same transfer: the count is still the document's.
    EXPECT_EQ(Etiqueta("bytesDescarga"), QString::number(doc.size()));
    // The bar shows the chain's end.
    pruebas::Etiquetas(v.ventana.get(), {"estadoDescarga=TRANSFERENCIA FINALIZADA"});
    EXPECT_EQ(Hijo<QProgressBar>(v.ventana.get(), "progresoDescarga")->value(), 5);
    // Whole records appended, oldest first: 13/08 to 17/08, the last three of the history.
    EXPECT_EQ(Fichero(), publicados);
    // "www.txt" holds the document as one quoted item.
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("www.txt")), ComoElementoEntrecomillado(doc));
    // The check ran over the new draws: the selector shows them, the notice blinks.
    PaginaGeneral* g = v.Pagina<PaginaGeneral>();
    EXPECT_EQ(g->NuevosSorteos(), QStringLiteral("3 sorteos"));
    EXPECT_EQ(g->SorteosAComprobar(), 3);
    EXPECT_EQ(g->modeloSencilla()->Lista().Bloques().size(), 3u);
    EXPECT_TRUE(g->AvisoPremioActivo());  // 5 hits on 17/08
    // and the desktop is told, once.
    ASSERT_EQ(v.notificador.avisos.size(), 1);
    EXPECT_TRUE(v.notificador.avisos[0].startsWith(
        QStringLiteral("Premio en La Primitiva | La peña «Bar» ha ganado ")));
    EXPECT_TRUE(
        v.notificador.avisos[0].endsWith(QStringLiteral(" € en el sorteo del lunes 17 de agosto")));
    EXPECT_EQ(Etiqueta("ultimoSorteo"), QStringLiteral("Lunes, 17 de agosto del 2026"));
    // The breakdown and the official PDF, fetched over the operator's host.
    PaginaUltimoSorteo* u = v.Pagina<PaginaUltimoSorteo>();
    EXPECT_EQ(u->Titulo(), QStringLiteral("-Informe del Lunes, 17 de agosto del 2026"));
    // Each category reads as the operator names it, with what it paid.
    QStringList nombres;
    for (QLabel* l : u->findChildren<QLabel*>()) nombres << l->text();
    EXPECT_TRUE(nombres.contains(QStringLiteral("2ª (5 aciertos + C):")));
    EXPECT_EQ(u->Categoria(0), QStringLiteral("Bote"));
    EXPECT_TRUE(u->Categoria(5).endsWith(QStringLiteral(" acertantes")));
    EXPECT_TRUE(u->PdfVisible()) << u->Mensaje().toStdString();
    EXPECT_TRUE(pruebas::LeerBytes(v.Ruta("mavo.pdf")).startsWith("%PDF"));
}

// The real entry of 17/08/2017 as the service sent it: its numbers stand as balls on "Último
// sorteo", each named for a screen reader, and on the draw's date row of the results list.
TEST_F(Descarga, LosNumerosDeLaEntradaRealEnBolasYEnLaLista) {
    estropear = [](size_t, const ServidorHttp::Peticion&) {
        return std::optional<R>(R(200, "[" + pruebas::EntradaReal20170817() + "]"));
    };
    pruebas::EscribirPenas(v.dir.path(), {pruebas::PenaSencilla("Bar", {{8, 17, 20, 21, 22, 23}})});
    Arrancar(QDate(2017, 8, 14), false, nullptr, QDate(2017, 8, 18));
    BajarYLeer();
    ASSERT_EQ(OleAFecha(Fichero().back().Fecha), QDate(2017, 8, 17));
    PaginaUltimoSorteo* u = v.Pagina<PaginaUltimoSorteo>();
    QStringList vistos, nombres;
    for (const char* b :
         {"bola0", "bola1", "bola2", "bola3", "bola4", "bola5", "bolaC", "bolaR", "joker"}) {
        vistos << Hijo<QLabel>(u, b)->text();
        nombres << Hijo<QLabel>(u, b)->accessibleName();
    }
    EXPECT_EQ(vistos.join(' '), QStringLiteral("08 17 19 45 48 49 43 2 Joker 8337021"));
    EXPECT_EQ(nombres.join(", "), QStringLiteral("Número 8, Número 17, Número 19, Número 45, "
                                                 "Número 48, Número 49, Complementario 43, "
                                                 "Reintegro 2, Joker 8337021"));
    const QAbstractItemModel* lista = v.Pagina<PaginaGeneral>()->modeloSencilla();
    QStringList fila;
    for (int c = 0; c < 8; ++c) fila << lista->index(2, c).data().toString();
    EXPECT_EQ(fila.join('|'), QStringLiteral("|8|17|19|45|48|49|17/08/2017 Jueves"));
}

// A prize counted before its draw's breakdown is held waits for its amount; the next download,
// whose last request covers the last 100 days again, brings it to the syndicate's card.
TEST_F(Descarga, UnPremioSinDesgloseQuedaPendienteHastaLaSiguienteDescarga) {
    estropear = [this](size_t n, const ServidorHttp::Peticion& p) -> std::optional<R> {
        if (n != 1) return std::nullopt;
        static const QRegularExpression escrutinio(QStringLiteral("\"escrutinio\":\\[[^\\]]*\\]"));
        QString cuerpo = QString::fromUtf8(pruebas::RespuestaEntre(
            publicados, p.Fecha("fechaInicioInclusiva"), p.Fecha("fechaFinInclusiva"), opciones));
        return R(200, cuerpo.replace(escrutinio, QStringLiteral("\"escrutinio\":[]")).toUtf8());
    };
    // Played from 16/08: the five hits of 17/08 (2 4 19 28 46 48) are its only prize.
    pruebas::EscribirPenas(
        v.dir.path(), {pruebas::PenaSencilla("Bar", {{2, 4, 19, 28, 46, 1}},
                                             QStringLiteral("Todos (L+J+S)"), QDate(2026, 8, 16))});
    Arrancar(QDate(2026, 8, 15), false, nullptr, QDate(2026, 8, 17));
    BajarYLeer();
    ASSERT_EQ(OleAFecha(Fichero().back().Fecha), QDate(2026, 8, 17));
    pruebas::Etiquetas(v.Pagina<PaginaGestor>(),
                       {"ganado=0,00 € y 1 premio con importe pendiente",
                        "gastado=1,00 € (1 sorteo a 1,00 €, al precio de hoy)", "balance=-1,00 €"});
    v.reloj.Poner(QDate(2026, 8, 18));
    BajarYLeer();
    // Its category, "3ª (5 Aciertos)", paid 2.462,19 € a winner in the service's answer.
    pruebas::Etiquetas(v.Pagina<PaginaGestor>(), {"ganado=2.462,19 €", "balance=2.461,19 €"});
    pruebas::Etiquetas(v.Pagina<PaginaUltimoSorteo>(), {"ganadoSorteo=Bar: 2.462,19 €"});
}

// "Completar importes": the amounts of prizes older than any download are asked for, in requests
// of at most 100 days over the days that lack them; no draw is stored, and the card has them.
TEST_F(Descarga, CompletarImportesTraeLosDeLosPremiosAntiguos) {
    pruebas::EscribirPenas(
        v.dir.path(), {pruebas::PenaSencilla("Bar", {{2, 4, 19, 28, 46, 1}},
                                             QStringLiteral("Todos (L+J+S)"), QDate(2024, 1, 1))});
    ofrecerImportes = true;
    Arrancar(QDate(2026, 8, 17), false);
    const std::vector<Sorteo> antes = Fichero();
    const QString pendiente = Etiqueta("ganado");
    ASSERT_TRUE(pendiente.startsWith(QStringLiteral("0,00 € y "))) << pendiente.toStdString();
    // The first download brings the last 100 days' amounts, and offers the older ones, once.
    v.dialogos.respuestas = {Respuesta::No};
    BajarTodo();
    ASSERT_EQ(v.dialogos.cajas.size(), 2u);  // nothing new, then the offer
    EXPECT_TRUE(v.dialogos.cajas[1].texto.contains(QStringLiteral("Completar importes")));
    EXPECT_TRUE(
        ImportesOfrecidos(DecodificarConfiguracion(pruebas::LeerBytes(v.Ruta("nums.ini")))));
    BajarTodo();
    EXPECT_EQ(v.dialogos.cajas.size(), 3u);  // not offered again
    v.dialogos.cajas.clear();
    servidor.peticiones.clear();
    Hijo<QAction>(v.ventana.get(), "completarImportes")->trigger();
    for (int i = 0; i < 400 && cadena->Descargando(); ++i) {
        cadena->TicVigilante();
        for (int k = 0; k < 500 && v.descarga.Ejecutando(); ++k) QTest::qWait(5);
    }
    ASSERT_GE(servidor.peticiones.size(), 2u);
    for (const auto& p : servidor.peticiones) {
        EXPECT_LE(p.Fecha("fechaInicioInclusiva").daysTo(p.Fecha("fechaFinInclusiva")), 99);
        EXPECT_GE(p.Fecha("fechaInicioInclusiva"), QDate(2024, 1, 1));
    }
    EXPECT_EQ(Fichero(), antes);
    ASSERT_EQ(v.dialogos.cajas.size(), 1u);
    EXPECT_TRUE(v.dialogos.cajas[0].texto.startsWith(QStringLiteral("Desglose recibido de ")))
        << v.dialogos.cajas[0].texto.toStdString();
    // Every prize of the year has its amount now.
    EXPECT_FALSE(Etiqueta("ganado").contains(QStringLiteral("pendiente")))
        << Etiqueta("ganado").toStdString();
    EXPECT_FALSE(Etiqueta("ganado").startsWith(QStringLiteral("0,00 €")));
}

// However far behind the file is, every draw the service holds comes, each request of at most
// 100 days, oldest first; short answers are read to their end.
TEST_F(Descarga, CadaSorteoQueFaltaLlegaPorAtrasadoQueEsteElFichero) {
    const struct {
        const char* caso;
        QDate hasta, hoy;
        QStringList pedidos;
    } casos[] = {
        // 3 days behind: one request, an answer of two draws.
        {"tres días", QDate(2026, 8, 13), QDate(2026, 8, 17), {"09/05/2026-17/08/2026"}},
        // 120 days behind: two requests; the older draws are in the first one's answer.
        {"120 días",
         QDate(2026, 4, 20),
         QDate(2026, 8, 18),
         {"21/04/2026-09/05/2026", "10/05/2026-18/08/2026"}},
        // Nothing new in three requests (the day the history lacks, which the service lacks
        // too, and the days after the newest draw): one box says so, once.
        {"nada nuevo",
         QDate(2026, 8, 17),
         QDate(2026, 12, 7),
         {"11/07/2026-11/07/2026", "18/08/2026-28/08/2026", "29/08/2026-07/12/2026"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        v.dialogos.cajas.clear();
        servidor.peticiones.clear();
        Arrancar(c.hasta, true, nullptr, c.hoy);
        BajarTodo();
        EXPECT_EQ(Pedidos(), c.pedidos);
        EXPECT_EQ(Fichero(), HastaHoy(c.hoy));
        const int nuevos = static_cast<int>(HastaHoy(c.hoy).size() - HastaHoy(c.hasta).size());
        EXPECT_EQ(cadena->SorteosNuevos(), std::max(nuevos, 1));
        EXPECT_EQ(v.Pagina<PaginaGeneral>()->NuevosSorteos(),
                  nuevos ? QStringLiteral("%1 sorteos").arg(nuevos) : QString());
        EXPECT_EQ(cadena->TextoEstado(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
        // The chain ends once, quietly; "nothing new" is said once.
        if (nuevos == 0) {
            EXPECT_TRUE(v.dialogos.SoloMuestra("Todavía no hay sorteos nuevos."));
        } else {
            EXPECT_TRUE(v.dialogos.cajas.empty());
        }
        v.ventana.reset();
    }
}

// The shipped history lacks the draw of 11/07/2026. Once imported, a download asks for that
// day too and puts the draw in its place; a syndicate already checked past it counts it once.
TEST_F(Descarga, ElSorteoQueLeFaltaAlHistoricoVuelveASuSitioYCuenta) {
    const QDate hoy(2026, 12, 7);
    const std::vector<Sorteo> guardados = HastaHoy(QDate(2026, 8, 17));
    publicados.push_back(
        pruebas::UnSorteo(QDate(2026, 7, 11), {3, 9, 17, 26, 38, 44}, 12, 5, 4417001));
    for (const Sorteo& s : pruebas::Inventados(QDate(2026, 8, 18), hoy)) publicados.push_back(s);
    Pena pena = pruebas::PenaSencilla("Desde julio", {{3, 9, 17, 26, 1, 2}}, "Todos (L+J+S)",
                                      QDate(2026, 7, 1));
    v.reloj.Poner(hoy);
    pruebas::EscribirPenas(v.dir.path(), {pena});
    pruebas::EscribirSorteos(v.dir.path(), guardados);
    ASSERT_TRUE(v.Arrancar(servidor.Base()));
    MarcarImportesOfrecidos(v.ventana->estado().Config);
    // Independent count of its prizes: the hits of its line on each draw since 01/07/2026.
    const auto premios = [&](const std::vector<Sorteo>& sorteos) {
        std::array<int16_t, 8> r{};
        for (const auto& [k, n] : pruebas::ContarAMano(pena, sorteos))
            r[static_cast<size_t>(k)] = static_cast<int16_t>(n);
        return r;
    };
    // Its start checked it up to 17/08: the four hits of 11/07 are not among its prizes.
    Pena comprobada;
    ASSERT_TRUE(LeerPena(v.ventana->estado().Penas, 1, comprobada));
    EXPECT_EQ(OleAFecha(comprobada.FechaComprobado), QDate(2026, 8, 17));
    EXPECT_EQ(comprobada.Aciertos, premios(guardados));
    // The draw list says what is missing.
    EXPECT_EQ(Etiqueta("sorteosQueFaltan"),
              QStringLiteral("Falta el sorteo del Sábado, 11 de julio del 2026: «Bajar sorteos "
                             "nuevos» lo traerá."));
    servidor.PonerServicio(kRuta, [this](const ServidorHttp::Peticion& p) {
        return R(200, pruebas::RespuestaEntre(publicados, p.Fecha("fechaInicioInclusiva"),
                                              p.Fecha("fechaFinInclusiva")));
    });
    cadena = v.ventana->findChild<CadenaDescarga*>();
    BajarTodo();
    EXPECT_EQ(Pedidos(), QStringList({"11/07/2026-11/07/2026", "18/08/2026-28/08/2026",
                                      "29/08/2026-07/12/2026"}));
    EXPECT_EQ(Fichero(), HastaHoy(hoy));
    Pena despues;
    ASSERT_TRUE(LeerPena(v.ventana->estado().Penas, 1, despues));
    EXPECT_EQ(despues.Aciertos, premios(HastaHoy(hoy)));
    EXPECT_EQ(despues.Aciertos[4], comprobada.Aciertos[4] + 1);
    EXPECT_EQ(OleAFecha(despues.FechaComprobado), OleAFecha(publicados.back().Fecha));
    EXPECT_TRUE(Etiqueta("sorteosQueFaltan").isEmpty());
    EXPECT_TRUE(v.dialogos.cajas.empty()) << v.dialogos.cajas[0].texto.toStdString();
    // The desktop is told of every draw that brought a prize, the one put in its place too.
    int conPremio = 0;
    for (const Sorteo& s : HastaHoy(hoy))
        conPremio +=
            (s.Fecha > guardados.back().Fecha || OleAFecha(s.Fecha) == QDate(2026, 7, 11)) &&
            !pruebas::ContarAMano(pena, {s}).empty();
    EXPECT_EQ(v.notificador.avisos.size(), conPremio);
    EXPECT_EQ(v.notificador.avisos.filter(QStringLiteral("sábado 11 de julio")).size(), 1);
    // Nothing is asked for it again, nor counted or told twice.
    servidor.peticiones.clear();
    BajarTodo();
    EXPECT_EQ(Pedidos(), QStringList({"29/08/2026-07/12/2026"}));
    Pena otraVez;
    ASSERT_TRUE(LeerPena(v.ventana->estado().Penas, 1, otraVez));
    EXPECT_EQ(otraVez, despues);
    EXPECT_EQ(v.notificador.avisos.size(), conPremio);
}

// A request that fails stops the chain there: what came before stays and is checked, nothing
// after it is appended, the message names the dates still missing, and the next download
// starts from the newest draw held.
TEST_F(Descarga, UnaPeticionQueFallaGuardaLoAnteriorYDiceLoQueFalta) {
    const QDate hoy(2026, 8, 18);
    std::vector<Sorteo> malos = pruebas::CienDias(historia, hoy);
    malos[5].Joker = 0;
    const QDate malo = OleAFecha(malos[5].Fecha);
    const struct {
        const char* caso;
        R respuesta;
        int tics;  // after the answer, up to the one that tells
        QString texto;
        QDate hasta;  // the newest draw stored in the end
    } casos[] = {
        {"error 500", R(500, "error"), 5,
         QStringLiteral("%1\nEl servidor de ONLAE ha respondido con el error 500.")
             .arg(TextoNoConectado()),
         QDate(2026, 5, 9)},
        {"cortada", R(200, Documento()).Cortada(), 0, TextoRespuestaIncompleta(),
         QDate(2026, 5, 9)},
        {"truncada", R(200, Documento()).Truncada(), 1, TextoRespuestaIncompleta(),
         QDate(2026, 5, 9)},
        // The draws stored now span 11/07/2026, which the history lacks and the service too.
        {"un sorteo malo", R(200, pruebas::ListaReal(malos)), 1,
         QStringLiteral("ONLAE ha enviado datos incorrectos del sorteo del %1. No se han "
                        "guardado 6 sorteos de la descarga; se intentará de nuevo en la próxima."
                        "\nFalta el sorteo del 11/07/2026; se bajará en la próxima descarga.")
             .arg(FechaCorta(malo)),
         malo.addDays(-1)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        v.dialogos.cajas.clear();
        servidor.peticiones.clear();
        estropear = [&](size_t n, const ServidorHttp::Peticion&) -> std::optional<R> {
            if (n == 2) return c.respuesta;
            return std::nullopt;
        };
        Arrancar(QDate(2026, 4, 20), true, nullptr, hoy);
        v.Bajar();
        cadena->TicVigilante();  // the first answer is read; the second is asked for
        for (int k = 0; k < 500 && v.descarga.Ejecutando(); ++k) QTest::qWait(5);
        for (int i = 1; i < c.tics; ++i) cadena->TicVigilante();
        if (c.tics > 0) {
            EXPECT_TRUE(v.dialogos.cajas.empty());
            cadena->TicVigilante();
        }
        // The draws from 21/04 on, up to the failure, are stored, and checked: the results show
        // them.
        const std::vector<Sorteo> guardados = HastaHoy(c.hasta);
        EXPECT_TRUE(v.dialogos.SoloMuestra(
            c.texto + QStringLiteral("\nFaltan los sorteos desde el %1; se bajarán en la próxima "
                                     "descarga.")
                          .arg(FechaCorta(SiguienteSorteo(c.hasta)))));
        EXPECT_FALSE(cadena->Descargando());
        EXPECT_EQ(Fichero(), guardados);
        EXPECT_EQ(cadena->TextoEstado(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
        EXPECT_EQ(cadena->ProgresoActual(), 5);
        const int nuevos = static_cast<int>(guardados.size() - HastaHoy(QDate(2026, 4, 20)).size());
        EXPECT_EQ(v.Pagina<PaginaGeneral>()->SorteosAComprobar(), std::min(8, nuevos));

        // The next download, with the service well again, starts from the newest draw held.
        estropear = nullptr;
        servidor.peticiones.clear();
        v.dialogos.cajas.clear();
        BajarTodo();
        EXPECT_LE(QDate::fromString(Pedidos().front().left(10), QStringLiteral("dd/MM/yyyy")),
                  OleAFecha(guardados.back().Fecha).addDays(1));
        EXPECT_EQ(Fichero(), HastaHoy(hoy));
        EXPECT_TRUE(v.dialogos.cajas.empty());
        v.ventana.reset();
    }
}

// More than a year behind: asked first. No does nothing; a cancel keeps what came.
TEST_F(Descarga, MasDeUnAnoSePreguntaYSePuedeCancelar) {
    const QDate hoy(2026, 8, 18);
    v.dialogos.respuestas.push_back(Respuesta::No);
    Arrancar(QDate(2024, 12, 30), true, nullptr, hoy);
    v.Bajar();
    EXPECT_TRUE(v.dialogos.SoloMuestra(
        "Los sorteos guardados terminan el 30/12/2024. Para bajar todos los que faltan hay que "
        "hacer 6 peticiones a ONLAE, una tras otra; se puede cancelar en cualquier momento y lo "
        "ya bajado se guarda.\n¿Quiere bajarlos todos ahora?",
        "Bajar sorteos nuevos", Icono::Pregunta));
    EXPECT_TRUE(servidor.peticiones.empty());
    EXPECT_FALSE(cadena->Descargando());

    v.dialogos.cajas.clear();
    v.dialogos.respuestas.push_back(Respuesta::Si);
    v.Bajar();
    auto* cancelar = Hijo<QPushButton>(v.ventana.get(), "cancelarDescarga");
    auto* bajar = Hijo<QPushButton>(v.ventana.get(), "botonBajar");
    auto* tramo = Hijo<QProgressBar>(v.ventana.get(), "progresoDescarga");
    // The cancel stands where the download button was: the header is no wider.
    EXPECT_FALSE(cancelar->isHidden());
    EXPECT_TRUE(bajar->isHidden());
    EXPECT_EQ(tramo->text(), QStringLiteral("1 de 6"));
    EXPECT_EQ(tramo->accessibleDescription(),
              QStringLiteral("Petición 1 de 6: del 31/12/2024 al 09/04/2025"));
    EXPECT_TRUE(v.ventana->statusBar()->currentMessage().startsWith(QStringLiteral(
        "Bajando sorteos nuevos (petición 1 de 6: del 31/12/2024 al 09/04/2025): ")));
    cadena->TicVigilante();
    for (int k = 0; k < 500 && v.descarga.Ejecutando(); ++k) QTest::qWait(5);
    EXPECT_EQ(tramo->accessibleDescription(),
              QStringLiteral("Petición 2 de 6: del 10/04/2025 al 18/07/2025"));
    QTest::mouseClick(cancelar, Qt::LeftButton);
    EXPECT_TRUE(v.dialogos.Muestra(-1,
                                   QStringLiteral("Descarga cancelada.\nFaltan los sorteos desde "
                                                  "el %1; se bajarán en la próxima descarga.")
                                       .arg(FechaCorta(SiguienteSorteo(QDate(2025, 4, 9)))),
                                   "Bajar sorteos nuevos"));
    EXPECT_FALSE(cadena->Descargando());
    EXPECT_TRUE(cancelar->isHidden());
    EXPECT_FALSE(bajar->isHidden());
    EXPECT_EQ(Fichero(), HastaHoy(QDate(2025, 4, 9)));
    EXPECT_EQ(cadena->TextoEstado(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
}

// Whatever goes wrong with the one answer, no draw is stored: the message names what happened.
TEST_F(Descarga, UnaRespuestaQueNoSirveNoTocaLosSorteos) {
    Arrancar(QDate(2026, 8, 10));
    QByteArray fechaImposible = Documento();
    fechaImposible.replace(fechaImposible.indexOf("2026-08-17"), 10, "2026-08-xx");
    const QByteArray antes = pruebas::LeerBytes(v.Ruta("numeros.dat"));
    const QByteArray www = pruebas::LeerBytes(v.Ruta("www.txt"));
    TransferenciaQt& t = v.descarga;
    const QString conCausa =
        QStringLiteral("%1\nEl servidor de ONLAE ha respondido con el error %2.");
    const struct {
        const char* caso;
        R respuesta;
        int tics;  // up to the one that tells; 0 when told as soon as the transfer ends
        QString texto;
        const char* titulo;
        int progreso;        // in the end
        bool leido = false;  // a whole list, kept in "www.txt" and read
    } casos[] = {
        // 100 characters or fewer are no answer: the status stays "CONECTANDO AL SERVIDOR".
        {"100 caracteres", R(200, QByteArray(100, 'x')), 5, TextoNoConectado(), "Error de conexión",
         0},
        {"403 con página de error", R(403, QByteArray(2000, 'e')), 30,
         conCausa.arg(TextoTardaEnResponder()).arg(403), "Error de conexión", 0},
        {"500 corto", R(500, "error"), 5, conCausa.arg(TextoNoConectado()).arg(500),
         "Error de conexión", 0},
        // An answer cut on the way is known at once for what it is.
        {"cortado a la mitad", R(200, Documento()).Cortada(), 0, TextoRespuestaIncompleta(),
         "Error de conexión", 0},
        {"truncado sin longitud", R(200, Documento()).Truncada(), 1, TextoRespuestaIncompleta(),
         "Error de conexión", 0},
        {"demasiado grande", R(200, QByteArray(5000, 'g')), 0,
         QStringLiteral("La respuesta del servidor es demasiado grande. No se ha guardado nada."),
         "Error de conexión", 0},
        // A web page is not "no draws yet": it is no document to read, and the window ends as
        // after one that could not be read.
        {"página web",
         R(200, "<html><body>" + QByteArray(500, 'm') + "</body></html>").Tipo("text/html"), 1,
         TextoDatosCorruptos() + QLatin1Char('\n') + TextoRespuestaExtrana(), "Error crítico", 5},
        // A whole list whose draws can't be read: the document area says so too.
        {"fecha imposible", R(200, fechaImposible), 1,
         QStringLiteral("¡¡Datos corruptos o inválidos!! Si se repite en otros momentos este "
                        "mismo error, posiblemente se ha de actualizar el programa. Pruebe más "
                        "tarde."),
         "Error crítico", 5, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        v.dialogos.cajas.clear();
        t.PonerLimiteBytes(QString::fromUtf8(c.caso) == QStringLiteral("demasiado grande")
                               ? 4000
                               : TransferenciaQt::kLimiteBytes);
        estropear = [&](size_t, const ServidorHttp::Peticion&) -> std::optional<R> {
            return c.respuesta;
        };
        v.Bajar();
        for (int i = 1; i < c.tics; ++i) cadena->TicVigilante();
        if (c.tics > 0) {
            EXPECT_TRUE(v.dialogos.cajas.empty());
            cadena->TicVigilante();
        }
        EXPECT_TRUE(v.dialogos.SoloMuestra(c.texto, c.titulo));
        EXPECT_EQ(cadena->ProgresoActual(), c.progreso);
        EXPECT_FALSE(cadena->Descargando());
        EXPECT_EQ(pruebas::LeerBytes(v.Ruta("numeros.dat")), antes);
        // Only a whole list of draws replaces the document kept.
        EXPECT_EQ(pruebas::LeerBytes(v.Ruta("www.txt")) == www, !c.leido);
        EXPECT_EQ(cadena->AnalisisFallido(), c.progreso == 5);
    }
    EXPECT_EQ(v.Pagina<PaginaUltimoSorteo>()->Mensaje(),
              QStringLiteral("\r\nERROR DE INTERPRETACIÓN DE DATOS:\r\nSi más tarde se "
                             "conecta y le vuelve a suceder envie un email a: "
                             "contacto@tombolin.example"));
    t.PonerLimiteBytes(TransferenciaQt::kLimiteBytes);
}

TEST_F(Descarga, MasDeOchoNuevosYFechaDelOrdenador) {
    Arrancar(QDate(2026, 7, 20));
    BajarYLeer();
    EXPECT_EQ(cadena->SorteosNuevos(), 12);
    EXPECT_EQ(v.Pagina<PaginaGeneral>()->NuevosSorteos(), QStringLiteral("12 sorteos"));
    EXPECT_EQ(v.Pagina<PaginaGeneral>()->SorteosAComprobar(), 8);
    // The same document again: equal dates are not new. Nor is there anything new when the
    // service answers its short message or an empty list.
    for (const QByteArray& respuesta :
         {Documento(), QByteArray(pruebas::kRespuestaSinSorteos), QByteArray("[]")}) {
        estropear = [&](size_t, const ServidorHttp::Peticion&) -> std::optional<R> {
            return R(200, respuesta);
        };
        v.dialogos.cajas.clear();
        BajarYLeer();
        EXPECT_TRUE(v.dialogos.SoloMuestra("Todavía no hay sorteos nuevos.", "Pruebe más tarde"))
            << respuesta.left(40).constData();
    }
    // A clock before the newest draw held: nothing is asked for.
    v.dialogos.cajas.clear();
    const size_t peticiones = servidor.peticiones.size();
    v.reloj.Poner(QDate(2026, 8, 1));
    v.Bajar();
    EXPECT_TRUE(v.dialogos.SoloMuestra(
        "La fecha de tu ordenador parece incorrecta. Existen sorteos en la base de datos con "
        "fechas porsteriores a la actual. Comprueba la fecha de tu ordenador.",
        "Error de fechas"));
    EXPECT_EQ(servidor.peticiones.size(), peticiones);
}

TEST_F(Descarga, MientrasDescargaNoSeRepiteNiSeAbrenOtrasCosas) {
    Arrancar(QDate(2026, 8, 10));
    v.Mostrar();
    estropear = [&](size_t, const ServidorHttp::Peticion&) -> std::optional<R> {
        return R(200, Documento()).Retraso(300);
    };
    // Six numbers ranked in the wizard: a simple syndicate can be made from them.
    auto* asistente = v.Pagina<PaginaCrearCombinacion>();
    pruebas::Hijo<QSlider>(asistente, "cuantos")->setValue(6);
    // The commands that change files wait, and say why; the others don't.
    const auto habilitados = [&] {
        QStringList r;
        for (const char* n : {"borrpe", "Leer", "salir", "sencillas"})
            r << QString::number(pruebas::Hijo<QAction>(v.ventana.get(), n)->isEnabled());
        for (const char* n : {"botonBorrarSorteos", "botonImportarSorteos", "crearSencilla"})
            r << QString::number(pruebas::Hijo<QAbstractButton>(v.ventana.get(), n)->isEnabled());
        return r.join(QLatin1Char(' '));
    };
    QString durante, aviso;
    QTimer::singleShot(50, [&] {
        durante = habilitados();
        aviso = v.ventana->statusBar()->currentMessage();
        v.Bajar();  // a second click while the first transfer waits
        pruebas::Hijo<QAction>(v.ventana.get(), "Leer")->trigger();
        // Nor may the draws file change under it, nor a syndicate be made from the wizard.
        pruebas::Hijo<QAction>(v.ventana.get(), "borrpe")->trigger();
        emit asistente->crearPenaGuiada(0, nullptr);
    });
    v.Bajar();
    EXPECT_EQ(durante, QStringLiteral("0 0 1 1 0 0 0"));
    EXPECT_TRUE(aviso.startsWith(QStringLiteral("Bajando sorteos nuevos"))) << aviso.toStdString();
    EXPECT_EQ(servidor.peticiones.size(), 1u);
    EXPECT_EQ(v.ventana->findChild<Infor*>(), nullptr);
    EXPECT_EQ(v.ventana->findChild<Crea*>(), nullptr);
    EXPECT_TRUE(v.dialogos.cajas.empty());
    // The latest draw's tab can't be opened while the watchdog runs.
    v.Pestanas()->setCurrentIndex(Principal::kUltimoSorteo);
    EXPECT_EQ(v.Pestanas()->currentIndex(), 0);
    cadena->TicVigilante();
    v.Pestanas()->setCurrentIndex(Principal::kUltimoSorteo);
    EXPECT_EQ(v.Pestanas()->currentIndex(), 1);
    EXPECT_EQ(habilitados(), QStringLiteral("1 1 1 1 1 1 1"));
    EXPECT_EQ(v.ventana->statusBar()->currentMessage(), QString());
}

TEST_F(Descarga, ElPdfQueNoSeVe) {
    Arrancar(QDate(2026, 8, 10));
    servidor.Poner(kPdf, R(200, "%PDF-1.4 roto"));
    BajarYLeer();
    PaginaUltimoSorteo* u = v.Pagina<PaginaUltimoSorteo>();
    EXPECT_FALSE(u->PdfVisible());
    ASSERT_TRUE(u->Mensaje().startsWith(QStringLiteral(
        "\r\nOPCIÓN NO DISPONIBLE\r\n\r\nSu ordenador no tiene instalado Adobe Reader")));
    QTest::mouseClick(Hijo<QPlainTextEdit>(u, "mensajeDesglose")->viewport(), Qt::LeftButton);
    ASSERT_FALSE(v.escritorio.urls.empty());
    EXPECT_EQ(v.escritorio.urls.back(), QStringLiteral("https://get.adobe.com/es/reader/"));
    // Until the next download the page keeps trying to show what it fetched.
    u->MostrarDesglose(1);
    EXPECT_TRUE(u->Mensaje().contains(QStringLiteral("OPCIÓN NO DISPONIBLE")));
    // An error page with status 200 is no PDF: the last one fetched stays.
    servidor.Poner(kPdf, R(200, "<html>no es un pdf</html>"));
    BajarYLeer();
    EXPECT_EQ(u->Mensaje(), QStringLiteral("\r\nATENCIÓN:\r\nONLAE no ha enviado el PDF oficial "
                                           "del sorteo. Intente más tarde."));
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("mavo.pdf")), "%PDF-1.4 roto");
    // Nor is that other draw's PDF shown when the tab is opened again.
    u->MostrarDesglose(1);
    EXPECT_TRUE(u->Mensaje().contains(QStringLiteral("no ha enviado")))
        << u->Mensaje().toStdString();
    servidor.Poner(kPdf, R(404, "no"));
    BajarYLeer();
    EXPECT_EQ(u->Mensaje(), QStringLiteral("No se encuentra conexión a internet.... :("));

    // At the next start "mavo.pdf" is no PDF: the data are not there yet.
    pruebas::EscribirBytes(v.Ruta("mavo.pdf"), "<html>");
    v.ventana.reset();
    Arrancar(QDate(2026, 8, 17));
    EXPECT_EQ(v.Pagina<PaginaUltimoSorteo>()->Mensaje(),
              QStringLiteral("\r\nATENCIÓN:\r\nLos datos del sorteo aún no están disponibles. "
                             "Intente más tarde."));
}

TEST_F(Descarga, SiNoSePuedeGuardarElDocumentoNoSeLeeElAnterior) {
    Arrancar(QDate(2026, 8, 10));
    // The previous "www.txt" holds draws that would be new.
    const QByteArray sorteos = pruebas::LeerBytes(v.Ruta("numeros.dat"));
    pruebas::EscribirBytes(v.Ruta("www.txt"), ComoElementoEntrecomillado(Documento()));
    v.ventana->estado().Descarga.close();
    v.ventana->estado().Descarga.open(QIODevice::ReadWrite);
    // Its scratch file can't be made.
    ASSERT_TRUE(QDir(v.dir.path()).mkpath(QStringLiteral("www.txt.tmp/x")));
    BajarYLeer();
    // The permission or file message, and nothing else.
    EXPECT_TRUE(
        v.dialogos.SoloMuestra(pruebas::kTextoPermiso, "Error de permiso", Icono::Exclamacion));
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("numeros.dat")), sorteos);
    EXPECT_FALSE(cadena->Descargando());
    EXPECT_EQ(cadena->ProgresoActual(), 0);
}

// The prize amounts can't be written (their store's journal can't be made): the draws are kept
// and checked, the message says the amounts wait, and the download counts as failed.
TEST_F(Descarga, SiNoSePuedenGuardarLosImportesSeGuardanLosSorteosYSeDice) {
    Arrancar(QDate(2026, 8, 10));
    ASSERT_TRUE(QDir(v.dir.path()).mkpath(QStringLiteral("premios.db-journal")));
    BajarYLeer();
    EXPECT_TRUE(v.dialogos.SoloMuestra(
        QStringLiteral("No se puede escribir en el archivo %1/premios.db o en su carpeta %1. "
                       "Compruebe que su usuario tiene permiso para escribir en los dos.\nLos "
                       "sorteos se guardan; los importes de sus premios quedan pendientes.")
            .arg(v.dir.path()),
        "¡Vaya hombre!", Icono::Exclamacion));
    EXPECT_EQ(Fichero(), publicados);
    EXPECT_EQ(v.Pagina<PaginaGeneral>()->SorteosAComprobar(), 3);
    EXPECT_TRUE(cadena->Fallida());
}

// The watchdog's rules, over a transfer the test drives by hand.
TEST_F(Descarga, ElVigilanteSobreUnaTransferenciaLenta) {
    pruebas::TransferenciaGuion t;
    Arrancar(QDate(2026, 8, 10), false, &t);
    const struct {
        const char* caso;
        int llegan, tics;  // characters that arrive; ticks up to the one that ends it
        bool acaba;        // whether the transfer ends just before that tick
        QString texto;
    } casos[] = {
        // An answer has begun: only the 30-second rule ends it.
        {"101 caracteres", 101, 30, false, TextoTardaEnResponder()},
        // One that ends just before the thirtieth second is read, not given up.
        {"101 y acaba", 101, 30, true, TextoRespuestaIncompleta()},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        v.dialogos.cajas.clear();
        const int canceladas = t.canceladas;
        v.Bajar();
        ASSERT_TRUE(t.Ejecutando());
        if (c.llegan) t.Llega(QByteArray(c.llegan, 'x').prepend('['));
        for (int i = 1; i < c.tics; ++i) cadena->TicVigilante();
        EXPECT_TRUE(v.dialogos.cajas.empty());
        EXPECT_TRUE(cadena->Descargando());
        if (c.acaba) t.Acaba();
        cadena->TicVigilante();
        EXPECT_TRUE(v.dialogos.SoloMuestra(c.texto, "Error de conexión"));
        EXPECT_EQ(t.canceladas, canceladas + (c.acaba ? 0 : 1));
        EXPECT_FALSE(cadena->Descargando());
    }
    // A document that comes in pieces is read at the first tick after its end.
    const QByteArray doc = Documento();
    v.dialogos.cajas.clear();
    v.Bajar();
    t.Llega(doc.left(5000));
    cadena->TicVigilante();
    t.Llega(doc.mid(5000));
    cadena->TicVigilante();
    EXPECT_EQ(Etiqueta("bytesDescarga"), QString::number(doc.size()));
    EXPECT_EQ(Fichero().size(), historia.size() - 3);
    t.Acaba();
    // Then the official PDF is asked for: this time no answer comes.
    QTimer::singleShot(0, [&] { t.Acaba(QStringLiteral("Sin red")); });
    cadena->TicVigilante();
    EXPECT_EQ(t.pedidas.size(), 4);
    EXPECT_EQ(Fichero(), publicados);
    EXPECT_EQ(cadena->TextoEstado(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
    EXPECT_TRUE(v.dialogos.cajas.empty());
}

class Noticias : public ::testing::Test {
  protected:
    ServidorHttp servidor;
    pruebas::VentanaPrueba v;

    void Arrancar(QDate ultimoSorteo) {
        pruebas::EscribirSorteos(v.dir.path(), {pruebas::UnSorteo(ultimoSorteo)});
        pruebas::EscribirPenas(v.dir.path(), {pruebas::PenaSencilla("Bar", {{1, 2, 3, 4, 5, 6}})});
        ASSERT_TRUE(v.Arrancar());
        v.ventana->estado().Config.DireccionWeb = servidor.Base().mid(7);  // without "http://"
    }
    void Comprobar() { v.ventana->ComprobarNoticias(); }
};

TEST_F(Noticias, SeTraenSiLosSorteosTienenTresDias) {
    QByteArray informe =
        "<html><body><h1>Noticias</h1><p>" + QByteArray(400, 'n') +
        "</p><p>Nueva direcci&oacute;n: web:www.tombolin.example/nueva></p></body></html>";
    servidor.Poner(QStringLiteral("/informe.dat"), R(200, informe).Tipo("text/html"));
    // Two days old: nothing is fetched.
    Arrancar(QDate(2026, 12, 4));
    Comprobar();
    EXPECT_TRUE(servidor.peticiones.empty());
    EXPECT_EQ(v.ventana->findChild<Infor*>(), nullptr);
    // Three days old: fetched and shown; the new address is kept.
    v.reloj.Poner(QDate(2026, 12, 7));
    Comprobar();
    ASSERT_EQ(servidor.peticiones.size(), 1u);
    EXPECT_EQ(servidor.peticiones[0].ruta, QStringLiteral("/informe.dat"));
    ASSERT_NE(v.ventana->findChild<Infor*>(), nullptr);
    EXPECT_EQ(v.ventana->findChild<Infor*>()->windowTitle(),
              QStringLiteral("Noticias del jefe..."));
    EXPECT_EQ(v.ventana->estado().Config.DireccionVisible(),
              QStringLiteral("www.tombolin.example/nueva"));
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("informe.dat")), informe);
}

// Shown when it changed and has more than 300 characters; a hostile one loads nothing more and
// changes no address.
TEST_F(Noticias, SoloSeMuestraSiCambiaYPasaDe300YNoCargaNadaMas) {
    Arrancar(QDate(2026, 12, 1));
    const QString direccion = v.ventana->estado().Config.DireccionVisible();
    const QByteArray sitio = servidor.Base().toUtf8();
    const QByteArray hostil =
        "<html><head><script>alert(1)</script><link rel=stylesheet href=\"" + sitio +
        "/estilo.css\"></head><body><img src=\"" + sitio +
        "/espia.png\">"
        "<img src=\"file:///etc/passwd\"><a href=\"http://tombolin.example/x\">enlace</a>"
        "<a href=\"javascript:alert(1)\">malo</a>" +
        QByteArray(300, 'x') + "web:" + QByteArray(3000, 'w') + "></body></html>";
    const struct {
        QByteArray informe;
        bool muestra;
    } casos[] = {
        {QByteArray(300, 'a'), false},                                 // 300 characters
        {QByteArray(301, 'b'), true},  {QByteArray(301, 'c'), false},  // same length, other text
        {QByteArray(500, 'd'), true},  {hostil, true},
    };
    for (const auto& c : casos) {
        servidor.Poner(QStringLiteral("/informe.dat"), R(200, c.informe).Tipo("text/html"));
        if (v.ventana->findChild<Infor*>()) v.ventana->findChild<Infor*>()->close();
        QCoreApplication::processEvents();
        Comprobar();
        QCoreApplication::processEvents();
        const Infor* n = v.ventana->findChild<Infor*>();
        EXPECT_EQ(n && n->isVisible(), c.muestra) << c.informe.size();
    }
    Infor* n = v.Abierta<Infor>();
    ASSERT_NE(n, nullptr);
    auto* noticias = Hijo<NavegadorNoticias>(n, "noticias");
    // Only the news itself was asked for, each time: no picture, no style sheet.
    ASSERT_EQ(servidor.peticiones.size(), std::size(casos));
    EXPECT_EQ(v.ventana->estado().Config.DireccionVisible(), direccion);
    EXPECT_FALSE(noticias->toPlainText().contains(QStringLiteral("alert")));
    // Links go to the browser, and only web links.
    emit noticias->anchorClicked(QUrl(QStringLiteral("http://tombolin.example/x")));
    emit noticias->anchorClicked(QUrl(QStringLiteral("javascript:alert(1)")));
    ASSERT_EQ(v.escritorio.urls.size(), 1u);
    EXPECT_EQ(v.escritorio.urls[0], QStringLiteral("http://tombolin.example/x"));
}

TEST(VentanaNoticias, EtiquetaQueVaYVieneYContacto) {
    pruebas::VentanaPrueba v;  // its folder and doubles, no window
    pruebas::EscribirBytes(v.Ruta("informe.dat"), "<p>hola a todos los de la peña</p>");
    auto* n =
        new Infor(v.Ruta("informe.dat"), Servicios{v.dialogos, v.reloj, v.escritorio, v.impresora});
    n->show();
    auto* contacto = Hijo<QPushButton>(n, "contactoNoticias");
    EXPECT_TRUE(n->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(n->pos(), QPoint(0, 0));
    int minimo = 1000, maximo = -1000;
    for (int t = 0; t < 400; ++t) {
        n->Mover();
        minimo = std::min(minimo, contacto->x());
        maximo = std::max(maximo, contacto->x());
    }
    EXPECT_GE(minimo, 6);
    EXPECT_LE(maximo, 264);
    EXPECT_GT(maximo, 254);  // it reached the far end and came back
    QPointer<Infor> vivo(n);
    QTest::mouseClick(contacto, Qt::LeftButton);
    ASSERT_EQ(v.escritorio.correos.size(), 1u);
    EXPECT_EQ(v.escritorio.correos[0], QStringLiteral("contacto@tombolin.example"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(vivo.isNull());

    // Opened with nothing fetched, it says so; Esc closes it.
    vivo =
        new Infor(v.Ruta("ninguno.dat"), Servicios{v.dialogos, v.reloj, v.escritorio, v.impresora});
    vivo->show();
    QApplication::setActiveWindow(vivo);
    EXPECT_EQ(Hijo<NavegadorNoticias>(vivo, "noticias")->toPlainText(),
              QStringLiteral("No hay mensajes."));
    QTest::keyClick(vivo, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(vivo.isNull());
}

}  // namespace
}  // namespace tombolin
