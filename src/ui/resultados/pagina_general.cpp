#include "ui/resultados/pagina_general.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include "core/juego.h"
#include "core/penas.h"
#include "core/sorteos.h"
#include "printing/listado.h"
#include "programa/mensajes.h"
#include "ui/base/datos_programa.h"
#include "ui/resultados/modelo_resultados.h"
#include "ui/resultados/vista_resultados.h"

namespace tombolin {

namespace {

const char* const kCaptions[] = {"S E N C I L L A", "M Ú L T I P L E"};
const QString kPremio = QStringLiteral("P R E M I O");

}  // namespace

PaginaGeneral::PaginaGeneral(Estado& estado, Servicios servicios, const DatosPrograma& datos,
                             QWidget* padre)
    : QWidget(padre), servicios_(servicios), datos_(datos), sesion_(estado) {
    setObjectName(QStringLiteral("paginaGeneral"));
    connect(&datos, &DatosPrograma::releidos, this, [this, &datos] {
        PonerSorteosGuardados(datos.Situacion().SorteoLibre - 1);
        LlenarSelectorPenas(datos.Penas());
    });
    connect(&datos, &DatosPrograma::contadoresCambiados, this, [this] {
        listaSencilla_->viewport()->update();
        listaMultiple_->viewport()->update();
    });
    // The view buttons and the options.
    for (int i = 0; i < 2; ++i) {
        vistas_[i] = new QPushButton(QString::fromUtf8(kCaptions[i]), this);
        vistas_[i]->setObjectName(i == 0 ? QStringLiteral("vistaSencilla")
                                         : QStringLiteral("vistaMultiple"));
        vistas_[i]->setMinimumWidth(
            vistas_[i]->fontMetrics().horizontalAdvance(QString::fromUtf8(kCaptions[1])) + 40);
        vistas_[i]->setAutoFillBackground(true);
        vistas_[i]->setCheckable(true);
        connect(vistas_[i], &QPushButton::clicked, this, [this, i] {
            MostrarVista(i == 1);
            // The button of the list on show stays down.
            vistas_[0]->setChecked(!vistaMultiple_);
            vistas_[1]->setChecked(vistaMultiple_);
        });
    }
    vistas_[0]->setToolTip(QStringLiteral("Resultados de las peñas sencillas y reducidas"));
    vistas_[1]->setToolTip(QStringLiteral("Resultados de las peñas múltiples"));
    historico_ = new QCheckBox(QStringLiteral("&Histórico"), this);
    historico_->setObjectName(QStringLiteral("historico"));
    historico_->setToolTip(
        QStringLiteral("Resultados de una peña con sorteos anteriores a su creación"));
    soloPremios_ = new QCheckBox(QStringLiteral("Ver sólo si hay &premio"), this);
    soloPremios_->setObjectName(QStringLiteral("soloPremios"));
    soloPremios_->setToolTip(QStringLiteral("Pues eso..."));
    connect(historico_, &QCheckBox::clicked, this, &PaginaGeneral::HistoricoPulsado);
    connect(soloPremios_, &QCheckBox::clicked, this, &PaginaGeneral::SoloPremiosPulsado);
    imprimir_ = new QPushButton(QStringLiteral("&Imprimir resultados"), this);
    imprimir_->setObjectName(QStringLiteral("imprimirResultados"));
    imprimir_->setToolTip(QStringLiteral("Imprime los resultados que se ven en las listas"));
    connect(imprimir_, &QPushButton::clicked, this, &PaginaGeneral::Imprimir);
    nuevos_ = new QLabel(this);
    nuevos_->setObjectName(QStringLiteral("nuevosSorteos"));
    nuevos_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;"));

    // What is checked.
    selector_ = new QSlider(Qt::Horizontal, this);
    selector_->setObjectName(QStringLiteral("selectorSorteos"));
    selector_->setRange(1, 1);
    selector_->setEnabled(false);
    valor_ = new QLabel(QStringLiteral("1"), this);
    valor_->setObjectName(QStringLiteral("valorSelector"));
    valor_->setFrameShape(QFrame::Box);
    valor_->setAlignment(Qt::AlignCenter);
    valor_->setMinimumWidth(valor_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 8);
    connect(selector_, &QSlider::valueChanged, this, [this](int v) {
        valor_->setText(QString::number(v));
        valor_->repaint();
        if (!comprobandoDescarga_) Refrescar();
    });
    penas_ = new QComboBox(this);
    penas_->setObjectName(QStringLiteral("selectorPenas"));
    penas_->setPlaceholderText(QStringLiteral("TODAS LAS PEÑAS"));
    penas_->setMinimumContentsLength(22);
    connect(penas_, &QComboBox::activated, this, &PaginaGeneral::PenaElegida);
    auto* etiquetaSorteos = new QLabel(QStringLiteral("Sorteos a &comprobar:"), this);
    etiquetaSorteos->setBuddy(selector_);
    auto* etiquetaPenas = new QLabel(QStringLiteral("Pe&ña:"), this);
    etiquetaPenas->setBuddy(penas_);

    // The lists, one visible at a time, with the progress bar under them.
    modeloSencilla_ = new ModeloResultados(false, this);
    modeloMultiple_ = new ModeloResultados(true, this);
    listaSencilla_ = new VistaResultados(this);
    listaSencilla_->setObjectName(QStringLiteral("listaSencilla"));
    listaSencilla_->PonerModelo(modeloSencilla_);
    listaMultiple_ = new VistaResultados(this);
    listaMultiple_->setObjectName(QStringLiteral("listaMultiple"));
    listaMultiple_->PonerModelo(modeloMultiple_);
    listaSencilla_->hide();
    listaMultiple_->hide();
    progreso_ = new QProgressBar(this);
    progreso_->setObjectName(QStringLiteral("progreso"));
    progreso_->setTextVisible(false);
    progreso_->setMaximumHeight(10);
    progreso_->setValue(0);

    auto* marco = new QWidget(this);
    marco->setObjectName(QStringLiteral("marcoListas"));
    auto* capas = new QVBoxLayout(marco);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->addWidget(listaSencilla_, 1);
    capas->addWidget(listaMultiple_, 1);
    capas->addWidget(progreso_);
    apertura_ = new QVariantAnimation(this);
    apertura_->setDuration(220);

    auto* botones = new QHBoxLayout;
    botones->addWidget(vistas_[0]);
    botones->addWidget(vistas_[1]);
    botones->addSpacing(16);
    botones->addWidget(historico_);
    botones->addWidget(soloPremios_);
    botones->addStretch();
    botones->addWidget(nuevos_);
    botones->addWidget(imprimir_);
    auto* eleccion = new QGridLayout;
    eleccion->addWidget(etiquetaPenas, 0, 0);
    eleccion->addWidget(penas_, 0, 1, Qt::AlignLeft);
    eleccion->addWidget(etiquetaSorteos, 1, 0);
    eleccion->addWidget(selector_, 1, 1);
    eleccion->addWidget(valor_, 1, 2);
    eleccion->setColumnStretch(1, 1);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(botones);
    todo->addLayout(eleccion);
    todo->addWidget(marco, 1, Qt::AlignHCenter);
    // The list opens centred from nothing to the width it needs; once open it takes the width
    // the window gives it, never less than it needs.
    connect(apertura_, &QVariantAnimation::valueChanged, marco, [marco, todo](const QVariant& v) {
        todo->setAlignment(marco, Qt::AlignHCenter);
        marco->setFixedWidth(v.toInt());
    });
    connect(apertura_, &QVariantAnimation::finished, marco, [this, marco, todo] {
        marco->setMinimumWidth(apertura_->endValue().toInt());
        marco->setMaximumWidth(QWIDGETSIZE_MAX);
        todo->setAlignment(marco, {});
    });

    parpadeo_ = new QTimer(this);
    parpadeo_->setObjectName(QStringLiteral("parpadeoPremio"));
    parpadeo_->setInterval(800);
    connect(parpadeo_, &QTimer::timeout, this, &PaginaGeneral::Parpadeo);
}

OpcionesComprobacion PaginaGeneral::Opciones() const {
    OpcionesComprobacion o;
    o.Historico = historico_->isChecked();
    o.SoloPremios = soloPremios_->isChecked();
    o.EntradaElegida = penas_->currentIndex();
    o.NombreElegido = penas_->currentData().toString();
    o.BuscarPremios = !nuevos_->text().isEmpty();
    return o;
}

void PaginaGeneral::ComprobarDescargados(int n) {
    QuitarSeleccionPenas();
    comprobandoDescarga_ = true;
    ComprobarSencillas(n);
    if (n != 0) PonerSorteosAComprobar(std::min(n, 8));
    comprobandoDescarga_ = false;
}

void PaginaGeneral::Refrescar() {
    ComprobarSencillas(selector_->isEnabled() ? selector_->value() : 0);
}

void PaginaGeneral::LlevarAlPrimerSorteo() {
    // Moving the selector runs the refresh; when it already stands at 1 the check runs here.
    if (selector_->value() == 1) {
        ComprobarSencillas(selector_->isEnabled() ? 1 : 0);
    } else {
        PonerSorteosAComprobar(1);
    }
}

void PaginaGeneral::ComprobarSencillas(int n) {
    Comprobar(n, false);
}

void PaginaGeneral::Comprobar(int n, bool imprimir) {
    progreso_->setMaximum(std::max(n, 1));
    progreso_->setValue(0);
    // The bar moves during a long check, but painting it is not allowed to slow the check.
    QElapsedTimer pintado;
    pintado.start();
    const auto avance = [&](int hechos) {
        if (pintado.elapsed() < 40 && hechos < n) return;
        progreso_->setValue(hechos);
        progreso_->repaint();
        pintado.restart();
    };
    const Error error = sesion_.Comprobar(n, Opciones(), avance);
    const Comprobacion& c = sesion_.Ultima();
    // Told once: every check would otherwise repeat it.
    if (error && !avisoEscritura_) {
        avisoEscritura_ = true;
        InformarErrorFichero(servicios_.dialogos, error, QLatin1String(kFicheroPenas));
    }
    if (sesion_.PenasCambiadas()) emit penasActualizadas();

    // Each prize's amount is read when its cell is drawn: amounts that come later show at once.
    ListaResultados sencilla(c.Sencilla), multiple(c.Multiple);
    sencilla.PonerPremios(&datos_.Premios());
    multiple.PonerPremios(&datos_.Premios());
    modeloSencilla_->Poner(std::move(sencilla));
    modeloMultiple_->Poner(std::move(multiple));

    if (vistaPorPena_ && penas_->currentIndex() >= 1) {
        if (c.SencillaElegida && vistaMultiple_) MostrarVista(false);
        if (c.MultipleElegida && !vistaMultiple_) MostrarVista(true);
    }
    if (!nuevos_->text().isEmpty()) {
        if (c.PremioSencilla && !parpadeo_->isActive()) {
            parpadeoPremio_ = 1;
            parpadeo_->start();
        }
        if (c.PremioMultiple) {
            if (parpadeoPremio_ == 0) {
                parpadeo_->start();
                parpadeoPremio_ = 2;
            } else if (parpadeoPremio_ == 1 || parpadeoPremio_ == 3) {
                parpadeoPremio_ = 3;
            } else {
                parpadeoPremio_ = 2;
            }
        }
    }

    if (imprimir) {
        Impresora& imp = servicios_.impresora;
        if (ImprimirListado(imp, c, &datos_.Premios())) {
            imp.Terminar();
        } else {
            servicios_.dialogos.Mensaje(
                QStringLiteral("Listado vacío. No hay datos para imprimir,"), Icono::Informacion,
                Botones::Aceptar, QStringLiteral("No hay datos"));
            imp.Cancelar();
        }
    }
    vistaPorPena_ = false;
    progreso_->setValue(0);
}

void PaginaGeneral::Imprimir() {
    Impresora& imp = servicios_.impresora;
    if (!EmpezarImpresion(servicios_.dialogos, imp,
                          QStringLiteral("Tombolin - Resultados de las peñas")))
        return;
    EmpezarListado(imp);
    Comprobar(selector_->isEnabled() ? selector_->value() : 0, true);
}

void PaginaGeneral::MostrarVista(bool multiple) {
    PararAvisoPremio();
    VistaResultados* elegida = multiple ? listaMultiple_ : listaSencilla_;
    if (!elegida->isHidden()) return;
    vistaMultiple_ = multiple;
    vistas_[0]->setChecked(!multiple);
    vistas_[1]->setChecked(multiple);
    (multiple ? listaSencilla_ : listaMultiple_)->hide();
    elegida->show();
    // The list opens from nothing to its width.
    apertura_->stop();
    apertura_->setStartValue(1);
    apertura_->setEndValue(elegida->AnchoNecesario());
    apertura_->start();
}

void PaginaGeneral::PararAvisoPremio() {
    if (!parpadeo_->isActive()) return;
    parpadeo_->stop();
    PonerNuevosSorteos({});
    PonerBoton(0, false);
    PonerBoton(1, false);
}

void PaginaGeneral::ReiniciarAvisoPremio() {
    parpadeo_->stop();
    PonerNuevosSorteos({});
    PonerBoton(0, false);
    PonerBoton(1, false);
    parpadeoPremio_ = 0;
}

bool PaginaGeneral::AvisoPremioActivo() const {
    return parpadeo_->isActive();
}

void PaginaGeneral::PonerBoton(int boton, bool rojo) {
    QPushButton* b = vistas_[boton];
    b->setProperty("rojo", rojo);
    b->setStyleSheet(
        rojo ? QStringLiteral("background-color: rgb(255, 0, 0); color: white; font-weight: bold;")
             : QString());
    b->setText(rojo ? kPremio : QString::fromUtf8(kCaptions[boton]));
}

void PaginaGeneral::Parpadeo() {
    if (parpadeoPremio_ == 3) {
        const bool rojo = !vistas_[0]->property("rojo").toBool();
        PonerBoton(0, rojo);
        PonerBoton(1, rojo);
    } else if (parpadeoPremio_ == 1 || parpadeoPremio_ == 2) {
        const int i = parpadeoPremio_ - 1;
        PonerBoton(i, !vistas_[i]->property("rojo").toBool());
    }
}

void PaginaGeneral::VaciarListas() {
    modeloSencilla_->Vaciar();
    modeloMultiple_->Vaciar();
}

void PaginaGeneral::HistoricoPulsado() {
    historico_->repaint();
    // A refresh asked by the user is no news: it must not start the blinking notice.
    PonerNuevosSorteos({});
    Refrescar();
}

void PaginaGeneral::SoloPremiosPulsado() {
    soloPremios_->repaint();
    Refrescar();
}

void PaginaGeneral::PonerOpciones(bool soloPremios, bool historico) {
    if (soloPremios_->isChecked() != soloPremios) {
        soloPremios_->setChecked(soloPremios);
        SoloPremiosPulsado();
    }
    if (historico_->isChecked() != historico) {
        historico_->setChecked(historico);
        HistoricoPulsado();
    }
}

void PaginaGeneral::PenaElegida() {
    penas_->repaint();
    vistaPorPena_ = true;
    Refrescar();
}

void PaginaGeneral::PonerSorteosGuardados(int sorteos) {
    selector_->setEnabled(sorteos > 0);
    historico_->setEnabled(sorteos > 0);
    soloPremios_->setEnabled(sorteos > 0);
    if (sorteos > 0) {
        const QSignalBlocker quieto(selector_);
        selector_->setMaximum(sorteos);
        valor_->setText(QString::number(selector_->value()));
    }
}

int PaginaGeneral::SorteosAComprobar() const {
    return selector_->value();
}

void PaginaGeneral::PonerSorteosAComprobar(int n) {
    selector_->setValue(n);
}

void PaginaGeneral::LlenarSelectorPenas(const std::vector<Pena>& penas) {
    penas_->clear();
    if (penas.empty()) {
        penas_->addItem(QStringLiteral("No hay Peñas creadas"));
    } else {
        penas_->addItem(QStringLiteral("TODAS LAS PEÑAS"));
        // The entry shows the name; the filter compares the name as stored.
        for (const Pena& p : penas) penas_->addItem(TextoVisible(p.Nombre), p.Nombre);
    }
    penas_->setCurrentIndex(penas.empty() ? -1 : 0);
}

void PaginaGeneral::QuitarSeleccionPenas() {
    penas_->setCurrentIndex(-1);
}

void PaginaGeneral::PonerNuevosSorteos(const QString& texto) {
    nuevos_->setText(texto);
}

QString PaginaGeneral::NuevosSorteos() const {
    return nuevos_->text();
}

}  // namespace tombolin
