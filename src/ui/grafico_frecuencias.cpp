#include "ui/grafico_frecuencias.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QVBoxLayout>
#include <QValueAxis>

#include "statistics/seleccion.h"

namespace tombolin {

GraficoFrecuencias::GraficoFrecuencias(QWidget* padre) : QWidget(padre) {
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    setMinimumHeight(220);
}

void GraficoFrecuencias::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (grafico_) return;
    grafico_ = new QChart;
    grafico_->setAnimationOptions(QChart::NoAnimation);  // a slider drag redraws it many times
    grafico_->legend()->setAlignment(Qt::AlignBottom);
    serie_ = new QBarSeries(grafico_);
    grafico_->addSeries(serie_);
    ejeX_ = new QBarCategoryAxis(grafico_);
    ejeY_ = new QValueAxis(grafico_);
    ejeY_->setLabelFormat(QStringLiteral("%d"));
    ejeY_->setTickCount(6);
    grafico_->addAxis(ejeX_, Qt::AlignBottom);
    grafico_->addAxis(ejeY_, Qt::AlignLeft);
    serie_->attachAxis(ejeX_);
    serie_->attachAxis(ejeY_);
    auto* vista = new QChartView(grafico_, this);
    vista->setRenderHint(QPainter::Antialiasing);
    layout()->addWidget(vista);
    Aplicar();
}

void GraficoFrecuencias::Mostrar(const Recorrido& r, int pagina, bool comparativa) {
    categorias_.clear();
    for (int fila = 1; fila <= 25; ++fila)
        categorias_ << EtiquetaNumero(NumeroDePagina(pagina, fila));
    const char* const dias[] = {"Lunes", "Jueves", "Sábado"};
    series_.clear();
    for (int s = 0; s < (comparativa ? 3 : 1); ++s) {
        std::vector<int> valores;
        for (int fila = 1; fila <= 25; ++fila)
            valores.push_back(r.veces[NumeroDePagina(pagina, fila)][comparativa ? 1 + s : 0]);
        series_.push_back(
            {comparativa ? QString::fromUtf8(dias[s]) : QStringLiteral("Veces"), valores});
    }
    Aplicar();
}

void GraficoFrecuencias::Aplicar() {
    if (!grafico_) return;
    // The bars are changed in place: a slider drag would otherwise build the chart anew each time.
    if (serie_->count() != static_cast<int>(series_.size())) {
        serie_->clear();
        for (const auto& [nombre, valores] : series_) {
            auto* c = new QBarSet(nombre);
            for (size_t i = 0; i < valores.size(); ++i) c->append(0);
            serie_->append(c);
        }
    }
    int maximo = 0;
    const QList<QBarSet*> conjuntos = serie_->barSets();
    for (size_t s = 0; s < series_.size(); ++s) {
        const auto& valores = series_[s].second;
        for (size_t i = 0; i < valores.size(); ++i) {
            const int k = static_cast<int>(i);
            if (conjuntos[static_cast<int>(s)]->at(k) != valores[i])
                conjuntos[static_cast<int>(s)]->replace(k, valores[i]);
            maximo = std::max(maximo, valores[i]);
        }
    }
    if (ejeX_->categories() != categorias_) ejeX_->setCategories(categorias_);
    ejeY_->setRange(0, std::max(1, maximo));
    ejeY_->applyNiceNumbers();
    grafico_->legend()->setVisible(series_.size() > 1);
}

std::vector<std::pair<QString, std::vector<int>>> GraficoFrecuencias::Series() const {
    std::vector<std::pair<QString, std::vector<int>>> series;
    if (!serie_) return series;
    for (const QBarSet* c : serie_->barSets()) {
        std::vector<int> valores;
        for (int i = 0; i < c->count(); ++i) valores.push_back(static_cast<int>(c->at(i)));
        series.push_back({c->label(), valores});
    }
    return series;
}

QStringList GraficoFrecuencias::Categorias() const {
    return ejeX_ ? ejeX_->categories() : QStringList();
}

bool GraficoFrecuencias::LeyendaVisible() const {
    return grafico_ && grafico_->legend()->isVisible();
}

}  // namespace tombolin
