#pragma once

#include <QWidget>

namespace tombolin {

// What every secondary window of the program shares: a window of its own over the main window,
// modal, deleted once closed, closed by Esc, and telling the main window when it closes so that it
// refreshes what changed.
class VentanaSecundaria : public QWidget {
    Q_OBJECT

  signals:
    void cerrada();

  protected:
    VentanaSecundaria(const char* nombre, const QString& titulo, QWidget* padre);
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
};

}  // namespace tombolin
