#include "ui/estadisticas/grafico_frecuencias.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <utility>

#include "statistics/seleccion.h"

namespace tombolin {

namespace {

// The value axis up to the highest bar in whole steps of 1, 2, 5, 10, 20, 50..., at most five:
// its "%d" labels would repeat at a step of 0.2 (0, 0, 0, 0, 0, 1 with no draws selected).
// The top of the axis and its number of labels.
std::pair<int, int> EscalaEntera(int maximo) {
    const int alto = std::max(1, maximo);
    int paso = 1;
    for (int base = 1; paso * 5 < alto; base *= 10) {
        for (const int m : {1, 2, 5}) {
            paso = m * base;
            if (paso * 5 >= alto) break;
        }
    }
    const int tope = (alto + paso - 1) / paso * paso;
    return {tope, tope / paso + 1};
}

}  // namespace

GraficoFrecuencias::GraficoFrecuencias(QWidget* padre) : QWidget(padre) {
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    setMinimumHeight(220);
    setAccessibleName(QStringLiteral("Veces que salió cada número"));
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
    // Two-digit numbers fit their bar even on a small window: they are never cut to "...".
    ejeX_->setTruncateLabels(false);
    ejeY_ = new QValueAxis(grafico_);
    ejeY_->setLabelFormat(QStringLiteral("%d"));
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
    // "Veces (1: 12, 2: 9, …)", one such sentence a series.
    QStringList frases;
    for (const auto& [nombre, valores] : series_) {
        QStringList barras;
        for (size_t i = 0; i < valores.size(); ++i)
            barras << categorias_[static_cast<int>(i)].trimmed() + QStringLiteral(": ") +
                          QString::number(valores[i]);
        frases << nombre + QStringLiteral(" (") + barras.join(QStringLiteral(", ")) +
                      QStringLiteral(")");
    }
    setAccessibleDescription(frases.join(QStringLiteral(". ")) + QStringLiteral("."));
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
    const auto [tope, marcas] = EscalaEntera(maximo);
    ejeY_->setRange(0, tope);
    ejeY_->setTickCount(marcas);
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

GraficoFrecuencias::Escala GraficoFrecuencias::EscalaVertical() const {
    if (!ejeY_) return {};
    return {ejeY_->min(), ejeY_->max(), ejeY_->tickCount()};
}

bool GraficoFrecuencias::LeyendaVisible() const {
    return grafico_ && grafico_->legend()->isVisible();
}

}  // namespace tombolin
