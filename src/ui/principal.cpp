#include "ui/principal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/arranque.h"
#include "core/configuracion.h"
#include "core/fechas.h"
#include "core/mensajes.h"
#include "core/penas.h"
#include "core/resumen.h"
#include "core/sorteos.h"
#include "results/analisis.h"
#include "results/transferencia_qt.h"
#include "statistics/historial.h"
#include "ui/barra_descarga.h"
#include "ui/infor.h"
#include "ui/pagina_estadisticas.h"
#include "ui/pagina_general.h"
#include "ui/pagina_gestor.h"
#include "ui/pagina_ultimo_sorteo.h"

namespace tombolin {

Principal::Principal(const QString& carpetaPrograma, Servicios servicios,
                     const QString& servicioOperador, QWidget* padre)
    : QMainWindow(padre), servicios_(servicios), carpetaPrograma_(carpetaPrograma) {
    transferencia_ = new TransferenciaQt(this);
    transferenciaNoticias_ = new TransferenciaQt(this);
    setWindowTitle(QStringLiteral("Tombolin"));
    setObjectName(QStringLiteral("Principal"));
    resize(1100, 720);

    pestanas_ = new QTabWidget(this);
    pestanas_->setObjectName(QStringLiteral("pestanas"));
    general_ = new PaginaGeneral(estado_, servicios_, pestanas_);
    gestor_ = new PaginaGestor(pestanas_);
    estadisticas_ = new PaginaEstadisticas(pestanas_);
    pestanas_->addTab(general_, QStringLiteral("General"));
    ultimo_ =
        new PaginaUltimoSorteo(estado_, servicios_, *transferencia_, servicioOperador, pestanas_);
    pestanas_->addTab(ultimo_, QStringLiteral("Último sorteo"));
    pestanas_->addTab(gestor_, QStringLiteral("Gestor de peñas"));
    pestanas_->addTab(estadisticas_, QStringLiteral("Estadísticas"));
    pestanas_->addTab(new QWidget(pestanas_), QStringLiteral("Crear Combinación"));

    barra_ = new BarraDescarga(estado_, servicios_, *transferencia_, servicioOperador, this);
    auto* centro = new QWidget(this);
    auto* capas = new QVBoxLayout(centro);
    capas->addWidget(CrearCabecera());
    capas->addWidget(pestanas_, 1);
    setCentralWidget(centro);
    CrearMenus();

    connect(gestor_, &PaginaGestor::penaPulsada, this, &Principal::PenaPulsada);
    connect(gestor_, &PaginaGestor::borrarPena, this, &Principal::BorrarPena);
    connect(gestor_, &PaginaGestor::borrarSorteos, this, &Principal::BorrarSorteos);
    connect(gestor_, &PaginaGestor::importarSorteos, this, &Principal::ImportarSorteos);
    connect(estadisticas_, &PaginaEstadisticas::filaPulsada, this, &Principal::BorrarSorteoDeLista);
    connect(general_, &PaginaGeneral::refrescoPedido, this, &Principal::RefrescarResultados);
    connect(general_, &PaginaGeneral::penasActualizadas, this, &Principal::RefrescarContadores);
    connect(pestanas_, &QTabWidget::currentChanged, this, &Principal::CambioDePestana);

    connect(barra_, &BarraDescarga::empieza, this, [this] {
        general_->ReiniciarAvisoPremio();
        ultimo_->EmpiezaDescarga();
        if (noticias_) noticias_->close();
    });
    connect(barra_, &BarraDescarga::nuevosSorteos, general_, &PaginaGeneral::PonerNuevosSorteos);
    connect(barra_, &BarraDescarga::sorteosCambiados, this, &Principal::ActualizarSorteos);
    connect(barra_, &BarraDescarga::comprobar, this, &Principal::TrasDescargaComprobar);
    connect(barra_, &BarraDescarga::refrescar, this, &Principal::TrasDescargaRefrescar);
    connect(barra_, &BarraDescarga::primeraPestana, this,
            [this] { pestanas_->setCurrentIndex(kGeneral); });
    connect(barra_, &BarraDescarga::analisisImposible, ultimo_,
            &PaginaUltimoSorteo::MostrarMensaje);
}

Principal::~Principal() {
    estado_.Penas.Cerrar();
    estado_.Sorteos.Cerrar();
    estado_.Ajustes.Cerrar();
    estado_.Descarga.close();
}

QWidget* Principal::CrearCabecera() {
    auto* cabecera = new QWidget(this);
    const auto etiqueta = [cabecera](const char* nombre) {
        auto* l = new QLabel(cabecera);
        l->setObjectName(QLatin1String(nombre));
        return l;
    };
    ultimoSorteo_ = etiqueta("ultimoSorteo");
    proximoSorteo_ = etiqueta("proximoSorteo");
    cuentaAtras_ = etiqueta("cuentaAtras");
    aviso_ = etiqueta("avisoActualizacion");
    aviso_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;"));
    // The warning blinks in place: the captions beside it don't move.
    QSizePolicy fija = aviso_->sizePolicy();
    fija.setRetainSizeWhenHidden(true);
    aviso_->setSizePolicy(fija);
    aviso_->hide();
    QFont negrita = ultimoSorteo_->font();
    negrita.setBold(true);
    for (QLabel* l : {ultimoSorteo_, proximoSorteo_, cuentaAtras_}) l->setFont(negrita);

    auto* rejilla = new QGridLayout(cabecera);
    rejilla->setContentsMargins(4, 2, 4, 2);
    rejilla->addWidget(new QLabel(QStringLiteral("Último sorteo guardado:"), cabecera), 0, 0);
    rejilla->addWidget(ultimoSorteo_, 0, 1);
    rejilla->addWidget(aviso_, 0, 2, Qt::AlignRight);
    rejilla->addWidget(new QLabel(QStringLiteral("Próximo sorteo:"), cabecera), 1, 0);
    rejilla->addWidget(proximoSorteo_, 1, 1);
    rejilla->addWidget(cuentaAtras_, 1, 2, Qt::AlignRight);
    actualizando_ = new QLabel(QStringLiteral("Un momento. Actualizando información..."), cabecera);
    actualizando_->setObjectName(QStringLiteral("actualizando"));
    actualizando_->hide();
    rejilla->addWidget(actualizando_, 0, 3, Qt::AlignRight);
    rejilla->addWidget(barra_, 1, 3, Qt::AlignRight);
    rejilla->setColumnStretch(1, 1);

    parpadeoAviso_ = new QTimer(this);
    parpadeoAviso_->setInterval(500);
    connect(parpadeoAviso_, &QTimer::timeout, this,
            [this] { aviso_->setVisible(!aviso_->isVisible()); });
    return cabecera;
}

void Principal::CrearMenus() {
    QMenu* general = menuBar()->addMenu(QStringLiteral("&General"));
    QAction* bajar = general->addAction(QStringLiteral("Bajar &Sorteos nuevos"));
    bajar->setObjectName(QStringLiteral("Baja"));
    bajar->setShortcut(QKeySequence(Qt::Key_F5));
    connect(bajar, &QAction::triggered, barra_, &BarraDescarga::BajarSorteos);
    QAction* borrar =
        general->addAction(QStringLiteral("&Borrar sorteos almacenados/Reset aciertos peñas"));
    borrar->setObjectName(QStringLiteral("borrpe"));
    connect(borrar, &QAction::triggered, this, &Principal::BorrarSorteos);
    CrearMenuResultados(general, QStringLiteral("S&encillas"), false);
    CrearMenuResultados(general, QStringLiteral("&Múltiples"), true);
    general->addSeparator();
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

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("A&yuda"));
    const struct {
        const char* control;
        const char* texto;
        void (Principal::*orden)();
    } entradasAyuda[] = {{"instrucciones", "&Instrucciones", &Principal::AbrirInstrucciones},
                         {"Leer", "&Leer mensaje del Jefe", &Principal::LeerMensaje},
                         {"web", "&Web del programa", &Principal::AbrirWeb}};
    for (const auto& e : entradasAyuda) {
        QAction* a = ayuda->addAction(QString::fromUtf8(e.texto));
        a->setObjectName(QLatin1String(e.control));
        connect(a, &QAction::triggered, this, e.orden);
    }
}

Infor* Principal::ventanaNoticias() const {
    return noticias_.data();
}

void Principal::AbrirWeb() {
    servicios_.escritorio.AbrirUrl(QStringLiteral("http://") + estado_.Config.DireccionVisible());
}

void Principal::AbrirInstrucciones() {
    servicios_.escritorio.AbrirUrl(QStringLiteral("http://") + estado_.Config.DireccionVisible() +
                                   QStringLiteral("/descargas/Instrucciones%20Tombolin%203.2.pdf"));
}

void Principal::LeerMensaje() {
    if (barra_->Descargando()) return;
    if (!noticias_) noticias_ = new Infor(estado_.Fichero(kFicheroNoticias), servicios_, this);
    noticias_->show();
    noticias_->raise();
}

void Principal::ComprobarNoticias() {
    const QDate ultimo = OleAFecha(estado_.SorteoActual.Fecha);
    if (estado_.SorteoActual.Fecha == 0 || !ultimo.isValid() ||
        ultimo.addDays(3) > servicios_.reloj.Hoy()) {
        return;
    }
    const QString fichero = estado_.Fichero(kFicheroNoticias);
    {
        QFile f(fichero);
        if (!f.open(QIODevice::ReadWrite)) return;
    }
    Pena primera;
    if (!LeerPena(estado_.Penas, 1, primera)) return;
    const QString url = (QStringLiteral("http://") + estado_.Config.DireccionVisible() +
                         QStringLiteral("/informe.dat"))
                            .toLower();
    const QByteArray antes = [&] {
        QFile f(fichero);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    transferenciaNoticias_->TraerAFichero(url, fichero);
    QFile f(fichero);
    const QByteArray ahora = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (ahora.size() <= 300 || ahora.size() == antes.size()) return;
    const QString web = DireccionEnNoticias(ahora);
    if (!web.isEmpty() && web != estado_.Config.DireccionVisible()) {
        estado_.Config.DireccionWeb = web;
        GuardarConfiguracion(estado_);
    }
    LeerMensaje();
}

void Principal::CambioDePestana(int pestana) {
    general_->PararAvisoPremio();
    // The latest draw's page can't be opened while a download runs.
    if (pestana == kUltimoSorteo && barra_->Descargando()) {
        const QSignalBlocker quieto(pestanas_);
        pestanas_->setCurrentIndex(pestanaAnterior_);
        return;
    }
    pestanaAnterior_ = pestana;
    if (pestana == kUltimoSorteo) {
        actualizando_->show();
        actualizando_->repaint();
        ultimo_->MostrarDesglose(1);
        actualizando_->hide();
    }
}

void Principal::TrasDescargaComprobar(int sorteosNuevos) {
    general_->QuitarSeleccionPenas();
    general_->PonerComprobandoDescarga(true);
    general_->ComprobarSencillas(sorteosNuevos);
    if (sorteosNuevos != 0) general_->PonerSorteosAComprobar(std::min(sorteosNuevos, 8));
    general_->PonerComprobandoDescarga(false);
}

void Principal::TrasDescargaRefrescar() {
    ActualizarSorteos();
    RecorrerSorteos();
    ultimo_->MostrarDesglose(0);
}

void Principal::CrearMenuResultados(QMenu* menu, const QString& titulo, bool multiple) {
    // Each entry shows the results tab and the list, then sets the two options: prizes only
    // and the draws before a syndicate's creation; -1 leaves an option as it is.
    const struct {
        const char* sencilla;
        const char* multiple;
        const char* texto;
        int soloPremios;
        int historico;
    } entradas[] = {
        {"sencillas", "Multiples", "&Todos los resultados", -1, -1},
        {"verpremio", "verpremiom", "&Sólo si hay premio", 1, 0},
        {"verhisto", "verhistom",
         multiple
             ? "&Histórico (resultados sorteos anteriores a la fecha de creacón de las peñas)"
             : "&Histórico (resultados sorteos anteriores a la fecha de creación de las peñas)",
         0, 1},
        {"verprehi", "verpreim", "Sólo si hay premios + &histórico", 1, 1},
    };
    QMenu* sub = menu->addMenu(titulo);
    for (const auto& e : entradas) {
        QAction* a = sub->addAction(QString::fromUtf8(e.texto));
        a->setObjectName(QLatin1String(multiple ? e.multiple : e.sencilla));
        const int soloPremios = e.soloPremios;
        const int historico = e.historico;
        connect(a, &QAction::triggered, this, [this, multiple, soloPremios, historico] {
            pestanas_->setCurrentIndex(kGeneral);
            general_->MostrarVista(multiple);
            if (soloPremios >= 0) general_->PonerOpciones(soloPremios == 1, historico == 1);
        });
    }
}

void Principal::Mensaje(const QString& texto) {
    servicios_.dialogos.Mensaje(texto, Icono::Exclamacion, Botones::Aceptar, TituloVayaHombre());
}

bool Principal::CargarPrincipal() {
    Estado& e = estado_;
    e.RutaPrograma = RutaConSeparador(carpetaPrograma_);
    QDir::setCurrent(carpetaPrograma_);

    BorrarTemporales(e);
    const QString aviso = AbrirFicheros(e);
    if (!aviso.isEmpty()) Mensaje(aviso);

    const QString faltan = FaltanTablas(e);
    if (!faltan.isEmpty()) {
        Mensaje(faltan);
        salir();
        return false;
    }

    LeerConfiguracion(e);
    // An old-format file is expected to have bytes over; once converted it has none.
    if (!ConvertirFormatoAntiguo(e, servicios_.dialogos)) {
        for (const QString& a : AvisosRegistrosIncompletos(e)) Mensaje(a);
    }
    ActualizarSorteos();
    RefrescarResultados();
    ultimo_->MostrarDesglose(1);
    general_->MostrarVista(false);
    return true;
}

void Principal::RefrescarResultados() {
    general_->ComprobarSencillas(estado_.SorteoLibre > 1 ? general_->SorteosAComprobar() : 0);
    RecorrerSorteos();
}

void Principal::RefrescarContadores() {
    // The counters changed under the summary: show them, keeping the syndicate on show.
    const std::vector<Pena> penas = LeerTodasLasPenas(estado_.Penas);
    gestor_->MostrarResumen(penas, CalcularResumen(penas, sorteosJugados_));
    const int fila = estado_.PenaActual >= 1 && estado_.PenaActual <= static_cast<int>(penas.size())
                         ? estado_.PenaActual
                         : 1;
    if (!penas.empty()) gestor_->SeleccionarFila(fila);
    MostrarPena(fila);
}

void Principal::ActualizarSorteos() {
    sorteos_ = LeerTodosLosSorteos(estado_.Sorteos);
    const std::vector<Pena> penas = LeerTodasLasPenas(estado_.Penas);
    const Actualizacion a = CalcularActualizacion(sorteos_, penas, servicios_.reloj.Hoy());

    estado_.SorteoLibre = a.SorteoLibre;
    estado_.SorteoActual = a.Ultimo;
    sorteosJugados_ = a.SorteosJugados;
    ultimoSorteo_->setText(a.TextoUltimo);
    proximoSorteo_->setText(a.TextoProximo);
    cuentaAtras_->setText(a.TextoCuenta);
    if (a.TextoAviso.isEmpty()) {
        parpadeoAviso_->stop();
        aviso_->hide();
    } else {
        aviso_->setText(a.TextoAviso);
        aviso_->show();
        parpadeoAviso_->start();
    }
    general_->PonerSorteosGuardados(a.SorteoLibre - 1);
    ResumenPenas(penas);
}

void Principal::ResumenPenas(const std::vector<Pena>& penas) {
    estado_.PenaLibre = static_cast<int>(penas.size()) + 1;
    general_->LlenarSelectorPenas(penas);
    gestor_->MostrarResumen(penas, CalcularResumen(penas, sorteosJugados_));
    if (!penas.empty()) gestor_->SeleccionarFila(1);
    MostrarPena(1);
}

void Principal::MostrarPena(int n) {
    if (!LeerPena(estado_.Penas, n, estado_.PenaCargada)) {
        gestor_->MostrarVacia();
        return;
    }
    const FichaPena ficha = CalcularFicha(estado_.PenaCargada, sorteos_);
    if (ficha.Danada) {
        Mensaje(QStringLiteral("Posiblemente el fichero de apuestas está corrupto. Error ") +
                QString::number(ficha.ErrorLectura));
        return;
    }
    gestor_->MostrarFicha(ficha);
}

void Principal::PenaPulsada(int n) {
    MostrarPena(n);
    estado_.PenaActual = n;
}

void Principal::RecorrerSorteos() {
    estadisticas_->MostrarHistorial(tombolin::RecorrerSorteos(estado_.Sorteos));
}

void Principal::LlevarResultadosAlPrimerSorteo() {
    // Moving the selector runs the refresh; when it already stands at 1 the check runs here.
    if (general_->SorteosAComprobar() == 1) {
        general_->ComprobarSencillas(estado_.SorteoLibre > 1 ? 1 : 0);
    } else {
        general_->PonerSorteosAComprobar(1);
    }
}

void Principal::BorrarPena() {
    // The files must not change under a download that is about to append to them.
    if (barra_->Descargando()) return;
    if (!tombolin::BorrarPena(estado_, servicios_.dialogos)) return;
    // The chosen syndicate is gone: no other one takes its place unasked.
    estado_.PenaActual = 0;
    ActualizarSorteos();
    LlevarResultadosAlPrimerSorteo();
}

void Principal::BorrarSorteos() {
    if (barra_->Descargando()) return;
    modoBorrado_ = true;
    Dialogos& d = servicios_.dialogos;
    if (d.Mensaje(QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"), Icono::Pregunta,
                  Botones::SiNo, QStringLiteral("Borrar...")) == Respuesta::Si) {
        InformarErrorFichero(d, BorrarTodosLosSorteos(estado_), QLatin1String(kFicheroSorteos));
        ActualizarSorteos();
        RefrescarResultados();
    }
    if (d.Mensaje(QStringLiteral("¿Quiere borrar también los aciertos de las peñas?. Si ha "
                                 "borrado los sorteos, se aconseja que se resetee también los "
                                 "resultados de las peñas y la fecha de creación pasará a ser la "
                                 "de hoy."),
                  Icono::Pregunta, Botones::SiNo, QStringLiteral("Borrar...")) == Respuesta::Si) {
        InformarErrorFichero(d, ResetearPenas(estado_, servicios_.reloj),
                             QLatin1String(kFicheroPenas));
        general_->PonerSorteosAComprobar(1);
        general_->VaciarListas();
        ActualizarSorteos();
    }
}

void Principal::ImportarSorteos() {
    if (barra_->Descargando()) return;
    if (!tombolin::ImportarSorteos(estado_, servicios_.dialogos, servicios_.escritorio)) return;
    ActualizarSorteos();
    RefrescarResultados();
}

void Principal::BorrarSorteoDeLista(int fila) {
    if (!modoBorrado_ || barra_->Descargando()) return;
    if (servicios_.dialogos.Mensaje(QStringLiteral("¿Seguro que quieres eliminar este sorteo?"),
                                    Icono::Pregunta, Botones::SiNo,
                                    QStringLiteral("Borrar...")) != Respuesta::Si) {
        return;
    }
    // The draw shown on that row, whatever the list leaves out.
    const int k = estadisticas_->RegistroDeFila(fila);
    if (k == 0) return;
    const Error error = BorrarSorteo(estado_, k);
    if (error) {
        InformarErrorFichero(servicios_.dialogos, error, QLatin1String(kFicheroSorteos));
        return;
    }
    estadisticas_->QuitarRegistro(k);
    ActualizarSorteos();
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
        // The news is fetched once the window is up: the fetch waits on the network.
        QTimer::singleShot(0, this, &Principal::ComprobarNoticias);
    }
    if (estado_.ModoEdicion) estado_.PenasCambiadas = true;
    estado_.ModoEdicion = false;
    if (estado_.PenasCambiadas) {
        general_->QuitarSeleccionPenas();
        LlevarResultadosAlPrimerSorteo();
        ActualizarSorteos();
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
    parpadeoAviso_->stop();
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
