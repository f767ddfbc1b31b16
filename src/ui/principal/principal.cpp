#include "ui/principal/principal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/arranque.h"
#include "core/configuracion.h"
#include "core/edicion.h"
#include "core/juego.h"
#include "core/penas.h"
#include "programa/arranque.h"
#include "programa/cadena_descarga.h"
#include "programa/mensajes.h"
#include "programa/ordenes_sorteos.h"
#include "results/noticias.h"
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
    resize(1100, 720);

    arranque_ = std::make_unique<Arranque>(estado_, servicios_.dialogos, servicios_.reloj);
    seleccion_ = new SeleccionEstadistica(this);
    datos_ = new DatosPrograma(estado_, servicios_.reloj, this);
    connect(seleccion_, &SeleccionEstadistica::cambiada, datos_,
            [this] { datos_->PonerFiltro(seleccion_->Actual()); });
    informes_ = new InformesPrograma(estado_, servicios_.dialogos, *datos_, this);
    pestanas_ = new QTabWidget(this);
    pestanas_->setObjectName(QStringLiteral("pestanas"));
    general_ = new PaginaGeneral(estado_, servicios_, *datos_, pestanas_);
    general_->setObjectName(QStringLiteral("paginaGeneral"));
    gestor_ = new PaginaGestor(estado_, *datos_, servicios_.dialogos, pestanas_);
    gestor_->setObjectName(QStringLiteral("paginaGestor"));
    estadisticas_ = new PaginaEstadisticas(*seleccion_, *datos_, pestanas_);
    estadisticas_->setObjectName(QStringLiteral("paginaEstadisticas"));
    pestanas_->addTab(general_, QStringLiteral("General"));
    ultimo_ = new PaginaUltimoSorteo(estado_, servicios_, *servicios_.descarga, servicioOperador,
                                     pestanas_);
    ultimo_->setObjectName(QStringLiteral("paginaUltimoSorteo"));
    pestanas_->addTab(ultimo_, QStringLiteral("Último sorteo"));
    pestanas_->addTab(gestor_, QStringLiteral("Gestor de peñas"));
    pestanas_->addTab(estadisticas_, QStringLiteral("Estadísticas"));
    crear_ = new PaginaCrearCombinacion(*seleccion_, *datos_, servicios_.dialogos,
                                        estado_.FicheroCompartido(kFicheroTablas), pestanas_);
    crear_->setObjectName(QStringLiteral("paginaCrearCombinacion"));
    pestanas_->addTab(crear_, QStringLiteral("Crear Combinación"));

    descarga_ = new CadenaDescarga(estado_, servicios_.dialogos, servicios_.reloj,
                                   *servicios_.descarga, servicioOperador, this);
    auto* barra = new BarraDescarga(*descarga_, this);
    barra->setObjectName(QStringLiteral("barraDescarga"));
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
    connect(general_, &PaginaGeneral::refrescoPedido, this, &Principal::RefrescarResultados);
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
    connect(descarga_, &CadenaDescarga::refrescar, this, &Principal::TrasDescargaRefrescar);
    connect(descarga_, &CadenaDescarga::primeraPestana, this,
            [this] { pestanas_->setCurrentIndex(kGeneral); });
    connect(descarga_, &CadenaDescarga::analisisImposible, ultimo_,
            &PaginaUltimoSorteo::MostrarMensaje);
    connect(descarga_, &CadenaDescarga::descargando, this,
            [this](bool si) { PermitirCambios(!si); });
    connect(descarga_, &CadenaDescarga::tramoPedido, this,
            [this](const QString& tramo) { statusBar()->showMessage(TextoEsperan(tramo)); });
}

int Principal::SorteosJugados() const {
    return datos_->Situacion().SorteosJugados;
}

Principal::~Principal() {
    informes_->Cerrar();
    arranque_->Terminar();
}

void Principal::CrearMenus() {
    const QString general = QStringLiteral("&General");
    const QString ver = QStringLiteral("&Ver");
    const QString opciones = QStringLiteral("&Opciones");
    const QString ayuda = QStringLiteral("A&yuda");
    std::vector<EntradaMenu> e = {
        {general, QStringLiteral("Baja"), QStringLiteral("Bajar &Sorteos nuevos"),
         [this] { descarga_->BajarSorteos(); }, QKeySequence(Qt::Key_F5)},
        {general, QStringLiteral("Crearp"), QStringLiteral("Crear peña &nueva"),
         [this] { CrearPena(); }, QKeySequence::New, true},
        {general,
         QStringLiteral("borrpe"),
         QStringLiteral("&Borrar sorteos almacenados/Reset aciertos peñas"),
         [this] { BorrarSorteos(); },
         {},
         true},
    };
    // The results menus: each entry shows the results tab and the list, then sets the two
    // options, prizes only and the draws before a syndicate's creation (-1 leaves one as it is).
    const struct {
        const char* sencilla;
        const char* multiple;
        const char* texto;
        int soloPremios;
        int historico;
    } resultados[] = {
        {"sencillas", "Multiples", "&Todos los resultados", -1, -1},
        {"verpremio", "verpremiom", "&Sólo si hay premio", 1, 0},
        {"verhisto", "verhistom",
         "&Histórico (resultados sorteos anteriores a la fecha de creación de las peñas)", 0, 1},
        {"verprehi", "verpreim", "Sólo si hay premios + &histórico", 1, 1},
    };
    for (bool multiple : {false, true}) {
        const QString menu =
            general + (multiple ? QStringLiteral("/&Múltiples") : QStringLiteral("/S&encillas"));
        for (const auto& r : resultados) {
            QString texto = QString::fromUtf8(r.texto);
            // The multiples' entry has always read so.
            if (multiple) texto.replace(QStringLiteral("creación"), QStringLiteral("creacón"));
            const int soloPremios = r.soloPremios;
            const int historico = r.historico;
            e.push_back({menu, QLatin1String(multiple ? r.multiple : r.sencilla), texto,
                         [this, multiple, soloPremios, historico] {
                             pestanas_->setCurrentIndex(kGeneral);
                             general_->MostrarVista(multiple);
                             if (soloPremios >= 0)
                                 general_->PonerOpciones(soloPremios == 1, historico == 1);
                         }});
        }
    }
    e.push_back({general, {}, {}, {}});
    e.push_back({general, QStringLiteral("salir"), QStringLiteral("&Salir"), [this] { salir(); },
                 QKeySequence(Qt::CTRL | Qt::Key_Q)});
    const char* const pestanas[][2] = {{"gene", "Pestaña &General"},
                                       {"ultimo", "Pestaña &Último sorteo"},
                                       {"Gestor", "Pestaña Gestor de &peñas"},
                                       {"esta", "Pestaña &Estadísticas"},
                                       {"comb", "Pestaña &Crear Combinación"}};
    for (int i = 0; i < 5; ++i) {
        e.push_back({ver, QLatin1String(pestanas[i][0]), QString::fromUtf8(pestanas[i][1]),
                     [this, i] { pestanas_->setCurrentIndex(i); },
                     QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i))});
    }
    e.push_back({opciones, QStringLiteral("confi"), QStringLiteral("&Configuración"), [this] {
                     auto* c = new Configurar(estado_, servicios_, this);
                     // Shown once the window closes: a number typed key by key passes through
                     // values (the "1" of "12") that would cut the chosen months on the way.
                     connect(c, &VentanaSecundaria::cerrada, datos_, &DatosPrograma::AjustesNuevos);
                     AbrirVentana(c);
                 }});
    e.push_back({ayuda, QStringLiteral("instrucciones"), QStringLiteral("&Instrucciones"),
                 [this] { AbrirInstrucciones(); }});
    // The news window reads the file the news transfer writes.
    e.push_back({ayuda,
                 QStringLiteral("Leer"),
                 QStringLiteral("&Leer mensaje del Jefe"),
                 [this] { LeerMensaje(); },
                 {},
                 true});
    e.push_back({ayuda, QStringLiteral("web"), QStringLiteral("&Web del programa"),
                 [this] { AbrirWeb(); }});
    e.push_back({ayuda, QStringLiteral("acerca"), QStringLiteral("&Acerca de..."),
                 [this] { AbrirVentana(new Acercade(estado_, servicios_, this)); }});
    accionesQueCambian_ = tombolin::CrearMenus(menuBar(), e);
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

QString Principal::TextoEsperan(const QString& tramo) {
    return QStringLiteral("Bajando sorteos nuevos") +
           (tramo.isEmpty() ? QString()
                            : QStringLiteral(" (") + tramo.front().toLower() + tramo.mid(1) +
                                  QLatin1Char(')')) +
           QStringLiteral(
               ": crear, modificar y borrar peñas, borrar e importar sorteos y leer las "
               "noticias esperan a que termine.");
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
        cabecera_->Actualizando(true);
        ultimo_->MostrarDesglose(1);
        cabecera_->Actualizando(false);
    }
}

void Principal::TrasDescargaRefrescar() {
    // The draws were read again when the file changed (sorteosCambiados).
    ultimo_->MostrarDesglose(0);
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
    RefrescarResultados();
    ultimo_->MostrarDesglose(1);
    general_->MostrarVista(false);
    informes_->PonerArrancando(false);
    return true;
}

void Principal::RefrescarResultados() {
    general_->ComprobarSencillas(estado_.SorteoLibre() > 1 ? general_->SorteosAComprobar() : 0);
}

void Principal::LlevarResultadosAlPrimerSorteo() {
    // Moving the selector runs the refresh; when it already stands at 1 the check runs here.
    if (general_->SorteosAComprobar() == 1) {
        general_->ComprobarSencillas(estado_.SorteoLibre() > 1 ? 1 : 0);
    } else {
        general_->PonerSorteosAComprobar(1);
    }
}

void Principal::BorrarPena() {
    if (!OrdenesPenas(estado_, servicios_.dialogos).Borrar()) return;
    // The chosen syndicate is gone: no other one takes its place unasked.
    estado_.PenaActual = 0;
    datos_->Releer();
    LlevarResultadosAlPrimerSorteo();
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
    if (!HayPenaElegida(estado_, servicios_.dialogos)) return;
    Pena pena;
    if (!LeerPena(estado_.Penas, estado_.PenaActual, pena)) return;
    // A damaged record, or one without lines, is not edited: its card says what it holds.
    if (LineasEnUso(pena) == 0) {
        gestor_->MostrarPena(estado_.PenaActual);
        return;
    }
    Crea* editor = Crea::Editar(estado_, servicios_, this);
    if (!editor) return;
    estado_.ModoEdicion = true;
    estado_.CerrarEditorAlGuardar = true;
    if (pena.ReducidaNumeros != 0) {
        servicios_.dialogos.Mensaje(
            QStringLiteral("Si modifica algún número de esta peña, dejará de ser Reducida y "
                           "pasará a ser de apuestas sencillas."),
            Icono::Informacion, Botones::Aceptar, QStringLiteral("Atención!"));
    }
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
    if (b.sorteos) RefrescarResultados();
    if (b.aciertos) {
        general_->PonerSorteosAComprobar(1);
        general_->VaciarListas();
    }
}

void Principal::ImportarSorteos() {
    if (!OrdenesSorteos(estado_, servicios_.dialogos, servicios_.escritorio).Importar()) return;
    datos_->Releer();
    RefrescarResultados();
}

void Principal::BorrarSorteoDeLista(int fila) {
    if (!modoBorrado_ || !cambiosPermitidos_) return;
    // The draw shown on that row, whatever the list leaves out.
    const int k = estadisticas_->RegistroDeFila(fila);
    if (!OrdenesSorteos(estado_, servicios_.dialogos, servicios_.escritorio).BorrarUno(k)) return;
    datos_->Releer();
    // The results lists may show the draw that is gone.
    RefrescarResultados();
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
        if (OrdenesSorteos(estado_, servicios_.dialogos, servicios_.escritorio)
                .OfrecerHistorico()) {
            datos_->Releer();
            RefrescarResultados();
        }
        // The news is fetched once the window is up: the fetch waits on the network.
        QTimer::singleShot(0, this, &Principal::ComprobarNoticias);
    }
    if (estado_.ModoEdicion) estado_.PenasCambiadas = true;
    estado_.ModoEdicion = false;
    if (estado_.PenasCambiadas) {
        general_->QuitarSeleccionPenas();
        LlevarResultadosAlPrimerSorteo();
        datos_->Releer();
        estado_.PenasCambiadas = false;
    }
    estado_.CerrarEditorAlGuardar = false;
    LlevarResultadosAlPrimerSorteo();
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
