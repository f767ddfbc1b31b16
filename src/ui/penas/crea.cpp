#include "ui/penas/crea.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QShortcut>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>
#include <tuple>

#include "core/fechas.h"
#include "core/penas.h"
#include "core/sorteos.h"
#include "programa/mensajes.h"
#include "ui/penas/rejilla_numeros.h"

namespace tombolin {

namespace {

QPushButton* Boton(const QString& texto, const char* nombre, QWidget* padre) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QLatin1String(nombre));
    return b;
}

}  // namespace

Crea* Crea::Nueva(Estado& estado, Servicios servicios, EdicionPena edicion, QWidget* padre) {
    auto* c = new Crea(estado, servicios, std::move(edicion), 0, padre);
    if (estado.CerrarEditorAlGuardar) {
        for (int i = 0;
             i < c->edicion_.NumerosPorApuesta() && i < 49 && !c->edicion_.LimiteAlcanzado(); ++i) {
            c->Atender(c->edicion_.Pulsar(estado.NumerosOrdenados[i]));
        }
    }
    c->Mostrar();
    return c;
}

Crea* Crea::Editar(Estado& estado, Servicios servicios, QWidget* padre) {
    Pena pena;
    if (!LeerPena(estado.Penas, estado.PenaActual, pena)) return nullptr;
    auto* c = new Crea(estado, servicios, EdicionPena::Editar(pena), estado.PenaActual, padre);
    c->nombre_->setText(pena.NombreVisible());
    c->nombre_->setReadOnly(true);
    // A box that can't be typed in looks so.
    QPalette fija = c->nombre_->palette();
    fija.setColor(QPalette::Base, fija.color(QPalette::Window));
    c->nombre_->setPalette(fija);
    c->nombre_->setToolTip(QStringLiteral("El nombre de una peña grabada no se cambia"));
    c->dias_->button(OpcionDeDias(pena.DiasJuego))->setChecked(true);
    c->Mostrar();
    return c;
}

Crea::Crea(Estado& estado, Servicios servicios, EdicionPena edicion, int pena, QWidget* padre)
    : VentanaSecundaria("Crea", QStringLiteral("Crear peña nueva..."), padre),
      estado_(estado),
      servicios_(servicios),
      edicion_(std::move(edicion)),
      pena_(pena),
      azar_([] { return QRandomGenerator::global()->generateDouble(); }) {
    encabezado_ = new QLabel(this);
    encabezado_->setObjectName(QStringLiteral("encabezado"));
    QFont grande = encabezado_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.2);
    encabezado_->setFont(grande);

    nombre_ = new QLineEdit(this);
    nombre_->setObjectName(QStringLiteral("nombre"));
    nombre_->setAccessibleName(QStringLiteral("Nombre de la peña"));
    avisoNombre_ = new QLabel(this);
    avisoNombre_->setObjectName(QStringLiteral("avisoNombre"));
    avisoNombre_->setWordWrap(true);
    avisoNombre_->hide();
    auto* etiquetaNombre = new QLabel(QStringLiteral("&Nombre:"), this);
    etiquetaNombre->setBuddy(nombre_);

    // The day the syndicate counts draws from: a syndicate already played is dated back, and
    // its first check counts what it has won since.
    desde_ = new QDateEdit(this);
    desde_->setObjectName(QStringLiteral("juegaDesde"));
    desde_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    desde_->setCalendarPopup(true);
    const QDate hoy = servicios_.reloj.Hoy();
    Sorteo primero;
    desde_->setDateRange(LeerSorteo(estado_.Sorteos, 1, primero) && primero.Fecha > 0
                             ? std::min(OleAFecha(primero.Fecha), hoy)
                             : hoy,
                         hoy);
    desde_->setDate(edicion_.Desde().isValid() ? edicion_.Desde() : hoy);
    auto* etiquetaDesde = new QLabel(QStringLiteral("Juega &desde:"), this);
    etiquetaDesde->setBuddy(desde_);

    auto* cajaDias = new QGroupBox(QStringLiteral("Sorteos que juega"), this);
    auto* capaDias = new QHBoxLayout(cajaDias);
    dias_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(kOpcionesDias.size()); ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(kOpcionesDias[i].texto), cajaDias);
        r->setObjectName(QStringLiteral("dias%1").arg(i));
        dias_->addButton(r, i);
        capaDias->addWidget(r);
    }
    dias_->button(kOpcionTodos)->setChecked(true);

    rejilla_ = new RejillaNumeros(this);
    rejilla_->setObjectName(QStringLiteral("rejilla"));
    detalle_ = new QLabel(edicion_.Detalle(), this);
    detalle_->setObjectName(QStringLiteral("detalleTabla"));
    detalle_->setWordWrap(true);
    detalle_->setVisible(!detalle_->text().isEmpty());
    hecho_ = new QLabel(this);
    hecho_->setObjectName(QStringLiteral("penaGrabada"));

    lineas_ = new QStringListModel(this);
    listaLineas_ = new QListView(this);
    listaLineas_->setObjectName(QStringLiteral("lineas"));
    listaLineas_->setModel(lineas_);
    listaLineas_->setAccessibleName(QStringLiteral("Apuestas"));
    listaLineas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont fija(QStringLiteral("Liberation Mono"));
    fija.setStyleHint(QFont::TypeWriter);
    listaLineas_->setFont(fija);
    contador_ = new QLabel(this);
    contador_->setObjectName(QStringLiteral("contadorLineas"));

    grabar_ = Boton(QStringLiteral("&Grabar"), "grabar", this);
    borrar_ = Boton(QStringLiteral("&Borrar"), "borrar", this);
    aleatorio_ = Boton(QStringLiteral("&Aleatorio"), "aleatorio", this);
    anadir_ = Boton(QStringLiteral("Añadir a&puesta"), "anadirApuesta", this);
    eliminar_ = Boton(QStringLiteral("&Eliminar apuesta"), "eliminarApuesta", this);
    selector_ = new QSpinBox(this);
    selector_->setObjectName(QStringLiteral("selectorLinea"));
    selector_->setKeyboardTracking(false);
    auto* etiquetaSelector = new QLabel(QStringLiteral("Apues&ta nº:"), this);
    etiquetaSelector->setBuddy(selector_);
    cerrar_ = Boton(QStringLiteral("&Cerrar"), "cerrar", this);
    borrar_->setToolTip(QStringLiteral("Quita la última apuesta"));
    aleatorio_->setToolTip(QStringLiteral("Una apuesta al azar"));

    // Layout: name and days on top, the grid on the left, the lines on the right.
    auto* arriba = new QGridLayout;
    arriba->addWidget(etiquetaNombre, 0, 0);
    arriba->addWidget(nombre_, 0, 1);
    arriba->addWidget(avisoNombre_, 1, 1);
    arriba->addWidget(etiquetaDesde, 0, 2);
    arriba->addWidget(desde_, 0, 3);
    arriba->setColumnStretch(1, 1);
    auto* derecha = new QVBoxLayout;
    auto* cuenta = new QHBoxLayout;
    cuenta->addWidget(new QLabel(QStringLiteral("Apuestas:"), this));
    cuenta->addWidget(contador_);
    cuenta->addStretch();
    derecha->addLayout(cuenta);
    derecha->addWidget(listaLineas_, 1);
    auto* linea = new QHBoxLayout;
    linea->addWidget(etiquetaSelector);
    linea->addWidget(selector_);
    linea->addStretch();
    derecha->addLayout(linea);
    derecha->addWidget(anadir_);
    derecha->addWidget(eliminar_);
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(rejilla_, 1);
    izquierda->addWidget(detalle_);
    izquierda->addWidget(hecho_);
    auto* centro = new QHBoxLayout;
    centro->addLayout(izquierda, 3);
    centro->addLayout(derecha, 2);
    auto* botones = new QHBoxLayout;
    botones->addWidget(grabar_);
    botones->addWidget(borrar_);
    botones->addWidget(aleatorio_);
    botones->addStretch();
    botones->addWidget(cerrar_);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(encabezado_);
    todo->addLayout(arriba);
    todo->addWidget(cajaDias);
    todo->addLayout(centro, 1);
    todo->addLayout(botones);

    const bool editando = edicion_.Editando();
    grabar_->setVisible(!editando);
    borrar_->setVisible(!editando);
    for (QWidget* w :
         std::initializer_list<QWidget*>{anadir_, eliminar_, selector_, etiquetaSelector}) {
        w->setVisible(editando);
    }
    setTabOrder(nombre_, desde_);
    setTabOrder(desde_, dias_->button(0));
    for (int i = 1; i < static_cast<int>(kOpcionesDias.size()); ++i)
        setTabOrder(dias_->button(i - 1), dias_->button(i));
    setTabOrder(dias_->button(kOpcionTodos), rejilla_);
    setTabOrder(rejilla_, editando ? static_cast<QWidget*>(selector_) : grabar_);

    connect(rejilla_, &RejillaNumeros::pulsado, this, &Crea::NumeroPulsado);
    connect(nombre_, &QLineEdit::textEdited, this, &Crea::NombreEditado);
    connect(dias_, &QButtonGroup::idClicked, this, &Crea::DiasElegidos);
    connect(desde_, &QDateEdit::editingFinished, this, &Crea::DesdeElegido);
    connect(grabar_, &QPushButton::clicked, this, &Crea::Grabar);
    connect(borrar_, &QPushButton::clicked, this, &Crea::BorrarUltima);
    connect(aleatorio_, &QPushButton::clicked, this, &Crea::Aleatorio);
    connect(anadir_, &QPushButton::clicked, this, &Crea::AnadirApuesta);
    connect(eliminar_, &QPushButton::clicked, this, &Crea::EliminarApuesta);
    connect(selector_, &QSpinBox::valueChanged, this, &Crea::LineaElegida);
    connect(listaLineas_, &QListView::clicked, this,
            [this](const QModelIndex& i) { selector_->setValue(i.row() + 1); });
    connect(cerrar_, &QPushButton::clicked, this, &QWidget::close);
    resize(760, 560);
}

void Crea::Mostrar() {
    const EdicionPena& e = edicion_;
    encabezado_->setText(e.Encabezado());
    std::array<bool, 49> marcados{};
    for (int n = 1; n <= 49; ++n) marcados[n - 1] = e.Marcado(n);
    rejilla_->PonerMarcados(marcados);
    lineas_->setStringList(e.TextosLineas());
    contador_->setText(QString::number(e.Lineas()));
    aleatorio_->setEnabled(e.AleatorioPermitido());
    if (e.Editando()) {
        const QSignalBlocker quieto(selector_);
        selector_->setRange(1, std::max(1, e.Lineas()));
        selector_->setValue(e.LineaActual());
        listaLineas_->setCurrentIndex(lineas_->index(e.LineaActual() - 1));
    } else {
        grabar_->setEnabled(e.Lineas() > 0);
        borrar_->setEnabled(e.Lineas() > 0);
    }
}

void Crea::Avisar(const std::optional<Aviso>& aviso) {
    if (aviso) {
        servicios_.dialogos.Mensaje(aviso->texto, aviso->icono, Botones::Aceptar,
                                    QStringLiteral("Error"));
    }
}

void Crea::Atender(const EdicionPena::Resultado& r) {
    Avisar(r.aviso);
    if (r.escribir) Escribir();
    Mostrar();
}

void Crea::Escribir() {
    if (const Error error = GuardarCambiosPena(estado_, pena_, edicion_.Registro())) {
        InformarErrorFichero(servicios_.dialogos, error, QLatin1String(kFicheroPenas));
        // The editor shows what the file holds.
        Recargar();
        return;
    }
    LeerPena(estado_.Penas, pena_, estado_.PenaCargada);
    estado_.PenasCambiadas = true;
}

void Crea::Recargar() {
    Pena pena;
    if (!LeerPena(estado_.Penas, pena_, pena)) return;
    const int linea = edicion_.LineaActual();
    edicion_ = EdicionPena::Editar(pena);
    if (linea <= edicion_.Lineas()) std::ignore = edicion_.IrALinea(linea);
    dias_->button(OpcionDeDias(pena.DiasJuego))->setChecked(true);
    const QSignalBlocker quieto(desde_);
    desde_->setDate(edicion_.Desde());
}

void Crea::NumeroPulsado(int numero) {
    Atender(edicion_.Pulsar(numero));
}

void Crea::NombreEditado(const QString& texto) {
    const NombreRevisado r = RevisarNombre(texto);
    Avisar(r.aviso);
    const int cursor = nombre_->cursorPosition();
    nombre_->setText(r.texto);
    if (!r.aviso) nombre_->setCursorPosition(cursor);
    const QString sin = CaracteresSinGuardar(r.texto);
    avisoNombre_->setText(QStringLiteral("Se guardará «?» en lugar de: ") + sin);
    avisoNombre_->setVisible(!sin.isEmpty());
}

void Crea::DiasElegidos(int opcion) {
    Atender(edicion_.PonerDias(DiasDeOpcion(opcion)));
}

void Crea::DesdeElegido() {
    const QDate d = desde_->date();
    if (!edicion_.Editando() || d == edicion_.Desde()) return;
    // A stored syndicate's counters are recounted: said, and asked, before it is done.
    if (servicios_.dialogos.Mensaje(
            QStringLiteral("Los aciertos de la peña volverán a cero y se contarán de nuevo desde "
                           "el ") +
                FechaCorta(d) +
                QStringLiteral(" en la próxima comprobación. ¿Cambiar la fecha de la peña?"),
            Icono::Pregunta, Botones::SiNo, QStringLiteral("Juega desde")) != Respuesta::Si) {
        const QSignalBlocker quieto(desde_);
        desde_->setDate(edicion_.Desde());
        return;
    }
    Atender(edicion_.PonerDesde(d));
}

void Crea::Grabar() {
    std::optional<Pena> primera;
    if (Pena p; LeerPena(estado_.Penas, 1, p)) primera = p;
    std::optional<Sorteo> ultimo;
    if (estado_.SorteoActual.Fecha != 0) ultimo = estado_.SorteoActual;
    std::ignore = edicion_.PonerDesde(desde_->date());
    const EdicionPena::Grabacion g = edicion_.Grabar(
        nombre_->text(), DiasDeOpcion(dias_->checkedId()), servicios_.reloj.Hoy(), primera, ultimo);
    if (g.aviso) {
        Avisar(g.aviso);
        Mostrar();
        return;
    }
    if (const Error error = AnadirPena(estado_, g.pena)) {
        // Nothing is lost: the lines stay here to be saved again.
        InformarErrorFichero(servicios_.dialogos, error, QLatin1String(kFicheroPenas));
        Mostrar();
        return;
    }
    estado_.PenasCambiadas = true;
    if (estado_.CerrarEditorAlGuardar) {
        grabada_ = true;
        close();
        return;
    }
    hecho_->setText(QStringLiteral("Peña «") + g.pena.NombreVisible() +
                    QStringLiteral("» grabada."));
    nombre_->clear();
    avisoNombre_->hide();
    edicion_ = edicion_.Otra();
    Mostrar();
    nombre_->setFocus();
}

void Crea::BorrarUltima() {
    edicion_.BorrarUltima();
    Mostrar();
}

void Crea::Aleatorio() {
    Atender(edicion_.Aleatoria(azar_));
}

void Crea::AnadirApuesta() {
    Atender(edicion_.AnadirLinea());
}

void Crea::EliminarApuesta() {
    Atender(edicion_.EliminarLinea());
}

void Crea::LineaElegida(int linea) {
    if (!edicion_.Editando()) return;
    const EdicionPena::Resultado r = edicion_.IrALinea(linea);
    if (!r.aviso) estado_.PenasCambiadas = true;
    Atender(r);
}

void Crea::closeEvent(QCloseEvent* evento) {
    if (const std::optional<Aviso> aviso = edicion_.Cerrar()) {
        Avisar(aviso);
        evento->ignore();
        return;
    }
    // Lines typed and not saved are not thrown away unasked.
    if (!edicion_.Editando() && !grabada_ && edicion_.Lineas() > 0 &&
        servicios_.dialogos.Mensaje(
            QStringLiteral("Las apuestas de esta peña no se han grabado. ¿Cerrar sin grabarlas?"),
            Icono::Pregunta, Botones::SiNo,
            QStringLiteral("Crear peña nueva...")) != Respuesta::Si) {
        evento->ignore();
        return;
    }
    evento->accept();
    emit cerrada();
}

}  // namespace tombolin
