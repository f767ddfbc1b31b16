#include "ui/configurar.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/configuracion.h"
#include "ui/mensajes.h"

namespace tombolin {

Configurar::Configurar(Estado& estado, Servicios servicios, QWidget* padre)
    : VentanaSecundaria("Configurar", QStringLiteral("Configurar"), padre),
      estado_(estado),
      servicios_(servicios) {
    auto* titulo = new QLabel(QStringLiteral("CONFIGURACIÓN"), this);
    QFont grande = titulo->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    titulo->setFont(grande);

    precio_ = new QLineEdit(TextoEnCaja(estado_.Config.PrecioApuesta), this);
    precio_->setObjectName(QStringLiteral("precio"));
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
    rejilla->addWidget(etiquetaMeses, 1, 0);
    rejilla->addWidget(meses_, 1, 1);
    rejilla->addWidget(new QLabel(QStringLiteral("meses,"), this), 1, 2);
    rejilla->addWidget(new QLabel(QStringLiteral("* Mínimo 2 meses"), this), 2, 1, 1, 2);
    rejilla->setColumnStretch(3, 1);

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
    capa->addSpacing(6);
    capa->addWidget(cerrar, 0, Qt::AlignRight);
}

void Configurar::PrecioEditado(const QString& texto) {
    const std::optional<double> precio = DecimalTecleado(
        texto, [this] { precio_->setText(TextoEnCaja(estado_.Config.PrecioApuesta)); });
    if (!precio) return;
    estado_.Config.PrecioApuesta = static_cast<float>(*precio);
    Guardar();
}

void Configurar::MesesEditados(const QString& texto) {
    if (texto.trimmed().isEmpty() || texto.trimmed() == QLatin1String("-")) return;
    const std::optional<int16_t> meses = LeerMeses(texto);
    if (!meses) {
        meses_->setText(QString::number(estado_.Config.MesesMaximos));
        return;
    }
    // Below 2 is stored as 2; the box keeps what was typed.
    estado_.Config.MesesMaximos = *meses;
    Guardar();
}

void Configurar::Guardar() {
    GuardarAjustes(estado_, servicios_.dialogos, errorAvisado_);
}

}  // namespace tombolin
