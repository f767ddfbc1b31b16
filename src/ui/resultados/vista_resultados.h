#pragma once

#include <QAbstractScrollArea>

class QAbstractItemModel;
class QHeaderView;

namespace tombolin {

// A list view for results lists of any size: it paints only the rows on screen, asking the
// model for their cells, and keeps nothing per row (a QTableView keeps a section per row, which
// millions of rows make slow to show and heavy to hold).
class VistaResultados : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit VistaResultados(QWidget* padre = nullptr);

    void PonerModelo(QAbstractItemModel* modelo);
    QHeaderView* cabecera() const { return cabecera_; }
    int AltoFila() const { return altoFila_; }
    // First row on screen.
    int FilaSuperior() const;
    // The width the columns need, for the page to size the list.
    int AnchoNecesario() const;

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void Ajustar();

    QAbstractItemModel* modelo_ = nullptr;
    QHeaderView* cabecera_;
    int altoFila_;
};

}  // namespace tombolin
