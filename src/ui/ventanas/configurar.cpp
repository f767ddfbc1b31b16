#include "ui/ventanas/configurar.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/configuracion.h"
#include "programa/mensajes.h"

namespace tombolin {

namespace {

// Beside the price box while it holds a price that is not kept.
QString MotivoPrecio(float guardado) {
    return QStringLiteral("Ha de ser mayor que 0: se mantiene ") + TextoEnCaja(guardado) +
           QStringLiteral(".");
}

}  // namespace

Configurar::Configurar(Estado& estado, Servicios servicios, QWidget* padre)
    : VentanaSecundaria("Configurar", QStringLiteral("Configurar"), padre),
      estado_(estado),
      servicios_(servicios),
      automatica_(servicios.systemctl) {
    auto* titulo = new QLabel(QStringLiteral("CONFIGURACIÓN"), this);
    QFont grande = titulo->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    titulo->setFont(grande);

    precio_ = new QLineEdit(TextoEnCaja(estado_.Config.PrecioApuesta), this);
    precio_->setObjectName(QStringLiteral("precio"));
    motivoPrecio_ = new QLabel(MotivoPrecio(estado_.Config.PrecioApuesta), this);
    motivoPrecio_->setObjectName(QStringLiteral("motivoPrecio"));
    QFont pequena = motivoPrecio_->font();
    pequena.setPointSizeF(pequena.pointSizeF() * 0.9);
    motivoPrecio_->setFont(pequena);
    motivoPrecio_->setStyleSheet(QStringLiteral("color: #a00000;"));
    // Its place is kept while hidden, so the window doesn't grow under the user's fingers.
    QSizePolicy sitio = motivoPrecio_->sizePolicy();
    sitio.setRetainSizeWhenHidden(true);
    motivoPrecio_->setSizePolicy(sitio);
    motivoPrecio_->hide();
    meses_ = new QLineEdit(QString::number(estado_.Config.MesesMaximos), this);
    meses_->setObjectName(QStringLiteral("meses"));
    for (QLineEdit* caja : {precio_, meses_}) caja->setMaximumWidth(80);
    auto* etiquetaPrecio = new QLabel(QStringLiteral("-&Precio por apuesta:"), this);
    etiquetaPrecio->setBuddy(precio_);
    auto* etiquetaMeses = new QLabel(QStringLiteral("-Sorteo &max. división:"), this);
    etiquetaMeses->setBuddy(meses_);

    auto* rejilla = new QGridLayout;
    rejilla->addWidget(etiquetaPrecio, 0, 0);
    rejilla->addWidget(precio_, 0, 1);
    rejilla->addWidget(new QLabel(QStringLiteral("euros."), this), 0, 2);
    rejilla->addWidget(motivoPrecio_, 0, 3);
    rejilla->addWidget(etiquetaMeses, 1, 0);
    rejilla->addWidget(meses_, 1, 1);
    rejilla->addWidget(new QLabel(QStringLiteral("meses,"), this), 1, 2);
    rejilla->addWidget(new QLabel(QStringLiteral("* Mínimo 2 meses"), this), 2, 1, 1, 2);
    rejilla->setColumnStretch(3, 1);

    sola_ = new QCheckBox(QStringLiteral("Comprobar &sola tras cada sorteo"), this);
    sola_->setObjectName(QStringLiteral("comprobarSola"));
    sola_->setEnabled(false);
    estadoSola_ = new QLabel(QStringLiteral("Consultando…"), this);
    estadoSola_->setObjectName(QStringLiteral("estadoComprobarSola"));
    estadoSola_->setWordWrap(true);
    estadoSola_->setFont(pequena);
    sola_->setToolTip(QStringLiteral(
        "Baja los sorteos nuevos y comprueba las peñas aunque el programa esté cerrado, y avisa "
        "si alguna gana."));
    connect(sola_, &QCheckBox::clicked, this, &Configurar::AutomaticaPulsada);

    auto* cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("cerrar"));
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);
    connect(precio_, &QLineEdit::textEdited, this, &Configurar::PrecioEditado);
    connect(meses_, &QLineEdit::textEdited, this, &Configurar::MesesEditados);

    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(18, 14, 18, 14);
    capa->addWidget(titulo);
    capa->addSpacing(6);
    capa->addLayout(rejilla);
    capa->addSpacing(10);
    capa->addWidget(sola_);
    capa->addWidget(estadoSola_);
    capa->addSpacing(6);
    capa->addWidget(cerrar, 0, Qt::AlignRight);
    automatica_.Consultar([ventana = QPointer<Configurar>(this)](const auto& s) {
        if (ventana) ventana->MostrarAutomatica(s);
    });
}

void Configurar::MostrarAutomatica(const ComprobacionAutomatica::Situacion& s) {
    sola_->setEnabled(s.disponible);
    sola_->setChecked(s.activa);
    estadoSola_->setText(s.texto);
    sola_->setAccessibleDescription(s.texto);
}

void Configurar::AutomaticaPulsada(bool si) {
    sola_->setEnabled(false);
    estadoSola_->setText(si ? QStringLiteral("Activando…") : QStringLiteral("Desactivando…"));
    automatica_.Poner(si, [ventana = QPointer<Configurar>(this)](const auto& s) {
        if (ventana) ventana->MostrarAutomatica(s);
    });
}

void Configurar::PrecioEditado(const QString& texto) {
    const Tecleado t = DecimalTecleado(texto);
    if (t.clase == Tecleado::NoEsNumero)
        precio_->setText(TextoEnCaja(estado_.Config.PrecioApuesta));
    // "0,5" passes through "0" as it is typed: the stored price waits, and the label says why,
    // rather than a box at every key.
    const bool admitido = t.clase != Tecleado::Valor || PrecioAdmitido(static_cast<float>(t.valor));
    if (!admitido) motivoPrecio_->setText(MotivoPrecio(estado_.Config.PrecioApuesta));
    motivoPrecio_->setVisible(!admitido);
    if (t.clase != Tecleado::Valor || !admitido) return;
    estado_.Config.PrecioApuesta = static_cast<float>(t.valor);
    Guardar();
}

void Configurar::MesesEditados(const QString& texto) {
    const Tecleado t = MesesTecleados(texto);
    if (t.clase == Tecleado::NoEsNumero)
        meses_->setText(QString::number(estado_.Config.MesesMaximos));
    if (t.clase != Tecleado::Valor) return;
    // Below 2 is stored as 2; the box keeps what was typed.
    estado_.Config.MesesMaximos = static_cast<int16_t>(t.valor);
    Guardar();
}

void Configurar::Guardar() {
    GuardarAjustes(estado_, servicios_.dialogos, errorAvisado_);
}

}  // namespace tombolin
