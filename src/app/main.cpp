#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <cstdlib>

#include "core/arranque.h"
#include "core/reloj.h"
#include "printing/impresora_qt.h"
#include "programa/arranque.h"
#include "programa/cadena_descarga.h"
#include "programa/comprobar_consola.h"
#include "programa/notificador_dbus.h"
#include "programa/resumen_consola.h"
#include "programa/systemctl_qt.h"
#include "results/transferencia_qt.h"
#include "ui/base/dialogos_qt.h"
#include "ui/base/escritorio_qt.h"
#include "ui/base/idioma.h"
#include "ui/principal/principal.h"
#include "ui/ventanas/presentacion.h"

namespace {

// Beside the executable when it may be written there (the build, a portable copy); once
// installed, the user's files go to the per-user data folder and the shipped ones are read from
// the share folder.
tombolin::Carpetas CarpetasDelPrograma() {
    const QString ejecutable = QCoreApplication::applicationDirPath();
    return tombolin::ElegirCarpetas(
        ejecutable, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        QDir(ejecutable + QStringLiteral("/../share/tombolin")).absolutePath());
}

// Installed, the user's data folder is made before anything: why it can't be, or empty.
QString SinCarpetaDeDatos(const tombolin::Carpetas& carpetas) {
    if (!carpetas.instalado || QDir().mkpath(carpetas.datos)) return {};
    return QStringLiteral("No se puede crear la carpeta de los datos de Tombolin: ") +
           QDir::toNativeSeparators(carpetas.datos) +
           QStringLiteral(". Compruebe sus permisos y vuelva a abrir el programa.");
}

// The results service: the operator's, or the one TOMBOLIN_SERVICIO names (a test server).
QString Servicio() {
    const QString otro = qEnvironmentVariable("TOMBOLIN_SERVICIO");
    return otro.isEmpty() ? QLatin1String(tombolin::CadenaDescarga::kServicioOperador) : otro;
}

// The faces without a window need no display: scripts and timers run them.
int SinVentana(int argc, char* argv[], bool comprobar) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tombolin"));
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    const tombolin::Carpetas carpetas = CarpetasDelPrograma();
    if (!comprobar) return tombolin::ImprimirResumen(carpetas.datos, salida, errores);
    if (const QString motivo = SinCarpetaDeDatos(carpetas); !motivo.isEmpty()) {
        errores << motivo << '\n';
        return tombolin::kError;
    }
    tombolin::RelojSistema reloj;
    tombolin::TransferenciaQt transferencia;
    tombolin::NotificadorDBus notificador;
    const int codigo = tombolin::ComprobarSinVentana(carpetas, reloj, transferencia, Servicio(),
                                                     &notificador, salida, errores);
    notificador.EsperarEnvios();
    return codigo;
}

}  // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--resumen") == 0) return SinVentana(argc, argv, false);
        if (qstrcmp(argv[i], "--comprobar") == 0) return SinVentana(argc, argv, true);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tombolin"));
    // The desktop entry's name: the window gets the installed entry's icon and name.
    QApplication::setDesktopFileName(QStringLiteral("example.tombolin.Tombolin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tombolin/tombolin.svg")));
    tombolin::PrepararIdioma(app);

    tombolin::DialogosQt dialogos;
    tombolin::EscritorioQt escritorio;
    tombolin::RelojSistema reloj;
    tombolin::ImpresoraQt impresora;
    tombolin::TransferenciaQt descarga;
    tombolin::TransferenciaQt noticias;
    tombolin::NotificadorDBus notificador;
    tombolin::SystemctlQt systemctl;
    const tombolin::Carpetas carpetas = CarpetasDelPrograma();
    if (const QString motivo = SinCarpetaDeDatos(carpetas); !motivo.isEmpty()) {
        dialogos.Mensaje(motivo, tombolin::Icono::Critico, tombolin::Botones::Aceptar,
                         QStringLiteral("¡Vaya hombre!"));
        return 1;
    }
    tombolin::Principal principal(
        carpetas.datos,
        tombolin::Servicios{dialogos, reloj, escritorio, impresora, &descarga, &noticias,
                            &notificador, carpetas.instalado ? &systemctl : nullptr},
        Servicio(), nullptr, carpetas.compartida);
    dialogos.PonerVentana(&principal);
    principal.PonerProgramaSinEscritura(carpetas.programaSinEscritura);

    // The splash comes first; scripts that look at the main window can leave it out.
    const bool sinPresentacion =
        QApplication::arguments().contains(QStringLiteral("--sin-presentacion"));
    // For the start-up benchmark: the program ends as soon as its window is first painted.
    struct TrasPintar : QObject {
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
            return false;
        }
    } trasPintar;
    if (QApplication::arguments().contains(QStringLiteral("--salir-tras-pintar")))
        principal.installEventFilter(&trasPintar);
    int codigo = 0;
    const auto entrar = [&] {
        if (!principal.CargarPrincipal()) {
            codigo = 1;
            QApplication::quit();
            return;
        }
        principal.show();
    };
    if (sinPresentacion) {
        entrar();
        if (codigo != 0) return codigo;
    } else {
        auto* presentacion = new tombolin::Presentacion;
        presentacion->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(presentacion, &tombolin::Presentacion::entrar, presentacion,
                         [&, presentacion] {
                             entrar();
                             presentacion->close();
                         });
        presentacion->show();
    }
    const int resultado = app.exec();
    return codigo != 0 ? codigo : resultado;
}
