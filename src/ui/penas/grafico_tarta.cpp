#include "ui/penas/grafico_tarta.h"

#include <QChart>
#include <QChartView>
#include <QPieSeries>
#include <QPieSlice>
#include <QVBoxLayout>

namespace tombolin {

GraficoTarta::GraficoTarta(QWidget* padre) : QWidget(padre) {
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    setMinimumSize(160, 110);
    setMaximumHeight(190);
    setAccessibleName(QStringLiteral("Sorteos con y sin premio"));
    Describir();
}

void GraficoTarta::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (serie_) return;
    serie_ = new QPieSeries(this);
    serie_->append(QStringLiteral("Sin premio"), sinPremio_);
    serie_->append(QStringLiteral("Premios"), conPremio_);
    serie_->slices().at(0)->setColor(QColor(90, 130, 200));
    serie_->slices().at(1)->setColor(QColor(230, 170, 30));
    auto* grafico = new QChart();
    grafico->addSeries(serie_);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico->setBackgroundVisible(false);
    // The chart has no background of its own: its legend is written in the window's text colour,
    // so it reads under a light or a dark theme.
    grafico->legend()->setLabelColor(palette().color(QPalette::WindowText));
    grafico->setMargins(QMargins(0, 0, 0, 0));
    auto* vista = new QChartView(grafico, this);
    vista->setRenderHint(QPainter::Antialiasing);
    layout()->addWidget(vista);
}

void GraficoTarta::Poner(double sinPremio, double conPremio) {
    sinPremio_ = sinPremio;
    conPremio_ = conPremio;
    Describir();
    if (!serie_) return;
    serie_->slices().at(0)->setValue(sinPremio);
    serie_->slices().at(1)->setValue(conPremio);
}

void GraficoTarta::Describir() {
    const double total = sinPremio_ + conPremio_;
    if (total <= 0) {
        setAccessibleDescription(QStringLiteral("Sin datos"));
        return;
    }
    const auto porcentaje = [total](double v) {
        return QString::number(qRound(100 * v / total)) + QStringLiteral(" %");
    };
    setAccessibleDescription(QStringLiteral("Sin premio: ") + porcentaje(sinPremio_) +
                             QStringLiteral("; Premios: ") + porcentaje(conPremio_));
}

double GraficoTarta::SinPremio() const {
    return serie_ ? serie_->slices().at(0)->value() : -1;
}

double GraficoTarta::ConPremio() const {
    return serie_ ? serie_->slices().at(1)->value() : -1;
}

}  // namespace tombolin
