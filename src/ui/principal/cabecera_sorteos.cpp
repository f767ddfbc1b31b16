#include "ui/principal/cabecera_sorteos.h"

#include <QGridLayout>
#include <QLabel>
#include <QTimer>

#include "core/resumen.h"
#include "ui/base/datos_programa.h"

namespace tombolin {

CabeceraSorteos::CabeceraSorteos(const DatosPrograma& datos, QWidget* barraDescarga, QWidget* padre)
    : QWidget(padre) {
    connect(&datos, &DatosPrograma::releidos, this, [this, &datos] { Mostrar(datos.Situacion()); });
    const auto etiqueta = [this](const char* nombre) {
        auto* l = new QLabel(this);
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

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(4, 2, 4, 2);
    rejilla->addWidget(new QLabel(QStringLiteral("Último sorteo guardado:"), this), 0, 0);
    rejilla->addWidget(ultimoSorteo_, 0, 1);
    rejilla->addWidget(aviso_, 0, 2, Qt::AlignRight);
    rejilla->addWidget(new QLabel(QStringLiteral("Próximo sorteo:"), this), 1, 0);
    rejilla->addWidget(proximoSorteo_, 1, 1);
    rejilla->addWidget(cuentaAtras_, 1, 2, Qt::AlignRight);
    rejilla->addWidget(barraDescarga, 0, 3, 2, 1);
    rejilla->setColumnStretch(1, 1);
    rejilla->setHorizontalSpacing(12);

    parpadeo_ = new QTimer(this);
    parpadeo_->setInterval(500);
    connect(parpadeo_, &QTimer::timeout, this,
            [this] { aviso_->setVisible(!aviso_->isVisible()); });
}

void CabeceraSorteos::Mostrar(const Actualizacion& a) {
    ultimoSorteo_->setText(a.TextoUltimo);
    proximoSorteo_->setText(a.TextoProximo);
    cuentaAtras_->setText(a.TextoCuenta);
    if (a.TextoAviso.isEmpty()) {
        parpadeo_->stop();
        aviso_->hide();
    } else {
        aviso_->setText(a.TextoAviso);
        aviso_->show();
        parpadeo_->start();
    }
}

void CabeceraSorteos::Parar() {
    parpadeo_->stop();
}

}  // namespace tombolin
