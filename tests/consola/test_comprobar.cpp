// "tombolin --comprobar" run as a timer runs it: the built program, a child process with no
// display, on a portable copy with its data beside it, against a service that answers each
// request by its dates. Run under its own session bus (dbus-run-session), where this test is the
// desktop's notification service.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <optional>
#include <set>

#include "checking/premios_nuevos.h"
#include "core/configuracion.h"
#include "core/estado.h"
#include "core/fechas.h"
#include "core/penas.h"
#include "core/sorteos.h"
#include "programa/arranque.h"
#include "support/dobles.h"
#include "support/documento_real.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"
#include "support/servidor_http.h"

namespace tombolin {
namespace {

// The desktop's notification service, as a notification daemon offers it.
class Avisos : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

  public:
    QStringList recibidos;  // "summary | body"

  public slots:
    uint Notify(const QString&, uint, const QString&, const QString& resumen, const QString& texto,
                const QStringList&, const QVariantMap&, int) {
        recibidos << resumen + QStringLiteral(" | ") + texto;
        return static_cast<uint>(recibidos.size());
    }
};

class Comprobar : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString d = dir.path();
    pruebas::ServidorHttp servidor;
    const std::vector<Sorteo>& historia = pruebas::Historia();
    // What the service knows: the history and made-up draws up to yesterday.
    std::vector<Sorteo> publicados = historia;
    const QDate ayer = QDate::currentDate().addDays(-1);
    // Another answer for some requests; the rest get the draws of their dates, after `retraso` ms.
    std::function<std::optional<pruebas::ServidorHttp::Respuesta>(QDate hasta)> otra;
    int retraso = 0;

    void SetUp() override {
        for (const Sorteo& s : pruebas::Inventados(QDate(2026, 8, 18), ayer))
            publicados.push_back(s);
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(TOMBOLIN_EJECUTABLE), d + QStringLiteral("/tombolin")));
        pruebas::PonerTablas(d);
        pruebas::EscribirSorteos(d, historia);
        servidor.PonerServicio(
            QStringLiteral("/servicios/buscadorSorteos"),
            [this](const pruebas::ServidorHttp::Peticion& p) {
                const QDate hasta = p.Fecha("fechaFinInclusiva");
                if (otra)
                    if (auto r = otra(hasta)) return *r;
                return pruebas::ServidorHttp::Respuesta(
                           200, pruebas::RespuestaEntre(publicados, p.Fecha("fechaInicioInclusiva"),
                                                        hasta))
                    .Retraso(retraso);
            });
    }

    pruebas::Ejecucion Ejecutar() {
        return pruebas::EjecutarSinPantalla(
            d + QStringLiteral("/tombolin"), {QStringLiteral("--comprobar")},
            {{QStringLiteral("TOMBOLIN_SERVICIO"), servidor.Base()}});
    }

    Pena LaPena() {
        Estado e;
        pruebas::AbrirEstado(e, d);
        Pena p;
        EXPECT_TRUE(LeerPena(e.Penas, 1, p));
        return p;
    }
};

// One line: four numbers of the newest made-up draw and two it lacks. The syndicate was checked
// up to the last draw shipped, as a user who last opened the program in August.
TEST_F(Comprobar, ImprimeYAvisaLosPremiosNuevosUnaSolaVez) {
    Avisos avisos;
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected())
        << "sin bus de sesión: hay que correr la prueba con dbus-run-session";
    ASSERT_TRUE(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &avisos,
                                   QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));

    const Sorteo& ultimo = publicados.back();
    std::array<int, 6> linea{};
    std::copy(ultimo.Numeros.begin(), ultimo.Numeros.begin() + 4, linea.begin());
    int otro = 1;
    for (int c = 4; c < 6; ++c) {
        while (std::count(ultimo.Numeros.begin(), ultimo.Numeros.end(), otro) ||
               otro == ultimo.Complementario)
            ++otro;
        linea[c] = otro++;
    }
    Pena pena = pruebas::PenaSencilla("  Bar  ", {linea}, QStringLiteral("Todos (L+J+S)"),
                                      QDate(2026, 8, 1));
    pena.FechaComprobado = historia.back().Fecha;
    pena.Aciertos[3] = 2;
    pruebas::EscribirPenas(d, {pena});

    // What it must say: every made-up draw the line hits three or more times (the amounts the
    // made-up breakdown pays: 3 hits 8 €, 4 hits 77,54 €).
    QStringList esperadas, textos;
    std::array<int16_t, 8> aciertos = pena.Aciertos;
    for (const Sorteo& s : publicados) {
        if (s.Fecha <= historia.back().Fecha) continue;
        const int k = static_cast<int>(std::count_if(linea.begin(), linea.end(), [&](int x) {
            return std::count(s.Numeros.begin(), s.Numeros.end(), x) > 0;
        }));
        if (k < 3) continue;
        ASSERT_LE(k, 4) << "la prueba sólo sabe de premios de 3 y 4 aciertos";
        ++aciertos[static_cast<size_t>(k)];
        const QDate dia = OleAFecha(s.Fecha);
        esperadas << QStringLiteral("Bar\t%1\t1 premio de %2 aciertos\t%3")
                         .arg(FechaCorta(dia), QString::number(k),
                              k == 3 ? QStringLiteral("8.00") : QStringLiteral("77.54"));
        textos
            << QStringLiteral(
                   "Premio en La Primitiva | La peña «Bar» ha ganado %1 en el sorteo del %2 %3 de "
                   "%4")
                   .arg(k == 3 ? QStringLiteral("8,00 €") : QStringLiteral("77,54 €"),
                        diasemana(dia).toLower(), QString::number(dia.day()),
                        NombreMes(dia.month()));
    }
    ASSERT_FALSE(esperadas.isEmpty());

    pruebas::Ejecucion s = Ejecutar();
    EXPECT_EQ(s.codigo, 3) << s.errores.toStdString();
    EXPECT_EQ(s.salida.split(QLatin1Char('\n'), Qt::SkipEmptyParts), esperadas);
    EXPECT_EQ(avisos.recibidos, textos);
    {
        Estado e;
        pruebas::AbrirEstado(e, d);
        EXPECT_EQ(LeerTodosLosSorteos(e.Sorteos), publicados);
    }
    EXPECT_EQ(LaPena().Aciertos, aciertos);

    // Nothing new: nothing printed, nothing told, no prize counted twice.
    s = Ejecutar();
    EXPECT_EQ(s.codigo, 0) << s.errores.toStdString();
    EXPECT_TRUE(s.salida.isEmpty()) << s.salida.toStdString();
    EXPECT_EQ(avisos.recibidos.size(), textos.size());
    EXPECT_EQ(LaPena().Aciertos, aciertos);
}

TEST_F(Comprobar, ConLaVentanaAbiertaNoHaceNadaYConUnaRespuestaRechazadaNoGuardaNada) {
    pruebas::EscribirPenas(d, {pruebas::PenaSencilla("Bar", {{1, 2, 3, 4, 5, 6}})});
    const QByteArray sorteos = pruebas::LeerBytes(d + QStringLiteral("/numeros.dat"));
    {
        // The window has the data.
        QLockFile ventana(d + QStringLiteral("/tombolin.lock"));
        ASSERT_TRUE(ventana.tryLock(0));
        const pruebas::Ejecucion s = Ejecutar();
        EXPECT_EQ(s.codigo, 2);
        EXPECT_TRUE(s.errores.contains(QStringLiteral("ya está abierto")))
            << s.errores.toStdString();
        EXPECT_TRUE(servidor.peticiones.empty());
    }
    // The service answers with a page of its own, not the list.
    otra = [](QDate) {
        return pruebas::ServidorHttp::Respuesta(
                   200,
                   "<!DOCTYPE html><html><head><title>Loterías y Apuestas del "
                   "Estado</title></head><body>" +
                       QByteArray(400, 'm') + "</body></html>")
            .Tipo("text/html");
    };
    const pruebas::Ejecucion s = Ejecutar();
    EXPECT_EQ(s.codigo, 1);
    EXPECT_TRUE(s.errores.contains(QStringLiteral("Datos corruptos"))) << s.errores.toStdString();
    EXPECT_TRUE(s.salida.isEmpty());
    EXPECT_EQ(pruebas::LeerBytes(d + QStringLiteral("/numeros.dat")), sorteos);
}

// The last request refused after an earlier one brought a prize: the prize is still printed
// and told, the draws it brought stay, and the error wins the exit status.
TEST_F(Comprobar, UnErrorTrasUnPremioLoDiceTodoYSaleConUno) {
    const QDate ultimoTramo = QDate::currentDate().addDays(-100);
    auto ganador = std::find_if(publicados.rbegin(), publicados.rend(),
                                [&](const Sorteo& s) { return OleAFecha(s.Fecha) < ultimoTramo; });
    ASSERT_NE(ganador, publicados.rend());
    ASSERT_GT(ganador->Fecha, historia.back().Fecha);
    // All six: the 1ª, whose made-up breakdown names its amount only some days; what is printed
    // is either.
    std::array<int, 6> linea{};
    std::copy(ganador->Numeros.begin(), ganador->Numeros.end(), linea.begin());
    Pena pena = pruebas::PenaSencilla("Bar", {linea}, QStringLiteral("Todos (L+J+S)"),
                                      OleAFecha(ganador->Fecha));
    pena.FechaComprobado = historia.back().Fecha;
    pruebas::EscribirPenas(d, {pena});
    otra = [this](QDate hasta) -> std::optional<pruebas::ServidorHttp::Respuesta> {
        if (hasta < ayer) return std::nullopt;
        return pruebas::ServidorHttp::Respuesta(503, "Service Unavailable").Tipo("text/plain");
    };
    const pruebas::Ejecucion s = Ejecutar();
    EXPECT_EQ(s.codigo, 1) << s.errores.toStdString();
    const QStringList lineas = s.salida.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 1) << s.salida.toStdString();
    EXPECT_TRUE(lineas[0].startsWith(QStringLiteral("Bar\t") +
                                     FechaCorta(OleAFecha(ganador->Fecha)) +
                                     QStringLiteral("\t1 premio de 6 aciertos\t")))
        << lineas[0].toStdString();
    EXPECT_TRUE(s.errores.contains(QStringLiteral("Faltan los sorteos desde")))
        << s.errores.toStdString();
    EXPECT_EQ(LaPena().Aciertos[6], 1);
}

// A window started while the check runs waits for it, then opens on what it brought.
TEST_F(Comprobar, LaVentanaEsperaALaComprobacion) {
    pruebas::EscribirPenas(d, {pruebas::PenaSencilla("Bar", {{1, 2, 3, 4, 5, 6}})});
    retraso = 1500;
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("TOMBOLIN_SERVICIO"), servidor.Base());
    p.setProcessEnvironment(entorno);
    p.start(d + QStringLiteral("/tombolin"), {QStringLiteral("--comprobar")});
    // Until the check has the data.
    QElapsedTimer reloj;
    reloj.start();
    while (servidor.peticiones.empty() && reloj.elapsed() < 30000) QTest::qWait(20);
    ASSERT_FALSE(servidor.peticiones.empty());

    Estado estado;
    estado.RutaPrograma = RutaConSeparador(d);
    pruebas::DialogosGuion dialogos;
    pruebas::RelojFijo reloj2(QDate::currentDate());
    Arranque arranque(estado, dialogos, reloj2);
    EXPECT_TRUE(arranque.Preparar());
    ASSERT_EQ(dialogos.esperas.size(), 1u);
    EXPECT_TRUE(dialogos.esperas[0].startsWith(QStringLiteral("Comprobando…")));
    EXPECT_TRUE(dialogos.cajas.empty());
    // The check was over when the window went on: every draw it fetched is there.
    EXPECT_EQ(LeerTodosLosSorteos(estado.Sorteos), publicados);
    arranque.Terminar();
    // It gave the data up as it ended.
    if (p.state() != QProcess::NotRunning) {
        ASSERT_TRUE(p.waitForFinished(10000));
    }
    EXPECT_TRUE(p.exitCode() == 0 || p.exitCode() == 3) << p.readAllStandardError().toStdString();
}

}  // namespace
}  // namespace tombolin

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the service and the child run on its event loop
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "test_comprobar.moc"
