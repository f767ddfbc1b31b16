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
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "core/fechas.h"
#include "core/sorteos.h"
#include "results/analisis.h"
#include "support/documento_real.h"
#include "support/penas_prueba.h"
#include "support/servidor_http.h"
#include "support/transferencia_guion.h"
#include "ui/barra_descarga.h"
#include "ui/crea.h"
#include "ui/infor.h"
#include "ui/modelo_resultados.h"
#include "ui/pagina_crear_combinacion.h"
#include "ui/pagina_general.h"
#include "ui/pagina_ultimo_sorteo.h"
#include "ventana_prueba.h"

namespace tombolin {
namespace {

using pruebas::Hijo;
using pruebas::ServidorHttp;
using R = ServidorHttp::Respuesta;

const QString kRuta = QStringLiteral("/servicios/buscadorSorteos");
const char* const kNoConectado =
    "No conectado: Compruebe la conexión a internet. Si es correcta, pruebe más tarde ya que no "
    "es posible conectar con el servidor de ONLAE.";
const char* const kProblemas = "Problemas con el servidor. Tarda en responder. Pruebe más tarde...";
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
    BarraDescarga* barra = nullptr;

    // The draws held: the real history up to `hasta`; today is 18/08/2026. `otra` stands for
    // the real download transfer when given.
    void Arrancar(QDate hasta, bool conPenas = true, Transferencia* otra = nullptr) {
        v.reloj.Poner(QDate(2026, 8, 18));
        std::vector<Sorteo> guardados;
        std::copy_if(historia.begin(), historia.end(), std::back_inserter(guardados),
                     [&](const Sorteo& s) { return OleAFecha(s.Fecha) <= hasta; });
        pruebas::EscribirSorteos(v.dir.path(), guardados);
        if (conPenas)
            pruebas::EscribirPenas(v.dir.path(),
                                   {pruebas::PenaSencilla("Bar", {{2, 4, 19, 28, 46, 1}})});
        ASSERT_TRUE(v.Arrancar(servidor.Base(), otra));
        barra = Hijo<BarraDescarga>(v.ventana.get(), "barraDescarga");
    }
    // The answer for the 100 days up to 18/08/2026, in the service's real shape, with its PDF.
    QByteArray Documento() {
        pruebas::OpcionesReal o;
        o.conPdf = true;
        return pruebas::ListaReal(pruebas::CienDias(historia, QDate(2026, 8, 18)), o);
    }
    void BajarYLeer() {
        v.Bajar();
        barra->TicVigilante();
    }
    QString Etiqueta(const char* nombre) {
        return v.ventana->findChild<QLabel*>(QLatin1String(nombre))->text();
    }
    std::vector<Sorteo> Fichero() { return LeerTodosLosSorteos(v.ventana->estado().Sorteos); }
};

TEST_F(Descarga, TresSorteosNuevosSeGuardanSeCompruebanYSeMuestran) {
    Arrancar(QDate(2026, 8, 10));
    const QByteArray doc = Documento();
    servidor.Poner(kRuta, R(200, doc));
    servidor.Poner(kPdf, R(200, UnPdf()).Tipo("application/pdf").Retraso(300));
    v.Pestanas()->setCurrentIndex(Principal::kGestor);

    v.Bajar();
    EXPECT_EQ(barra->TextoEstado(), QStringLiteral("BUSCANDO SORTEOS"));
    EXPECT_EQ(barra->ProgresoActual(), 1);
    EXPECT_EQ(v.Pestanas()->currentIndex(), 0);
    ASSERT_TRUE(barra->Descargando());
    ASSERT_EQ(servidor.peticiones.size(), 1u);
    EXPECT_EQ(servidor.peticiones[0].consulta,
              QStringLiteral("game_id=LAPR&celebrados=true&fechaInicioInclusiva=20260510&"
                             "fechaFinInclusiva=20260818"));

    // While the official PDF comes, the download is not over: no second one starts, and the
    // commands that change files still wait.
    bool botonDurante = true, borrarDurante = true;
    QTimer::singleShot(150, [&] {
        botonDurante = pruebas::Hijo<QPushButton>(v.ventana.get(), "botonBajar")->isEnabled();
        borrarDurante = pruebas::Hijo<QAction>(v.ventana.get(), "borrpe")->isEnabled();
    });
    barra->TicVigilante();
    EXPECT_FALSE(botonDurante);
    EXPECT_FALSE(borrarDurante);
    EXPECT_TRUE(v.dialogos.cajas.empty()) << v.dialogos.cajas[0].texto.toStdString();
    EXPECT_FALSE(barra->Descargando());
    // The PDF came through the same transfer: the count is still the document's.
    EXPECT_EQ(Etiqueta("bytesDescarga"), QString::number(doc.size()));
    EXPECT_EQ(barra->TextoEstado(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
    EXPECT_EQ(barra->ProgresoActual(), 5);
    // Whole records appended, oldest first: 13/08 to 17/08, the last three of the history.
    EXPECT_EQ(Fichero(), historia);
    // "www.txt" holds the document as one quoted item.
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("www.txt")), ComoElementoEntrecomillado(doc));
    // The check ran over the new draws: the selector shows them, the notice blinks.
    PaginaGeneral* g = v.Pagina<PaginaGeneral>();
    EXPECT_EQ(g->NuevosSorteos(), QStringLiteral("3 sorteos"));
    EXPECT_EQ(g->SorteosAComprobar(), 3);
    EXPECT_EQ(g->modeloSencilla()->Lista().Bloques().size(), 3u);
    EXPECT_TRUE(g->AvisoPremioActivo());  // 4 hits on 17/08
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

TEST_F(Descarga, FallosDeLaRedNoTocanLosSorteos) {
    Arrancar(QDate(2026, 8, 10));
    const QByteArray antes = pruebas::LeerBytes(v.Ruta("numeros.dat"));
    const struct {
        const char* caso;
        R respuesta;
        int tics;
        const char* texto;
    } casos[] = {
        // 100 characters or fewer are no answer: the status stays "CONECTANDO AL SERVIDOR".
        {"100 caracteres", R(200, QByteArray(100, 'x')), 5, kNoConectado},
        {"403 con página de error", R(403, QByteArray(2000, 'e')), 30, kProblemas},
        {"500 corto", R(500, "error"), 5, kNoConectado},
        {"cortado a la mitad", R(200, Documento()).Cortada(), 30, kProblemas},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        v.dialogos.cajas.clear();
        servidor.Poner(kRuta, c.respuesta);
        v.Bajar();
        for (int i = 1; i < c.tics; ++i) barra->TicVigilante();
        EXPECT_TRUE(v.dialogos.cajas.empty());
        barra->TicVigilante();
        EXPECT_TRUE(v.dialogos.SoloMuestra(c.texto, "Error de conexión"));
        EXPECT_EQ(barra->ProgresoActual(), 0);
        EXPECT_EQ(barra->TextoEstado(), QString());
        EXPECT_FALSE(barra->Descargando());
        EXPECT_EQ(pruebas::LeerBytes(v.Ruta("numeros.dat")), antes);
    }
}

TEST_F(Descarga, DatosCorruptos) {
    Arrancar(QDate(2026, 8, 10));
    QByteArray doc = Documento();
    doc.replace(doc.indexOf("2026-08-17"), 10, "2026-08-xx");
    servidor.Poner(kRuta, R(200, doc));
    const QByteArray antes = pruebas::LeerBytes(v.Ruta("numeros.dat"));
    BajarYLeer();
    EXPECT_TRUE(v.dialogos.SoloMuestra(
        "¡¡Datos corruptos o inválidos!! Si se repite en otros momentos este mismo error, "
        "posiblemente se ha de actualizar el programa. Pruebe más tarde.",
        "Error crítico", Icono::Critico));
    EXPECT_EQ(v.Pagina<PaginaUltimoSorteo>()->Mensaje(),
              QStringLiteral("\r\nERROR DE INTERPRETACIÓN DE DATOS:\r\nSi más tarde se "
                             "conecta y le vuelve a suceder envie un email a: "
                             "contacto@tombolin.example"));
    EXPECT_TRUE(barra->AnalisisFallido());
    EXPECT_EQ(barra->TextoEstado(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
    EXPECT_EQ(barra->ProgresoActual(), 5);
    EXPECT_EQ(pruebas::LeerBytes(v.Ruta("numeros.dat")), antes);
}

TEST_F(Descarga, MasDeOchoNuevosYFechaDelOrdenador) {
    Arrancar(QDate(2026, 7, 20));
    servidor.Poner(kRuta, R(200, Documento()));
    BajarYLeer();
    EXPECT_EQ(barra->SorteosNuevos(), 12);
    EXPECT_EQ(v.Pagina<PaginaGeneral>()->NuevosSorteos(), QStringLiteral("12 sorteos"));
    EXPECT_EQ(v.Pagina<PaginaGeneral>()->SorteosAComprobar(), 8);
    // The same document again: equal dates are not new. Nor is there anything new when the
    // service answers its short message or an empty list.
    for (const QByteArray& respuesta :
         {Documento(), QByteArray("\"No existen sorteos para los criterios seleccionados\""),
          QByteArray("[]")}) {
        servidor.Poner(kRuta, R(200, respuesta));
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
    servidor.Poner(kRuta, R(200, Documento()).Retraso(300));
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
    barra->TicVigilante();
    v.Pestanas()->setCurrentIndex(Principal::kUltimoSorteo);
    EXPECT_EQ(v.Pestanas()->currentIndex(), 1);
    EXPECT_EQ(habilitados(), QStringLiteral("1 1 1 1 1 1 1"));
    EXPECT_EQ(v.ventana->statusBar()->currentMessage(), QString());
}

TEST_F(Descarga, ElPdfQueNoSeVe) {
    Arrancar(QDate(2026, 8, 10));
    servidor.Poner(kRuta, R(200, Documento()));
    servidor.Poner(kPdf, R(200, "%PDF-1.4 roto"));
    BajarYLeer();
    PaginaUltimoSorteo* u = v.Pagina<PaginaUltimoSorteo>();
    EXPECT_FALSE(u->PdfVisible());
    EXPECT_TRUE(u->Mensaje().startsWith(QStringLiteral(
        "\r\nOPCIÓN NO DISPONIBLE\r\n\r\nSu ordenador no tiene instalado Adobe Reader")));
    QTest::mouseClick(Hijo<QPlainTextEdit>(u, "mensajeDesglose")->viewport(), Qt::LeftButton);
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

TEST_F(Descarga, UnSorteoMaloSeDiceYNoDejaHuecos) {
    Arrancar(QDate(2026, 8, 6));
    std::vector<Sorteo> cien = pruebas::CienDias(historia, QDate(2026, 8, 18));
    cien[2].Joker = 0;  // the draw of 13/08
    servidor.Poner(kRuta, R(200, pruebas::ListaReal(cien)));
    BajarYLeer();
    EXPECT_TRUE(v.dialogos.SoloMuestra(
        "ONLAE ha enviado datos incorrectos del sorteo del 13/08/2026. No se han guardado 3 "
        "sorteos de la descarga; se intentará de nuevo en la próxima."));
    // The two older ones (08/08 and 10/08) are stored; nothing newer than the bad one.
    EXPECT_EQ(Fichero(), std::vector<Sorteo>(historia.begin(), historia.end() - 3));
}

TEST_F(Descarga, SiNoSePuedeGuardarElDocumentoNoSeLeeElAnterior) {
    Arrancar(QDate(2026, 8, 10));
    // The previous "www.txt" holds draws that would be new.
    servidor.Poner(kRuta, R(200, Documento()));
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
    EXPECT_FALSE(barra->Descargando());
    EXPECT_EQ(barra->ProgresoActual(), 0);
}

// The watchdog's rules, over a transfer the test drives by hand.
TEST_F(Descarga, ElVigilanteSobreUnaTransferenciaLenta) {
    pruebas::TransferenciaGuion t;
    Arrancar(QDate(2026, 8, 10), false, &t);
    const struct {
        const char* caso;
        int llegan, tics;  // characters that arrive; ticks up to the one that ends it
        bool acaba;        // whether the transfer ends just before that tick
        const char* texto;
    } casos[] = {
        {"nada", 0, 5, false, kNoConectado},
        // An answer has begun: only the 30-second rule ends it.
        {"101 caracteres", 101, 30, false, kProblemas},
        // One that ends just before the thirtieth second is read, not given up.
        {"101 y acaba", 101, 30, true, "Todavía no hay sorteos nuevos."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        v.dialogos.cajas.clear();
        const int canceladas = t.canceladas;
        v.Bajar();
        ASSERT_TRUE(t.Ejecutando());
        if (c.llegan) t.Llega(QByteArray(c.llegan, 'x'));
        for (int i = 1; i < c.tics; ++i) barra->TicVigilante();
        EXPECT_TRUE(v.dialogos.cajas.empty());
        EXPECT_TRUE(barra->Descargando());
        if (c.acaba) t.Acaba();
        barra->TicVigilante();
        EXPECT_TRUE(v.dialogos.SoloMuestra(c.texto, c.acaba ? "Pruebe más tarde" : nullptr));
        EXPECT_EQ(t.canceladas, canceladas + (c.acaba ? 0 : 1));
        EXPECT_FALSE(barra->Descargando());
    }
    // A document that comes in pieces is read at the first tick after its end.
    const QByteArray doc = Documento();
    v.dialogos.cajas.clear();
    v.Bajar();
    t.Llega(doc.left(5000));
    barra->TicVigilante();
    t.Llega(doc.mid(5000));
    barra->TicVigilante();
    EXPECT_EQ(Etiqueta("bytesDescarga"), QString::number(doc.size()));
    EXPECT_EQ(Fichero().size(), historia.size() - 3);
    t.Acaba();
    // Then the official PDF is asked for: this time no answer comes.
    QTimer::singleShot(0, [&] { t.Acaba(QStringLiteral("Sin red")); });
    barra->TicVigilante();
    EXPECT_EQ(t.pedidas.size(), 5);
    EXPECT_EQ(Fichero(), historia);
    EXPECT_EQ(barra->TextoEstado(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
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
}

}  // namespace
}  // namespace tombolin
