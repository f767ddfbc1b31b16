#include "ui/penas/rejilla_numeros.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace tombolin {

namespace {
constexpr int kLado = 7;
constexpr int kCeldaMinima = 34;  // pixels: big enough to hit and to read

// A cell as a screen reader sees it: a checkable button named by its number, checked when marked,
// that can be pressed. Its role is the check box's, as for Qt's own checkable buttons: Qt has no
// toggle-button role. It has no object of its own, so the grid's interface keeps it.
class CeldaAccesible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    CeldaAccesible(RejillaNumeros* rejilla, int numero) : rejilla_(rejilla), numero_(numero) {}

    bool isValid() const override { return !rejilla_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QAccessibleInterface* p = parent();
        return p ? p->window() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(rejilla_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString::number(numero_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!rejilla_) return {};
        const QRect c = rejilla_->Celda(numero_);
        return {rejilla_->mapToGlobal(c.topLeft()), c.size()};
    }
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!rejilla_) {
            s.invalid = true;
            return s;
        }
        s.checkable = true;
        s.checked = rejilla_->Marcado(numero_);
        s.focusable = true;
        s.focused = rejilla_->hasFocus() && rejilla_->Enfocado() == numero_;
        s.invisible = !rejilla_->isVisible();
        s.disabled = !rejilla_->isEnabled();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& accion) override {
        if (!rejilla_ || !rejilla_->isEnabled()) return;
        if (accion == pressAction() || accion == toggleAction()) rejilla_->Pulsar(numero_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<RejillaNumeros> rejilla_;
    const int numero_;
};

// The grid as a group of its 49 cells. The cells' interfaces are made when first asked for and
// live as long as the grid's.
class RejillaAccesible : public QAccessibleWidget {
  public:
    explicit RejillaAccesible(RejillaNumeros* rejilla)
        : QAccessibleWidget(rejilla, QAccessible::Grouping) {}
    ~RejillaAccesible() override {
        for (const QAccessible::Id id : celdas_) {
            if (id) QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return 49; }
    QAccessibleInterface* child(int indice) const override {
        if (indice < 0 || indice >= 49) return nullptr;
        if (!celdas_[indice]) {
            auto* celda = new CeldaAccesible(Rejilla(), indice + 1);
            celdas_[indice] = QAccessible::registerAccessibleInterface(celda);
        }
        return QAccessible::accessibleInterface(celdas_[indice]);
    }
    int indexOfChild(const QAccessibleInterface* hijo) const override {
        for (int i = 0; i < 49; ++i) {
            if (celdas_[i] && QAccessible::accessibleInterface(celdas_[i]) == hijo) return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint punto = widget()->mapFromGlobal(QPoint(x, y));
        for (int n = 1; n <= 49; ++n) {
            if (Rejilla()->Celda(n).contains(punto)) return child(n - 1);
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() ? child(Rejilla()->Enfocado() - 1) : nullptr;
    }

  private:
    RejillaNumeros* Rejilla() const { return static_cast<RejillaNumeros*>(widget()); }

    mutable std::array<QAccessible::Id, 49> celdas_{};
};

QAccessibleInterface* FabricaAccesible(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String(RejillaNumeros::staticMetaObject.className()))
        return new RejillaAccesible(static_cast<RejillaNumeros*>(objeto));
    return nullptr;
}

// Tells a screen reader what happened to cell `numero`.
template <class Evento, class... Datos>
void Avisar(RejillaNumeros* rejilla, int numero, Datos... datos) {
    QAccessibleInterface* r = QAccessible::queryAccessibleInterface(rejilla);
    QAccessibleInterface* celda = r ? r->child(numero - 1) : nullptr;
    if (!celda) return;
    Evento e(celda, datos...);
    QAccessible::updateAccessibility(&e);
}

}  // namespace

RejillaNumeros::RejillaNumeros(QWidget* padre) : QWidget(padre) {
    // Before the name is set: telling a screen reader of it makes the grid's interface. Qt keeps
    // one copy of a factory, however many grids install it.
    QAccessible::installFactory(FabricaAccesible);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("Números"));
}

QSize RejillaNumeros::sizeHint() const {
    return {kLado * 44 + 1, kLado * 44 + 1};
}

QSize RejillaNumeros::minimumSizeHint() const {
    return {kLado * kCeldaMinima + 1, kLado * kCeldaMinima + 1};
}

void RejillaNumeros::PonerMarcados(const std::array<bool, 49>& marcados) {
    if (marcados == marcados_) return;
    const std::array<bool, 49> antes = marcados_;
    marcados_ = marcados;
    update();
    // A screen reader is told of each cell whose mark changed.
    if (!QAccessible::isActive()) return;
    QAccessible::State marca;
    marca.checked = true;
    for (int n = 1; n <= 49; ++n) {
        if (antes[n - 1] != marcados_[n - 1]) Avisar<QAccessibleStateChangeEvent>(this, n, marca);
    }
}

void RejillaNumeros::Pulsar(int numero) {
    Enfocar(numero);
    emit pulsado(numero);
}

QRect RejillaNumeros::Celda(int numero) const {
    // Square cells, centred in whatever room the window gives.
    const int lado = std::min(width(), height()) / kLado;
    const int x0 = (width() - lado * kLado) / 2;
    const int y0 = (height() - lado * kLado) / 2;
    const int i = numero - 1;
    return {x0 + (i % kLado) * lado, y0 + (i / kLado) * lado, lado, lado};
}

int RejillaNumeros::NumeroEn(QPoint punto) const {
    for (int n = 1; n <= 49; ++n) {
        if (Celda(n).contains(punto)) return n;
    }
    return 0;
}

void RejillaNumeros::Enfocar(int numero) {
    const int antes = enfocado_;
    enfocado_ = std::clamp(numero, 1, 49);
    update();
    // The grid has the focus, but what a screen reader should read is the cell.
    if (enfocado_ != antes && hasFocus() && QAccessible::isActive())
        Avisar<QAccessibleEvent>(this, enfocado_, QAccessible::Focus);
}

void RejillaNumeros::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    QFont letra = font();
    for (int n = 1; n <= 49; ++n) {
        const QRectF c = QRectF(Celda(n)).adjusted(2, 2, -2, -2);
        const bool marcado = marcados_[n - 1];
        p.setPen(QPen(pal.color(QPalette::WindowText), marcado ? 2.0 : 1.0));
        p.setBrush(marcado ? QColor(0xb0, 0x10, 0x20) : pal.color(QPalette::Base));
        p.drawRoundedRect(c, 4, 4);
        if (marcado) {
            // The cross of a marked slip box, under the number so that it stays readable.
            p.setPen(QPen(QColor(255, 255, 255, 110), 1.5));
            const QRectF x =
                c.adjusted(c.width() * 0.2, c.height() * 0.2, -c.width() * 0.2, -c.height() * 0.2);
            p.drawLine(x.topLeft(), x.bottomRight());
            p.drawLine(x.topRight(), x.bottomLeft());
        }
        letra.setPixelSize(std::max(10, static_cast<int>(c.height() * 0.42)));
        letra.setBold(marcado);
        p.setFont(letra);
        p.setPen(marcado ? QColor(Qt::white) : pal.color(QPalette::Text));
        p.drawText(c, Qt::AlignCenter, QString::number(n));
    }
    if (hasFocus()) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(pal.color(QPalette::Highlight), 3));
        p.drawRect(Celda(enfocado_).adjusted(0, 0, -1, -1));
    }
}

void RejillaNumeros::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    const int n = NumeroEn(evento->position().toPoint());
    if (n != 0) Pulsar(n);
}

void RejillaNumeros::focusInEvent(QFocusEvent* evento) {
    QWidget::focusInEvent(evento);
    // Qt tells a screen reader of the grid once this returns; the cell follows, so that coming in
    // with Tab reads the number too. A click tells of the cell clicked itself (Pulsar).
    if (evento->reason() == Qt::MouseFocusReason || !QAccessible::isActive()) return;
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) Avisar<QAccessibleEvent>(this, enfocado_, QAccessible::Focus);
    });
}

void RejillaNumeros::keyPressEvent(QKeyEvent* evento) {
    const int fila = (enfocado_ - 1) / kLado;
    const int columna = (enfocado_ - 1) % kLado;
    switch (evento->key()) {
        case Qt::Key_Left:
            Enfocar(enfocado_ - 1);
            break;
        case Qt::Key_Right:
            Enfocar(enfocado_ + 1);
            break;
        case Qt::Key_Up:
            if (fila > 0) Enfocar(enfocado_ - kLado);
            break;
        case Qt::Key_Down:
            if (fila < kLado - 1) Enfocar(enfocado_ + kLado);
            break;
        case Qt::Key_Home:
            Enfocar(enfocado_ - columna);
            break;
        case Qt::Key_End:
            Enfocar(enfocado_ - columna + kLado - 1);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit pulsado(enfocado_);
            break;
        default:
            QWidget::keyPressEvent(evento);
    }
}

}  // namespace tombolin
