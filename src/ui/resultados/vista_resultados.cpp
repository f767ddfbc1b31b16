#include "ui/resultados/vista_resultados.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace tombolin {

VistaResultados::VistaResultados(QWidget* padre)
    : QAbstractScrollArea(padre), cabecera_(new QHeaderView(Qt::Horizontal, this)) {
    altoFila_ = fontMetrics().height() + 4;
    cabecera_->setSectionsClickable(false);
    cabecera_->setHighlightSections(false);
    // The amount stays beside its notice, however wide the list grows.
    cabecera_->setStretchLastSection(false);
    cabecera_->setDefaultSectionSize(30);
    setFocusPolicy(Qt::StrongFocus);
    // The list's colours are fixed on white, so under a dark desktop theme the lists keep the
    // light paper they were drawn for.
    QPalette papel = viewport()->palette();
    papel.setColor(QPalette::Base, Qt::white);
    papel.setColor(QPalette::Text, Qt::black);
    papel.setColor(QPalette::Midlight, QColor(227, 227, 227));
    viewport()->setPalette(papel);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
    connect(cabecera_, &QHeaderView::sectionResized, viewport(), qOverload<>(&QWidget::update));
}

void VistaResultados::PonerModelo(QAbstractItemModel* modelo) {
    modelo_ = modelo;
    cabecera_->setModel(modelo);
    cabecera_->resizeSection(0, 18);
    // The numbers, the comment as wide as the longest notice, then the amount.
    const int comentario = modelo->columnCount() - 2;
    for (int c = 1; c < comentario; ++c) cabecera_->resizeSection(c, 36);
    cabecera_->resizeSection(comentario, fontMetrics().horizontalAdvance(QStringLiteral(
                                             "¡¡ Premio !! Tienes 200 apuestas de 3 aciertos.  ")));
    cabecera_->resizeSection(
        comentario + 1, fontMetrics().horizontalAdvance(QStringLiteral("importe pendiente")) + 12);
    const auto rehacer = [this] {
        Ajustar();
        viewport()->update();
    };
    connect(modelo, &QAbstractItemModel::modelReset, this, rehacer);
    connect(modelo, &QAbstractItemModel::rowsRemoved, this, rehacer);
    connect(modelo, &QAbstractItemModel::rowsInserted, this, rehacer);
    Ajustar();
}

int VistaResultados::FilaSuperior() const {
    return verticalScrollBar()->value();
}

int VistaResultados::AnchoNecesario() const {
    if (!modelo_) return 0;
    int ancho = 0;
    for (int c = 0; c < modelo_->columnCount(); ++c) ancho += cabecera_->sectionSize(c);
    return ancho + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

void VistaResultados::Ajustar() {
    const int alto = cabecera_->sizeHint().height();
    setViewportMargins(0, alto, 0, 0);
    const QRect r = viewport()->geometry();
    cabecera_->setGeometry(r.left(), r.top() - alto, r.width(), alto);
    const int filas = modelo_ ? modelo_->rowCount() : 0;
    const int visibles = std::max(1, viewport()->height() / altoFila_);
    verticalScrollBar()->setRange(0, std::max(0, filas - visibles));
    verticalScrollBar()->setPageStep(visibles);
    horizontalScrollBar()->setRange(0, std::max(0, cabecera_->length() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void VistaResultados::resizeEvent(QResizeEvent* evento) {
    QAbstractScrollArea::resizeEvent(evento);
    Ajustar();
}

void VistaResultados::scrollContentsBy(int, int) {
    cabecera_->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

void VistaResultados::keyPressEvent(QKeyEvent* evento) {
    QScrollBar* v = verticalScrollBar();
    switch (evento->key()) {
        case Qt::Key_Down:
            v->setValue(v->value() + 1);
            break;
        case Qt::Key_Up:
            v->setValue(v->value() - 1);
            break;
        case Qt::Key_PageDown:
            v->setValue(v->value() + v->pageStep());
            break;
        case Qt::Key_PageUp:
            v->setValue(v->value() - v->pageStep());
            break;
        case Qt::Key_Home:
            v->setValue(0);
            break;
        case Qt::Key_End:
            v->setValue(v->maximum());
            break;
        default:
            QAbstractScrollArea::keyPressEvent(evento);
            return;
    }
}

void VistaResultados::paintEvent(QPaintEvent*) {
    if (!modelo_) return;
    QPainter p(viewport());
    const int filas = modelo_->rowCount();
    const int columnas = modelo_->columnCount();
    const int primera = FilaSuperior();
    const int dx = -horizontalScrollBar()->value();
    const QColor rejilla = viewport()->palette().color(QPalette::Midlight);
    const QColor normal = viewport()->palette().color(QPalette::Text);
    for (int f = primera, y = 0; f < filas && y < viewport()->height(); ++f, y += altoFila_) {
        for (int c = 0; c < columnas; ++c) {
            const QRect celda(cabecera_->sectionPosition(c) + dx, y, cabecera_->sectionSize(c),
                              altoFila_);
            p.setPen(rejilla);
            p.drawLine(celda.topRight(), celda.bottomRight());
            const QModelIndex i = modelo_->index(f, c);
            const QString texto = i.data(Qt::DisplayRole).toString();
            if (texto.isEmpty()) continue;
            const QVariant color = i.data(Qt::ForegroundRole);
            p.setPen(color.isValid() ? color.value<QBrush>().color() : normal);
            const auto alineacion = i.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
            p.drawText(celda.adjusted(3, 0, -3, 0), static_cast<int>(alineacion), texto);
        }
    }
}

}  // namespace tombolin
