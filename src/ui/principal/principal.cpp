#include "ui/principal/principal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/edicion.h"
#include "core/penas.h"
#include "programa/arranque.h"
#include "programa/cadena_descarga.h"
#include "programa/mensajes.h"
#include "programa/ordenes_sorteos.h"
#include "results/noticias.h"
#include "results/textos_descarga.h"
#include "ui/base/datos_programa.h"
#include "ui/base/informes_programa.h"
#include "ui/descarga/barra_descarga.h"
#include "ui/descarga/infor.h"
#include "ui/estadisticas/pagina_crear_combinacion.h"
#include "ui/estadisticas/pagina_estadisticas.h"
#include "ui/estadisticas/seleccion_estadistica.h"
#include "ui/penas/crea.h"
#include "ui/penas/creamenu.h"
#include "ui/penas/ordenes_penas.h"
#include "ui/penas/pagina_gestor.h"
#include "ui/principal/cabecera_sorteos.h"
#include "ui/principal/menu_principal.h"
#include "ui/resultados/pagina_general.h"
#include "ui/resultados/pagina_ultimo_sorteo.h"
#include "ui/ventanas/acercade.h"
#include "ui/ventanas/configurar.h"
#include "ui/ventanas/imprimir.h"

namespace tombolin {

Principal::Principal(const QString& carpetaPrograma, Servicios servicios,
                     const QString& servicioOperador, QWidget* padre,
                     const QString& carpetaCompartida)
    : QMainWindow(padre), servicios_(servicios) {
    Q_ASSERT(servicios_.descarga && servicios_.noticias);
    estado_.RutaPrograma = RutaConSeparador(carpetaPrograma);
    if (!carpetaCompartida.isEmpty()) estado_.RutaCompartida = RutaConSeparador(carpetaCompartida);
    setWindowTitle(QStringLiteral("Tombolin"));
    setObjectName(QStringLiteral("Principal"));
    // As large as it was drawn for, never larger than the screen.
    resize(QSize(1100, 720).boundedTo(screen()->availableSize()));

    arranque_ = std::make_unique<Arranque>(estado_, servicios_.dialogos, servicios_.reloj);
    seleccion_ = new SeleccionEstadistica(this);
    datos_ = new DatosPrograma(estado_, servicios_.reloj, &arranque_->Premios(), this);
    connect(seleccion_, &SeleccionEstadistica::cambiada, datos_,
            [this] { datos_->PonerFiltro(seleccion_->Actual()); });
    informes_ = new InformesPrograma(estado_, servicios_.dialogos, *datos_, this);
    pestanas_ = new QTabWidget(this);
    pestanas_->setObjectName(QStringLiteral("pestanas"));
    general_ = new PaginaGeneral(estado_, servicios_, *datos_, pestanas_);
    gestor_ = new PaginaGestor(estado_, *datos_, servicios_.dialogos, pestanas_);
    estadisticas_ = new PaginaEstadisticas(*seleccion_, *datos_, pestanas_);
    pestanas_->addTab(general_, QStringLiteral("General"));
    ultimo_ = new PaginaUltimoSorteo(estado_, servicios_, *servicios_.descarga, servicioOperador,
                                     *datos_, pestanas_);
    pestanas_->addTab(ultimo_, QStringLiteral("Último sorteo"));
    pestanas_->addTab(gestor_, QStringLiteral("Gestor de peñas"));
    pestanas_->addTab(estadisticas_, QStringLiteral("Estadísticas"));
    crear_ = new PaginaCrearCombinacion(*seleccion_, *datos_, servicios_.dialogos,
                                        estado_.FicheroCompartido(kFicheroTablas), pestanas_);
    pestanas_->addTab(crear_, QStringLiteral("Crear Combinación"));

    descarga_ = new CadenaDescarga(estado_, servicios_.dialogos, servicios_.reloj,
                                   *servicios_.descarga, servicioOperador, this);
    descarga_->PonerAlmacen(&arranque_->Premios());
    descarga_->PonerNotificador(servicios_.notificador);
    auto* barra = new BarraDescarga(*descarga_, this);
    auto* centro = new QWidget(this);
    auto* capas = new QVBoxLayout(centro);
    cabecera_ = new CabeceraSorteos(*datos_, barra, centro);
    capas->addWidget(cabecera_);
    capas->addWidget(pestanas_, 1);
    setCentralWidget(centro);
    CrearMenus();

    connect(gestor_, &PaginaGestor::borrarPena, this, &Principal::BorrarPena);
    connect(gestor_, &PaginaGestor::editarPena, this, &Principal::EditarPena);
    connect(gestor_, &PaginaGestor::imprimirPena, this, &Principal::ImprimirPena);
    connect(gestor_, &PaginaGestor::fichaMostrada, informes_, &InformesPrograma::GuardarFicha);
    connect(gestor_, &PaginaGestor::verInforme, this, [this] { informes_->Mostrar(1); });
    connect(crear_, &PaginaCrearCombinacion::verInforme, this, [this] { informes_->Mostrar(0); });
    connect(crear_, &PaginaCrearCombinacion::crearPena, this, &Principal::CrearPena);
    connect(crear_, &PaginaCrearCombinacion::crearPenaGuiada, this,
            [this](int modo, const TablaReducida* tabla) {
                // Like every command that changes a file, it waits for a download to end (the
                // status bar says so).
                if (!cambiosPermitidos_) return;
                // The editor marks the ranked numbers and closes once the syndicate is saved.
                estado_.CerrarEditorAlGuardar = true;
                NuevaPena(modo, tabla);
            });
    connect(crear_, &PaginaCrearCombinacion::clasificados, this,
            [this](const std::array<int, 49>& orden, int cuantos) {
                for (int k = 0; k < 49; ++k)
                    estado_.NumerosOrdenados[k] = static_cast<int16_t>(orden[k]);
                informes_->GuardarNumeros(orden, cuantos);
            });
    connect(datos_, &DatosPrograma::ajustesCambiados, this,
            [this] { seleccion_->PonerMesesMaximos(estado_.Config.MesesMaximos); });
    connect(gestor_, &PaginaGestor::borrarSorteos, this, &Principal::BorrarSorteos);
    connect(gestor_, &PaginaGestor::importarSorteos, this, &Principal::ImportarSorteos);
    connect(estadisticas_, &PaginaEstadisticas::filaPulsada, this, &Principal::BorrarSorteoDeLista);
    connect(general_, &PaginaGeneral::penasActualizadas, datos_, &DatosPrograma::ReleerContadores);
    connect(pestanas_, &QTabWidget::currentChanged, this, &Principal::CambioDePestana);

    connect(descarga_, &CadenaDescarga::empieza, this, [this] {
        general_->ReiniciarAvisoPremio();
        ultimo_->EmpiezaDescarga();
        if (noticias_) noticias_->close();
    });
    connect(descarga_, &CadenaDescarga::nuevosSorteos, general_,
            &PaginaGeneral::PonerNuevosSorteos);
    connect(descarga_, &CadenaDescarga::sorteosCambiados, datos_, &DatosPrograma::Releer);
    // The results page's check counts the new draws and shows them.
    descarga_->PonerComprobacion([this](int n) { general_->ComprobarDescargados(n); });
    connect(descarga_, &CadenaDescarga::refrescar, ultimo_,
            [this] { ultimo_->MostrarDesglose(0); });
    connect(descarga_, &CadenaDescarga::primeraPestana, this,
            [this] { pestanas_->setCurrentIndex(kGeneral); });
    connect(descarga_, &CadenaDescarga::analisisImposible, ultimo_,
            &PaginaUltimoSorteo::MostrarMensaje);
    connect(descarga_, &CadenaDescarga::descargando, this, [this](bool si) {
        PermitirCambios(!si);
        if (!si) datos_->ReleerPremios();
    });
    connect(descarga_, &CadenaDescarga::tramoPedido, this,
            [this](const QString& tramo) { statusBar()->showMessage(TextoEsperan(tramo)); });
}

Principal::~Principal() {
    informes_->Cerrar();
    arranque_->Terminar();
}

void Principal::CrearMenus() {
    OrdenesMenu o;
    o.bajar = [this] { descarga_->BajarSorteos(); };
    o.completarImportes = [this] { descarga_->CompletarImportes(); };
    o.crearPena = [this] { CrearPena(); };
    o.borrarSorteos = [this] { BorrarSorteos(); };
    o.salir = [this] { salir(); };
    o.configurar = [this] {
        auto* c = new Configurar(estado_, servicios_, this);
        // Shown once the window closes: a number typed key by key passes through values (the
        // "1" of "12") that would cut the chosen months on the way.
        connect(c, &VentanaSecundaria::cerrada, datos_, &DatosPrograma::AjustesNuevos);
        AbrirVentana(c);
    };
    o.instrucciones = [this] { AbrirInstrucciones(); };
    o.leerMensaje = [this] { LeerMensaje(); };
    o.web = [this] { AbrirWeb(); };
    o.acerca = [this] { AbrirVentana(new Acercade(estado_, servicios_, this)); };
    o.resultados = [this](bool multiple, int soloPremios, int historico) {
        pestanas_->setCurrentIndex(kGeneral);
        general_->MostrarVista(multiple);
        if (soloPremios >= 0) general_->PonerOpciones(soloPremios == 1, historico == 1);
    };
    o.pestana = [this](int i) { pestanas_->setCurrentIndex(i); };
    accionesQueCambian_ = tombolin::CrearMenus(menuBar(), MenuPrincipal(o));
    // Printing the syndicate on show has its picture button and its keys, not a menu entry.
    auto* imprimir = new QAction(QStringLiteral("Imprimir peña"), this);
    imprimir->setObjectName(QStringLiteral("imprimirPena"));
    imprimir->setShortcut(QKeySequence::Print);
    connect(imprimir, &QAction::triggered, this, &Principal::ImprimirPena);
    addAction(imprimir);
}

void Principal::PermitirCambios(bool si) {
    cambiosPermitidos_ = si;
    const QString porque =
        si ? QString() : QStringLiteral("No disponible mientras se bajan los sorteos.");
    for (QAction* a : accionesQueCambian_) {
        a->setEnabled(si);
        a->setStatusTip(porque);
    }
    gestor_->PermitirCambios(si, porque);
    crear_->PermitirCambios(si, porque);
    pestanas_->setTabToolTip(kUltimoSorteo, porque);
    if (si) {
        statusBar()->clearMessage();
    } else {
        statusBar()->showMessage(TextoEsperan({}));
    }
}

void Principal::AbrirWeb() {
    servicios_.escritorio.AbrirUrl(QStringLiteral("http://") + estado_.Config.DireccionVisible());
}

void Principal::AbrirInstrucciones() {
    servicios_.escritorio.AbrirUrl(QStringLiteral("http://") + estado_.Config.DireccionVisible() +
                                   QStringLiteral("/descargas/Instrucciones%20Tombolin%203.2.pdf"));
}

void Principal::LeerMensaje() {
    if (!noticias_) noticias_ = new Infor(estado_.Fichero(kFicheroNoticias), servicios_, this);
    noticias_->show();
    noticias_->raise();
}

void Principal::ComprobarNoticias() {
    if (TraerNoticias(estado_, *servicios_.noticias, servicios_.reloj.Hoy())) LeerMensaje();
}

void Principal::CambioDePestana(int pestana) {
    general_->PararAvisoPremio();
    // The latest draw's page can't be opened while a download runs: it reads "www.txt".
    if (pestana == kUltimoSorteo && !cambiosPermitidos_) {
        const QSignalBlocker quieto(pestanas_);
        pestanas_->setCurrentIndex(pestanaAnterior_);
        return;
    }
    // The wizard starts again from its first step whenever its page is left or shown.
    if (pestanaAnterior_ == kCrearCombinacion && pestana != kCrearCombinacion) crear_->Reiniciar();
    if (pestana == kCrearCombinacion) crear_->Preparar();
    pestanaAnterior_ = pestana;
    if (pestana == kUltimoSorteo) {
        // Said where it takes no room from the header, which must fit a small screen.
        statusBar()->showMessage(QStringLiteral("Un momento. Actualizando información..."));
        statusBar()->repaint();
        ultimo_->MostrarDesglose(1);
        statusBar()->clearMessage();
    }
}

void Principal::paintEvent(QPaintEvent* evento) {
    QMainWindow::paintEvent(evento);
    // The store is waited for once the window is on the screen.
    if (!pintada_) {
        pintada_ = true;
        QTimer::singleShot(0, informes_, &InformesPrograma::Listos);
    }
}

bool Principal::CargarPrincipal() {
    informes_->PonerArrancando(true);
    if (!arranque_->Preparar(programaSinEscritura_)) {
        salir();
        return false;
    }
    seleccion_->PonerMesesMaximos(estado_.Config.MesesMaximos);
    informes_->Abrir();
    datos_->Releer();
    general_->Refrescar();
    ultimo_->MostrarDesglose(1);
    general_->MostrarVista(false);
    informes_->PonerArrancando(false);
    return true;
}

void Principal::BorrarPena() {
    if (!OrdenesPenas(estado_, servicios_.dialogos).Borrar()) return;
    // The row that takes the removed one's place is highlighted, and so chosen.
    datos_->Releer();
    general_->LlevarAlPrimerSorteo();
}

void Principal::CrearPena() {
    if (!cambiosPermitidos_) return;
    // One chooser at a time (a closed one is only waiting to be deleted).
    if (menuCreacion_ && menuCreacion_->isVisible()) {
        menuCreacion_->raise();
        return;
    }
    menuCreacion_ = new Creamenu(estado_.FicheroCompartido(kFicheroTablas), this);
    connect(menuCreacion_, &Creamenu::elegido, this, &Principal::NuevaPena);
    connect(menuCreacion_, &Creamenu::cerrada, this, &Principal::ActivarPrincipal);
    menuCreacion_->show();
}

void Principal::EditarPena() {
    if (!cambiosPermitidos_) return;
    bool danada = false;
    if (!OrdenesPenas(estado_, servicios_.dialogos).Editable(danada)) {
        if (danada) gestor_->MostrarPena(estado_.PenaActual);
        return;
    }
    Crea* editor = Crea::Editar(estado_, servicios_, this);
    if (!editor) return;
    estado_.ModoEdicion = true;
    estado_.CerrarEditorAlGuardar = true;
    AbrirVentana(editor);
}

void Principal::ImprimirPena() {
    if (!HayPenaElegida(estado_, servicios_.dialogos)) return;
    if (!LeerPena(estado_.Penas, estado_.PenaActual, estado_.PenaCargada)) return;
    AbrirVentana(new Imprimir(estado_, servicios_, this));
}

void Principal::AbrirVentana(VentanaSecundaria* ventana) {
    if (!ventana) return;
    connect(ventana, &VentanaSecundaria::cerrada, this, &Principal::ActivarPrincipal);
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}

void Principal::NuevaPena(int modo, const TablaReducida* tabla) {
    AbrirVentana(Crea::Nueva(estado_, servicios_, EdicionPena::Nueva(modo, tabla), this));
}

void Principal::BorrarSorteos() {
    modoBorrado_ = true;
    const auto b = OrdenesSorteos(estado_, servicios_.dialogos, servicios_.escritorio)
                       .BorrarTodo(servicios_.reloj);
    if (b.sorteos || b.aciertos) datos_->Releer();
    if (b.sorteos) general_->Refrescar();
    if (b.aciertos) {
        general_->PonerSorteosAComprobar(1);
        general_->VaciarListas();
    }
}

void Principal::ImportarSorteos() {
    if (!OrdenesSorteos(estado_, servicios_.dialogos, servicios_.escritorio).Importar()) return;
    datos_->Releer();
    general_->Refrescar();
}

void Principal::BorrarSorteoDeLista(int fila) {
    if (!modoBorrado_ || !cambiosPermitidos_) return;
    // The draw shown on that row, whatever the list leaves out.
    const int k = estadisticas_->RegistroDeFila(fila);
    if (!OrdenesSorteos(estado_, servicios_.dialogos, servicios_.escritorio).BorrarUno(k)) return;
    datos_->Releer();
    // The results lists may show the draw that is gone.
    general_->Refrescar();
}

void Principal::ActivarPrincipal() {
    if (terminado_) return;
    ++activaciones_;
    if (activaciones_ == 1) {
        OrdenesPenas(estado_, servicios_.dialogos).DarBienvenida();
        if (OrdenesSorteos(estado_, servicios_.dialogos, servicios_.escritorio)
                .OfrecerHistorico()) {
            datos_->Releer();
            general_->Refrescar();
        }
        // The news is fetched once the window is up: the fetch waits on the network.
        QTimer::singleShot(0, this, &Principal::ComprobarNoticias);
    }
    if (estado_.ModoEdicion) estado_.PenasCambiadas = true;
    estado_.ModoEdicion = false;
    if (estado_.PenasCambiadas) {
        general_->QuitarSeleccionPenas();
        general_->LlevarAlPrimerSorteo();
        datos_->Releer();
        estado_.PenasCambiadas = false;
    }
    estado_.CerrarEditorAlGuardar = false;
    general_->LlevarAlPrimerSorteo();
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
    cabecera_->Parar();
    arranque_->Terminar();
    informes_->Cerrar();
    close();
    QCoreApplication::quit();
}

void Principal::closeEvent(QCloseEvent* evento) {
    salir();
    evento->accept();
}

}  // namespace tombolin
