#include "ui/principal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QMenuBar>
#include <QTabWidget>

#include "core/arranque.h"
#include "core/configuracion.h"
#include "core/mensajes.h"
#include "core/penas.h"
#include "core/sorteos.h"

namespace tombolin {

Principal::Principal(const QString& carpetaPrograma, Servicios servicios, QWidget* padre)
    : QMainWindow(padre), servicios_(servicios), carpetaPrograma_(carpetaPrograma) {
    setWindowTitle(QStringLiteral("Tombolin"));
    setObjectName(QStringLiteral("Principal"));
    resize(960, 680);

    pestanas_ = new QTabWidget(this);
    pestanas_->setObjectName(QStringLiteral("pestanas"));
    for (const char* nombre :
         {"General", "Último sorteo", "Gestor de peñas", "Estadísticas", "Crear Combinación"}) {
        pestanas_->addTab(new QWidget(pestanas_), QString::fromUtf8(nombre));
    }
    setCentralWidget(pestanas_);
    CrearMenus();
}

Principal::~Principal() {
    estado_.Penas.Cerrar();
    estado_.Sorteos.Cerrar();
    estado_.Ajustes.Cerrar();
    estado_.Descarga.close();
}

void Principal::CrearMenus() {
    QMenu* general = menuBar()->addMenu(QStringLiteral("&General"));
    QAction* salirAccion = general->addAction(QStringLiteral("&Salir"));
    salirAccion->setObjectName(QStringLiteral("salir"));
    connect(salirAccion, &QAction::triggered, this, &Principal::salir);

    QMenu* ver = menuBar()->addMenu(QStringLiteral("&Ver"));
    const struct {
        const char* control;
        const char* texto;
    } entradas[] = {{"gene", "Pestaña &General"},
                    {"ultimo", "Pestaña &Último sorteo"},
                    {"Gestor", "Pestaña Gestor de &peñas"},
                    {"esta", "Pestaña &Estadísticas"},
                    {"comb", "Pestaña &Crear Combinación"}};
    for (int i = 0; i < 5; ++i) {
        QAction* a = ver->addAction(QString::fromUtf8(entradas[i].texto));
        a->setObjectName(QLatin1String(entradas[i].control));
        a->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)));
        connect(a, &QAction::triggered, this, [this, i] { pestanas_->setCurrentIndex(i); });
    }
}

bool Principal::CargarPrincipal() {
    Estado& e = estado_;
    e.RutaPrograma = RutaConSeparador(carpetaPrograma_);
    QDir::setCurrent(carpetaPrograma_);

    BorrarTemporales(e);
    const QString aviso = AbrirFicheros(e);
    if (!aviso.isEmpty()) {
        servicios_.dialogos.Mensaje(aviso, Icono::Exclamacion, Botones::Aceptar,
                                    TituloVayaHombre());
    }

    const QString faltan = FaltanTablas(e);
    if (!faltan.isEmpty()) {
        servicios_.dialogos.Mensaje(faltan, Icono::Exclamacion, Botones::Aceptar,
                                    TituloVayaHombre());
        salir();
        return false;
    }

    LeerConfiguracion(e);
    // An old-format file is expected to have bytes over; once converted it has none.
    if (!ConvertirFormatoAntiguo(e, servicios_.dialogos)) {
        for (const QString& a : AvisosRegistrosIncompletos(e)) {
            servicios_.dialogos.Mensaje(a, Icono::Exclamacion, Botones::Aceptar,
                                        TituloVayaHombre());
        }
    }
    return true;
}

void Principal::ActivarPrincipal() {
    if (terminado_) return;
    ++activaciones_;
    if (activaciones_ == 1) {
        Pena primera;
        if (!LeerPena(estado_.Penas, 1, primera)) {
            servicios_.dialogos.Mensaje(
                QStringLiteral("Bienvenido a Tombolin. Vaya a la pestaña 'Crear Combinación' y "
                               "cree una peña. Podrás comprobar tus resultados a partir de hoy. "
                               "Instrucciones disponibles en nuestra web, en la sección "
                               "'Tutorial' o en el programa, en el menú 'Ayuda'."),
                Icono::Informacion, Botones::Aceptar, QStringLiteral("Fichero de peñas vacío"));
        }
    }
    if (estado_.ModoEdicion) estado_.PenasCambiadas = true;
    estado_.ModoEdicion = false;
    estado_.PenasCambiadas = false;
    estado_.CerrarEditorAlGuardar = false;
}

void Principal::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    // The first activation follows the first display, once the window is on the screen.
    if (activaciones_ == 0 && !activacionPendiente_ && !terminado_) {
        activacionPendiente_ = true;
        QMetaObject::invokeMethod(this, &Principal::ActivarPrincipal, Qt::QueuedConnection);
    }
}

void Principal::salir() {
    if (terminado_) return;
    terminado_ = true;
    estado_.Penas.Cerrar();
    estado_.Sorteos.Cerrar();
    estado_.Ajustes.Cerrar();
    estado_.Descarga.close();
    close();
    QCoreApplication::quit();
}

void Principal::closeEvent(QCloseEvent* evento) {
    salir();
    evento->accept();
}

}  // namespace tombolin
