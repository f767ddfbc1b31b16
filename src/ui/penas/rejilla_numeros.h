#pragma once

#include <QWidget>
#include <array>

namespace tombolin {

// The 49 numbers of the editor as cells of seven rows of seven. A click, or Space or Enter on the
// focused cell (moved with the arrow keys, Home and End), asks for that number; the editor
// decides whether it is marked. Marked cells are dark with a cross over the number, so they can
// be told apart without colour. A screen reader sees each cell as a checkable button named by
// its number, which it can press.
class RejillaNumeros : public QWidget {
    Q_OBJECT

  public:
    explicit RejillaNumeros(QWidget* padre = nullptr);

    void PonerMarcados(const std::array<bool, 49>& marcados);
    bool Marcado(int numero) const { return marcados_[numero - 1]; }
    int Enfocado() const { return enfocado_; }
    // Where number 1..49 is drawn.
    QRect Celda(int numero) const;
    // Asks for a number as a click on its cell does; a screen reader's press comes here too.
    void Pulsar(int numero);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void pulsado(int numero);

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;

  private:
    int NumeroEn(QPoint punto) const;
    void Enfocar(int numero);

    std::array<bool, 49> marcados_{};
    int enfocado_ = 1;
};

}  // namespace tombolin
