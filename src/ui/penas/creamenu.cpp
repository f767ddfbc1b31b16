#include "ui/penas/creamenu.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace tombolin {

namespace {

constexpr int kTicsParpadeo = 18;  // 9 seconds at 500 ms

const char* const kMultiples[] = {"7 números (7 apuestas)",    "8 números (28 apuestas)",
                                  "5 números (44 apuestas)",   "9 números (84 apuestas)",
                                  "10 números (210 apuestas)", "11 números (462 apuestas)"};

}  // namespace

Creamenu::Creamenu(const QString& ficheroTablas, QWidget* padre)
    : VentanaSecundaria("Creamenu", QStringLiteral("Menú creación"), padre),
      ficheroTablas_(ficheroTablas) {
    pista_ = new QLabel(QStringLiteral("¿Cómo quiere formar las apuestas de la peña?"), this);
    pista_->setObjectName(QStringLiteral("pista"));
    QFont negrita = pista_->font();
    negrita.setBold(true);
    pista_->setFont(negrita);

    opciones_ = new QButtonGroup(this);
    const char* const textos[] = {"&Múltiple", "&Sencilla", "&Reducida"};
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(18, 14, 18, 14);
    capa->setSpacing(8);
    setMinimumWidth(380);
    capa->addWidget(pista_);
    for (const int i : {kMultiple, kSencilla, kReducida}) {
        auto* r = new QRadioButton(QString::fromUtf8(textos[i]), this);
        r->setObjectName(QStringLiteral("opcion%1").arg(i));
        opciones_->addButton(r, i);
        capa->addWidget(r);
    }
    lista_ = new QComboBox(this);
    lista_->setObjectName(QStringLiteral("listaTablas"));
    lista_->setPlaceholderText(QStringLiteral("Tablas de reducciones"));
    lista_->setMinimumContentsLength(28);
    lista_->hide();
    // Choosing an entry opens the editor, so the arrow keys and the wheel on the closed list
    // open it instead of choosing the next entry at once.
    lista_->installEventFilter(this);
    capa->addWidget(lista_);
    capa->addStretch();
    auto* cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("cerrar"));
    capa->addWidget(cerrar, 0, Qt::AlignRight);

    connect(opciones_, &QButtonGroup::idClicked, this, &Creamenu::ElegirModo);
    connect(lista_, &QComboBox::activated, this, &Creamenu::ElegirEntrada);
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);

    parpadeo_ = new QTimer(this);
    parpadeo_->setInterval(500);
    connect(parpadeo_, &QTimer::timeout, this, &Creamenu::Parpadear);
    parpadeo_->start();
}

bool Creamenu::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lista_ && evento->type() == QEvent::Wheel) return true;
    if (objeto == lista_ && evento->type() == QEvent::KeyPress) {
        // Tab and Escape keep their jobs; any other key (the arrows, a letter that would search)
        // opens the list.
        switch (static_cast<QKeyEvent*>(evento)->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Escape:
                break;
            default:
                lista_->showPopup();
                return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void Creamenu::Parpadear() {
    ++tics_;
    pista_->setVisible(!pista_->isVisible());
    if (tics_ >= kTicsParpadeo) {
        parpadeo_->stop();
        pista_->show();
    }
}

void Creamenu::ElegirModo(int opcion) {
    if (opcion == kSencilla) {
        hecho_ = true;
        emit elegido(0, nullptr);
        close();
        return;
    }
    lista_->clear();
    if (opcion == kMultiple) {
        lista_->setPlaceholderText(QStringLiteral("Seleccione Múltiple"));
        for (const char* t : kMultiples) lista_->addItem(QString::fromUtf8(t));
    } else {
        lista_->setPlaceholderText(QStringLiteral("Seleccione Reducción"));
        // Read again each time: the list is the file as it is now.
        FicheroTablas fichero;
        fichero.Cargar(ficheroTablas_);
        // A table without bets would make a syndicate without lines.
        tablas_.clear();
        for (const TablaReducida& t : fichero.Tablas()) {
            if (t.CantidadApuestas > 0) tablas_.push_back(t);
        }
        for (const TablaReducida& t : tablas_) lista_->addItem(t.Descripcion());
    }
    lista_->setCurrentIndex(-1);
    lista_->show();
    lista_->setFocus();
}

void Creamenu::ElegirEntrada(int entrada) {
    if (entrada < 0) return;
    hecho_ = true;
    if (opciones_->checkedId() == kMultiple) {
        emit elegido(entrada + 1, nullptr);
    } else if (entrada < static_cast<int>(tablas_.size())) {
        emit elegido(7, &tablas_[entrada]);
    }
    close();
}

void Creamenu::closeEvent(QCloseEvent* evento) {
    parpadeo_->stop();
    evento->accept();
    if (!hecho_) emit cerrada();
}

}  // namespace tombolin
