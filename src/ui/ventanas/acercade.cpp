#include "ui/ventanas/acercade.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSysInfo>
#include <QVBoxLayout>

#include "core/configuracion.h"
#include "core/sistema.h"
#include "ui/ventanas/presentacion.h"

namespace tombolin {

namespace {

QLabel* Etiqueta(const QString& texto, const char* nombre, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    l->setAlignment(Qt::AlignCenter);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// A link the keyboard can reach, too.
QPushButton* Enlace(const QString& texto, const char* nombre, QWidget* padre) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QLatin1String(nombre));
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral("color: palette(link); text-decoration: underline;"));
    return b;
}

}  // namespace

Acercade::Acercade(const Estado& estado, Servicios servicios, QWidget* padre)
    : VentanaSecundaria("Acercade", QStringLiteral("Acerca de..."), padre) {
    auto* imagen = new QLabel(this);
    imagen->setPixmap(FotogramaPresentacion(8, devicePixelRatioF()));
    imagen->setAlignment(Qt::AlignCenter);
    imagen->setAccessibleName(QStringLiteral("Bombo de la lotería con una bola fuera"));
    auto* programa = Etiqueta(QStringLiteral("Tombolin " TOMBOLIN_VERSION), "programa", this);
    QFont grande = programa->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    programa->setFont(grande);
    auto* sistema =
        Etiqueta(QStringLiteral("S.O: ") + VersionToName(NativeGetVersion()), "sistema", this);
    auto* distribucion = Etiqueta(QSysInfo::prettyProductName(), "distribucion", this);

    const QString direccion = estado.Config.DireccionVisible();
    auto* web = Enlace(direccion, "web", this);
    auto* correo = Enlace(QLatin1String(kCorreoContacto), "correo", this);
    connect(web, &QPushButton::clicked, this, [servicios, direccion] {
        servicios.escritorio.AbrirUrl(QStringLiteral("http://") + direccion);
    });
    connect(correo, &QPushButton::clicked, this,
            [servicios] { servicios.escritorio.NuevoCorreo(QLatin1String(kCorreoContacto)); });

    auto* cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("cerrar"));
    cerrar->setDefault(true);
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);

    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(18, 14, 18, 14);
    capa->addWidget(imagen);
    capa->addWidget(programa);
    capa->addWidget(sistema);
    capa->addWidget(distribucion);
    capa->addWidget(web, 0, Qt::AlignHCenter);
    capa->addWidget(correo, 0, Qt::AlignHCenter);
    capa->addWidget(cerrar, 0, Qt::AlignRight);
}

}  // namespace tombolin
