// The printing window, a real print to PDF read back, the settings window, the splash and the
// about window, used as a user would.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <limits>

#include "core/configuracion.h"
#include "core/juego.h"
#include "core/sistema.h"
#include "printing/boletos.h"
#include "printing/impresora_qt.h"
#include "support/penas_prueba.h"
#include "ui/penas/pagina_gestor.h"
#include "ui/ventana_prueba.h"
#include "ui/ventanas/acercade.h"
#include "ui/ventanas/configurar.h"
#include "ui/ventanas/imprimir.h"
#include "ui/ventanas/presentacion.h"

namespace tombolin {
namespace {

using pruebas::Hijo;
using pruebas::PulsarBoton;

using Orden = pruebas::ImpresoraRegistro::Orden;

// Types into a box as a user does: the box emptied, then each key.
void Escribir(QLineEdit* caja, const QString& texto) {
    caja->setFocus();
    caja->selectAll();
    QTest::keyClick(caja, Qt::Key_Backspace);
    pruebas::Teclear(caja, texto);
}

class Ventanas : public ::testing::Test {
  protected:
    pruebas::VentanaPrueba v;

    void Arrancar(const std::vector<Pena>& penas) {
        pruebas::EscribirPenas(v.dir.path(), penas);
        ASSERT_TRUE(v.Arrancar());
        v.Mostrar();
        v.dialogos.cajas.clear();
    }
    // The printing window of syndicate `fila`.
    Imprimir* AbrirImpresion(int fila) {
        v.ElegirPena(fila);
        PulsarBoton(v.ventana.get(), "botonImprimirPena");
        return v.Abierta<Imprimir>();
    }
    Configuracion Guardada() {
        return DecodificarConfiguracion(pruebas::LeerBytes(v.Ruta("nums.ini")).constData());
    }
};

TEST_F(Ventanas, ImprimirLaPenaResaltadaYLaVentanaDeLaPena) {
    // Nothing clicked: Ctrl+P prints the syndicate of the highlighted row, the first.
    Arrancar({pruebas::PenaDeLineas("Los del bar", 17), pruebas::PenaDeLineas("Oficina", 3)});
    v.Pestanas()->setCurrentIndex(Principal::kGestor);
    QTest::keyClick(v.ventana.get(), Qt::Key_P, Qt::ControlModifier);
    Imprimir* w = v.Abierta<Imprimir>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(v.dialogos.cajas.empty());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Imprimir boletos"));
    pruebas::Etiquetas(w, {"nombrePena=Los del bar", "totalApuestas=17", "boletosOficiales=3",
                           "diasJuego=Todos (L+J+S)"});

    // The corrections are stored as they are typed.
    QApplication::setActiveWindow(w);
    QLineEdit* ajusteX = Hijo<QLineEdit>(w, "ajusteX");
    QLineEdit* ajusteY = Hijo<QLineEdit>(w, "ajusteY");
    Escribir(ajusteX, QStringLiteral("2,5"));
    EXPECT_EQ(Guardada().AjusteX, 2.5f);
    Escribir(ajusteY, QStringLiteral("-1.25"));  // a point is read as the comma
    EXPECT_EQ(Guardada().AjusteY, -1.25f);
    // Not a number: both boxes show what is stored again, and the record stays.
    Escribir(ajusteX, QStringLiteral("2,5a"));
    EXPECT_EQ(ajusteX->text(), QStringLiteral("2,5"));
    EXPECT_EQ(ajusteY->text(), QStringLiteral("-1,25"));
    EXPECT_EQ(Guardada().AjusteX, 2.5f);
    // Left empty: said when the box is left; the stored value stays.
    Escribir(ajusteX, QString());
    EXPECT_TRUE(v.dialogos.cajas.empty());
    ajusteY->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(v.dialogos.SoloMuestra(
        "Te has dejado una coordenada en blanco. Introduce un número válido.", "EHEHEHH",
        Icono::Critico));
    EXPECT_EQ(Guardada().AjusteX, 2.5f);
    EXPECT_EQ(ajusteX->text(), QStringLiteral("2,5"));

    // On plain paper, through the print dialog.
    PulsarBoton(w, "imprimirNormal");
    EXPECT_EQ(v.dialogos.impresorasPedidas, 1);
    EXPECT_TRUE(v.impresora.terminado);
    const QString x = QStringLiteral("X");
    EXPECT_EQ(std::ranges::count(v.impresora.ordenes, x, &Orden::texto), 17 * 6);
    const QString precio = QStringLiteral("Precio por sorteo: 17,00 €");           // at 1 € a bet
    EXPECT_EQ(std::ranges::count(v.impresora.ordenes, precio, &Orden::texto), 3);  // one a ticket
    // The dialog cancelled: nothing printed.
    v.impresora.ordenes.clear();
    v.dialogos.aceptarImpresora = false;
    PulsarBoton(w, "imprimirOficial");
    EXPECT_TRUE(v.impresora.ordenes.empty());

    // The preview shows the slip's boxes; printing from it goes through the print dialog.
    v.dialogos.aceptarImpresora = true;
    v.dialogos.imprimirDesdeVista = true;
    Hijo<QCheckBox>(w, "jugarAl")->setChecked(true);
    PulsarBoton(w, "vistaOficial");
    EXPECT_EQ(v.dialogos.vistasPrevias, 1);
    EXPECT_GT(std::ranges::count(v.dialogos.vista, true, &Orden::tenue), 0);
    EXPECT_EQ(v.dialogos.impresorasPedidas, 3);
    const auto& o = v.impresora.ordenes;
    EXPECT_EQ(std::ranges::count(o, true, &Orden::tenue), 0);
    // And the "-Jugar al" mark on each slip; the corrections move the official slip.
    EXPECT_EQ(std::ranges::count(o, x, &Orden::texto), 17 * 6 + 3);
    const auto cabecera = std::find_if(o.begin(), o.end(), [](const auto& e) {
        return e.texto.startsWith(QStringLiteral("PEÑA"));
    });
    ASSERT_NE(cabecera, o.end());
    EXPECT_NEAR(cabecera->x, 7.5, 1e-6);
    EXPECT_NEAR(cabecera->y, -8.25, 1e-6);
    w->close();
}

// One real print to PDF, read back with pdftotext -bbox: of 17 bets on each paper, every X within
// 0.3 mm of where the slip's grid puts it. On plain paper, of those, a multiple and a reduced
// system: each word inside its ticket and clear of every other, and what the member reads.
TEST(ImpresionRealBoletos, CadaXEnSuSitio) {
    QTemporaryDir dir;
    const Pena p = pruebas::PenaDeLineas("Los del bar", 17);
    const Pena multiple = pruebas::PenaMultiple("M", 6, {1, 5, 9, 12, 20, 25, 30, 33, 40, 45, 49});
    const Pena reducida = pruebas::PenaReducida("R", {3, 9, 14, 19, 22, 26, 31, 40, 47}, 5,
                                                {{3, 9, 14, 31, 40, 47}, {3, 9, 19, 22, 26, 47}});
    const std::tuple<const Pena&, Papel, const char*> casos[] = {
        {p, Papel::Oficial, ""},
        {p, Papel::Normal,
         "Sorteos: Todos (L+J+S), desde el 01/01/2000 Precio por sorteo: 42,50 € Los premios "
         "caducan a los tres meses del sorteo."},
        {multiple, Papel::Normal,
         "Múltiple de 11 números: 1 - 5 - 9 - 12 - 20 - 25 - 30 - 33 - 40 - 45 - 49"},
        {reducida, Papel::Normal,
         "Reducida de 9 números al 5, 2 apuestas: 3 - 9 - 14 - 19 - 22 - 26 - 31 - 40 - 47"}};
    for (const auto& [pena, papel, leido] : casos) {
        SCOPED_TRACE(papel == Papel::Oficial ? "oficial" : "normal");
        const QString pdf = dir.filePath(QStringLiteral("boletos%1.pdf").arg(int(papel)));
        const OpcionesBoletos o{
            .papel = papel, .ajusteX = 2.5, .ajusteY = 12, .precioApuesta = 2.5};
        {
            ImpresoraQt imp;
            imp.SalidaPdf(pdf);
            ASSERT_TRUE(imp.Empezar(QStringLiteral("Tombolin")));
            ImprimirBoletos(imp, pena, o);
            imp.Terminar();
        }
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(pdftotext.waitForFinished(20000));
        const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
        // The words of each page, in millimetres, and the text they make.
        std::vector<std::vector<std::pair<QRectF, QString>>> paginas;
        QString texto;
        for (const QString& pagina : html.split(QStringLiteral("<page ")).mid(1)) {
            paginas.emplace_back();
            static const QRegularExpression re(
                QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                               "yMax=\"([0-9.]+)\">([^<]*)</word>"));
            for (auto it = re.globalMatch(pagina); it.hasNext();) {
                const auto m = it.next();
                const auto mm = [&](int i) { return m.captured(i).toDouble() * 25.4 / 72; };
                paginas.back().push_back(
                    {QRectF(QPointF(mm(1), mm(2)), QPointF(mm(3), mm(4))), m.captured(5)});
                texto += m.captured(5) + QLatin1Char(' ');
            }
        }
        EXPECT_TRUE(texto.contains(QString::fromUtf8(leido))) << qPrintable(texto);
        for (const auto& en : paginas) {
            for (size_t i = 0; papel == Papel::Normal && i < en.size(); ++i) {
                const QRectF& c = en[i].first;  // inside its ticket, clear of every other word
                EXPECT_TRUE(QRectF(20, c.top() < 124 ? 20 : 124, 160.5, 104).contains(c));
                for (size_t j = i + 1; j < en.size(); ++j)
                    EXPECT_FALSE(c.intersects(en[j].first)) << qPrintable(en[i].second);
            }
        }
        if (&pena != &p) continue;
        ASSERT_EQ(paginas.size(), papel == Papel::Oficial ? 3u : 2u);
        // Where each line's numbers go: slip k = line / 8, block = line % 8.
        for (int linea = 0; linea < 17; ++linea) {
            const int boleto = linea / 8;
            const int pagina = papel == Papel::Oficial ? boleto : boleto / 2;
            const double ox = papel == Papel::Oficial ? 2.5 : 25.8;
            const double oy = papel == Papel::Oficial ? 12 : 45 + (boleto % 2) * 104;
            for (int c = 0; c < 6; ++c) {
                const int n = p.Apuestas[linea].Columnas[c];
                const double x = ox + 3.8 * (n / 10) + 19.2 * (linea % 8);
                const double y = oy + 5.0 * (n % 10);
                const auto& en = paginas[pagina];
                const bool esta = std::any_of(en.begin(), en.end(), [&](const auto& e) {
                    return e.second == QLatin1String("X") && std::abs(e.first.left() - x) <= 0.3 &&
                           std::abs(e.first.top() - y) <= 0.3;
                });
                EXPECT_TRUE(esta) << "línea " << linea + 1 << " número " << n << " en (" << x
                                  << ", " << y << ")";
            }
            const QString leida = QStringLiteral("%1: ").arg(linea + 1) +
                                  TextoApuesta(p.Apuestas[linea], 6, FormaApuesta::Lectura);
            EXPECT_EQ(texto.count(leida), papel == Papel::Normal ? 1 : 0) << qPrintable(leida);
        }
        EXPECT_EQ(texto.split(QLatin1Char(' ')).count(QStringLiteral("X")), 17 * 6);  // no other
    }
}

// The settings window. "0,5" typed key by key passes through "0": a price of 0 is never stored,
// or the next start would take it for settings never set and put back a price of 1 and 24
// months. The stored price waits while the box holds no price, and the label beside the box says
// why.
TEST_F(Ventanas, Configuracion) {
    Arrancar({pruebas::PenaDeLineas("Los del bar", 17)});
    v.ventana->findChild<QAction*>(QStringLiteral("confi"))->trigger();
    Configurar* w = v.Abierta<Configurar>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Configurar"));
    QLineEdit* precio = Hijo<QLineEdit>(w, "precio");
    QLineEdit* meses = Hijo<QLineEdit>(w, "meses");
    QLabel* motivo = Hijo<QLabel>(w, "motivoPrecio");
    EXPECT_EQ(precio->text(), QStringLiteral("1"));
    EXPECT_EQ(meses->text(), QStringLiteral("24"));
    const struct {
        const char* escrito;
        int16_t guardado;
    } casosMeses[] = {{"0", 2}, {"1", 2},  {"36", 36},     {"x", 36},
                      {"", 36}, {"-5", 2}, {"99999", 9999}};
    for (const auto& c : casosMeses) {
        Escribir(meses, QLatin1String(c.escrito));
        EXPECT_EQ(Guardada().MesesMaximos, c.guardado) << c.escrito;
    }
    Escribir(meses, QStringLiteral("1"));
    EXPECT_EQ(meses->text(), QStringLiteral("1"));  // the box keeps what was typed
    Escribir(meses, QStringLiteral("36"));          // for the next start, below

    Escribir(precio, QStringLiteral("1,5"));
    EXPECT_FALSE(motivo->isVisible());
    precio->selectAll();
    QTest::keyClick(precio, Qt::Key_Backspace);
    const struct {
        const char* tecla;
        float guardado;
        bool motivo;
    } teclas[] = {{"0", 1.5f, true}, {",", 1.5f, true}, {"5", 0.5f, false}};
    for (const auto& t : teclas) {
        QTest::keyClicks(precio, QLatin1String(t.tecla));
        EXPECT_EQ(Guardada().PrecioApuesta, t.guardado) << precio->text().toStdString();
        EXPECT_EQ(motivo->isVisible(), t.motivo) << precio->text().toStdString();
        if (t.motivo) {
            EXPECT_EQ(motivo->text(), QStringLiteral("Ha de ser mayor que 0: se mantiene 1,5."));
        }
    }
    EXPECT_EQ(precio->text(), QStringLiteral("0,5"));
    // Nor a negative price, nor one too small for the file, which would be stored as 0.
    for (const char* escrito :
         {"-2", "0,00", "0,00000000000000000000000000000000000000000000001"}) {
        Escribir(precio, QLatin1String(escrito));
        EXPECT_EQ(Guardada().PrecioApuesta, 0.5f) << escrito;
        EXPECT_TRUE(motivo->isVisible()) << escrito;
        EXPECT_EQ(precio->text(), QLatin1String(escrito));  // the box keeps what was typed
    }
    // What is no number shows the stored price again.
    Escribir(precio, QStringLiteral("0,5e"));
    EXPECT_EQ(precio->text(), QStringLiteral("0,5"));
    Escribir(precio, QStringLiteral(",75"));
    EXPECT_EQ(Guardada().PrecioApuesta, 0.75f);
    EXPECT_FALSE(motivo->isVisible());

    // Left at 0, the window closed: the card shows the weekly cost at the kept price (17 bets,
    // three draws a week, 0,75 €), and the next start keeps the price and the months.
    Escribir(precio, QStringLiteral("0"));
    PulsarBoton(w, "cerrar");
    EXPECT_EQ(v.Abierta<Configurar>(), nullptr);
    EXPECT_TRUE(v.dialogos.cajas.empty());
    EXPECT_EQ(Hijo<QLabel>(v.ventana.get(), "gastoSemanal")->text(),
              QStringLiteral("38,25 euros."));
    ASSERT_TRUE(v.Arrancar());
    EXPECT_EQ(v.ventana->estado().Config.PrecioApuesta, 0.75f);
    EXPECT_EQ(v.ventana->estado().Config.MesesMaximos, 36);
}

// "Comprobar sola tras cada sorteo": the user's timer, asked and switched through systemctl
// without blocking the window; where it can't be, the box is off and says why.
TEST_F(Ventanas, ComprobarSolaTrasCadaSorteo) {
    const QString timer = QStringLiteral(" tombolin-comprobar.timer");
    const auto abrir = [&] {
        v.ventana->findChild<QAction*>(QStringLiteral("confi"))->trigger();
        Configurar* w = v.Abierta<Configurar>();
        QTest::qWait(20);  // systemctl answers
        return w;
    };
    const auto caja = [](Configurar* w) { return Hijo<QCheckBox>(w, "comprobarSola"); };
    const auto texto = [](Configurar* w) { return Hijo<QLabel>(w, "estadoComprobarSola")->text(); };

    // A copy of the program that is not installed has no timer: nothing is asked.
    Arrancar({pruebas::PenaDeLineas("Los del bar", 3)});
    Configurar* w = abrir();
    EXPECT_FALSE(caja(w)->isEnabled());
    EXPECT_TRUE(texto(w).startsWith(QStringLiteral("Sólo el programa instalado")));
    EXPECT_TRUE(v.systemctl.llamadas.isEmpty());
    w->close();

    // Installed: off, switched on, then off again.
    v.instalado = true;
    ASSERT_TRUE(v.Arrancar());
    v.systemctl.respuestas[QStringLiteral("is-enabled")] = {1, QStringLiteral("disabled\n")};
    w = abrir();
    EXPECT_TRUE(caja(w)->isEnabled());
    EXPECT_FALSE(caja(w)->isChecked());
    EXPECT_EQ(texto(w), QStringLiteral("Desactivada."));
    v.systemctl.respuestas[QStringLiteral("is-enabled")] = {0, QStringLiteral("enabled\n")};
    QTest::mouseClick(caja(w), Qt::LeftButton, {}, QPoint(5, caja(w)->height() / 2));
    EXPECT_FALSE(caja(w)->isEnabled());  // while systemctl works
    QTest::qWait(20);
    EXPECT_TRUE(caja(w)->isChecked());
    EXPECT_TRUE(caja(w)->isEnabled());
    EXPECT_TRUE(texto(w).startsWith(QStringLiteral("Activada: lunes, jueves y sábados")));
    v.systemctl.respuestas[QStringLiteral("is-enabled")] = {1, QStringLiteral("disabled\n")};
    caja(w)->setFocus();
    QTest::keyClick(caja(w), Qt::Key_Space);
    QTest::qWait(20);
    EXPECT_FALSE(caja(w)->isChecked());
    const QString gestor = QStringLiteral("--user is-system-running");
    const QString estado = QStringLiteral("--user is-enabled") + timer;
    EXPECT_EQ(
        v.systemctl.llamadas,
        QStringList({gestor, estado, QStringLiteral("--user enable --now") + timer, gestor, estado,
                     QStringLiteral("--user disable --now") + timer, gestor, estado}));
    w->close();

    // A switch refused for a reason of its own: said, and the box shows how the timer still is.
    v.systemctl.respuestas[QStringLiteral("is-enabled")] = {0, QStringLiteral("enabled\n")};
    v.systemctl.respuestas[QStringLiteral("disable")] = {1, QStringLiteral("Access denied\n")};
    w = abrir();
    QTest::mouseClick(caja(w), Qt::LeftButton, {}, QPoint(5, caja(w)->height() / 2));
    QTest::qWait(20);
    EXPECT_TRUE(caja(w)->isChecked());
    EXPECT_TRUE(caja(w)->isEnabled());
    EXPECT_TRUE(texto(w).startsWith(
        QStringLiteral("No se ha podido cambiar: Access denied\nActivada: lunes")))
        << texto(w).toStdString();
    w->close();

    // What systemctl says when it can't: the box is off and says why.
    const struct {
        const char* verbo;
        int codigo;
        const char* salida;
        const char* motivo;
    } casos[] = {
        {"is-system-running", 1, "Failed to connect to bus: No medium found",
         "gestor de servicios"},
        {"is-system-running", 1, "offline\n", "gestor de servicios"},
        {"is-system-running", 1, "System has not been booted with systemd as init system (PID 1).",
         "gestor de servicios"},
        {"is-enabled", -1, "execvp: No such file or directory", "no tiene systemctl"},
        {"is-enabled", 1,
         "Failed to get unit file state for tombolin-comprobar.timer: No such file or directory",
         "no está instalado"},
        {"enable", 1, "Failed to enable unit: Unit file tombolin-comprobar.timer does not exist.",
         "no está instalado"},
    };
    for (const auto& c : casos) {
        v.systemctl.respuestas.clear();
        v.systemctl.respuestas[QStringLiteral("is-enabled")] = {1, QStringLiteral("disabled")};
        v.systemctl.respuestas[QLatin1String(c.verbo)] = {c.codigo, QLatin1String(c.salida)};
        w = abrir();
        if (QLatin1String(c.verbo) == QLatin1String("enable")) {
            QTest::mouseClick(caja(w), Qt::LeftButton, {}, QPoint(5, caja(w)->height() / 2));
            QTest::qWait(20);
        }
        EXPECT_FALSE(caja(w)->isEnabled()) << c.salida;
        EXPECT_FALSE(caja(w)->isChecked()) << c.salida;
        EXPECT_TRUE(texto(w).contains(QString::fromUtf8(c.motivo))) << texto(w).toStdString();
        w->close();
    }
}

// The decimal boxes read what they show: a value stored, shown in its box and typed there again
// key by key, is stored the same. The price and the two corrections of the printing window; the
// values are those that a formatting other than the one CajasDecimales.LoMostradoSeLeeIgual
// checks would show otherwise (a thousands separator, six digits, too many digits, an exponent).
TEST_F(Ventanas, LasCajasDecimalesLeenLoQueMuestran) {
    Arrancar({pruebas::PenaDeLineas("Los del bar", 17)});
    Configuracion& config = v.ventana->estado().Config;
    const struct {
        float valor;
        const char* texto;
    } casos[] = {
        {12345.5f, "12345,5"},
        {0.01f, "0,01"},
        {1234567.5f, "1234567,5"},
        {std::numeric_limits<float>::max(), "340282346638528859811704183484516925440"},
    };
    for (const auto& c : casos) {
        const QString texto = QLatin1String(c.texto);
        config.PrecioApuesta = c.valor;
        v.ventana->findChild<QAction*>(QStringLiteral("confi"))->trigger();
        Configurar* ajustes = v.Abierta<Configurar>();
        ASSERT_NE(ajustes, nullptr);
        QLineEdit* precio = Hijo<QLineEdit>(ajustes, "precio");
        EXPECT_EQ(precio->text(), texto);
        config.PrecioApuesta = 1;
        Escribir(precio, precio->text());
        EXPECT_EQ(Guardada().PrecioApuesta, c.valor) << c.texto;
        ajustes->close();

        config.AjusteX = c.valor;
        config.AjusteY = -c.valor;
        Imprimir* impresion = AbrirImpresion(1);
        ASSERT_NE(impresion, nullptr);
        QApplication::setActiveWindow(impresion);
        QLineEdit* x = Hijo<QLineEdit>(impresion, "ajusteX");
        QLineEdit* y = Hijo<QLineEdit>(impresion, "ajusteY");
        EXPECT_EQ(x->text(), texto);
        EXPECT_EQ(y->text(), QLatin1Char('-') + texto);
        config.AjusteX = config.AjusteY = 0;
        Escribir(x, x->text());
        Escribir(y, y->text());
        EXPECT_EQ(Guardada().AjusteX, c.valor) << c.texto;
        EXPECT_EQ(Guardada().AjusteY, -c.valor) << c.texto;
        impresion->close();
    }
    EXPECT_TRUE(v.dialogos.cajas.empty());
}

TEST(Sistema, NombresDeVersiones) {
    const std::pair<const char*, const char*> casos[] = {
        {"2.5.0", "Windows 2000"},   {"2.5.1", "Windows XP"}, {"2.5.2", "Windows 2003"},
        {"2.6.0", "Windows Vista"},  {"2.6.1", "Windows 7"},  {"2.6.2", "Windows 8"},
        {"2.10.0", "Windows 10/11"}, {"2.6.3", "2.6.3"},      {"6.1.0", "6.1.0"},
    };
    for (const auto& [version, nombre] : casos)
        EXPECT_EQ(VersionToName(QLatin1String(version)), QLatin1String(nombre)) << version;
    const std::pair<const char*, const char*> nucleos[] = {
        {"6.1.0-18-amd64", "6.1.0"},
        {"6.5", "6.5.0"},
        {"5.15.153.1-microsoft-standard", "5.15.153"},
        {"raro", "0.0.0"}};
    for (const auto& [nucleo, version] : nucleos)
        EXPECT_EQ(VersionDeNucleo(QLatin1String(nucleo)), QLatin1String(version)) << nucleo;
}

TEST_F(Ventanas, AcercaDe) {
    Arrancar({});
    v.ventana->findChild<QAction*>(QStringLiteral("acerca"))->trigger();
    Acercade* w = v.Abierta<Acercade>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Hijo<QLabel>(w, "sistema")->text(), QStringLiteral("S.O: ") + NativeGetVersion());
    EXPECT_FALSE(Hijo<QLabel>(w, "distribucion")->text().isEmpty());
    PulsarBoton(w, "web");
    PulsarBoton(w, "correo");
    EXPECT_EQ(v.escritorio.urls, (std::vector<QString>{"http://www.tombolin.example"}));
    EXPECT_EQ(v.escritorio.correos, (std::vector<QString>{"contacto@tombolin.example"}));
}

// Entering by a click once the eighth frame is up, or alone at the 60th tick: once either way,
// and the clock stops.
TEST(Presentacion, OchoFotogramasYEntrar) {
    for (const bool clic : {true, false}) {
        SCOPED_TRACE(clic ? "clic" : "sola");
        Presentacion p;
        QTimer* reloj = Hijo<QTimer>(&p, "reloj");
        reloj->stop();  // the test gives the ticks
        int entradas = 0;
        QObject::connect(&p, &Presentacion::entrar, [&] { ++entradas; });
        p.show();
        EXPECT_EQ(reloj->interval(), 150);
        QPushButton* entrar = Hijo<QPushButton>(&p, "entrar");
        for (int i = 1; i <= 7; ++i) {
            p.Tic();
            EXPECT_FALSE(entrar->isVisible()) << i;
        }
        p.Tic();  // the eighth frame
        EXPECT_TRUE(entrar->isVisible());
        EXPECT_EQ(p.Fotograma(), 10);
        reloj->start();
        if (clic) {
            QTest::mouseClick(entrar, Qt::LeftButton);
        } else {
            while (p.Tics() < 59) p.Tic();
            EXPECT_EQ(entradas, 0);
            p.Tic();
        }
        EXPECT_EQ(entradas, 1);
        EXPECT_FALSE(reloj->isActive());
        while (p.Tics() < 61) p.Tic();
        QTest::mouseClick(entrar, Qt::LeftButton);
        EXPECT_EQ(entradas, 1);
    }
    // Every frame is a picture, and no two are alike.
    const auto f = FotogramasPresentacion();
    for (int i = 0; i < 8; ++i) {
        ASSERT_FALSE(f[i].isNull());
        EXPECT_NE(f[i].toImage(), f[(i + 7) % 8].toImage()) << i;  // the last one too
    }
}

}  // namespace
}  // namespace tombolin
