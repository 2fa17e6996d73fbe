#pragma once
// The client area of the main window: green, with the transceiver's front panel
// drawn from its top left corner. Only the picture is painted; every text the
// operator reads is a control's own text.

#include <QWidget>

class QSvgRenderer;

class PanelPicture : public QWidget {
    Q_OBJECT
  public:
    explicit PanelPicture(QWidget *parent = nullptr);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QSvgRenderer *m_picture;
};
