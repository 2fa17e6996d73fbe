#pragma once
// What the three reference windows share: a small modeless window over the main
// window, placed by its client area in twips, with a caption and a background
// colour, a close box and no minimize or maximize button. Closing it discards it.

#include <QWidget>

class ReferenceWindow : public QWidget {
    Q_OBJECT
  public:
    // True once the close box has been used; the window is about to be deleted.
    bool isDiscarded() const { return m_discarded; }
    // Makes the window visible and puts it in front.
    void bringToFront();

  protected:
    ReferenceWindow(QWidget *owner, const QString &name, const QString &caption, const QColor &background, int left,
                    int top, int width, int height);

    void closeEvent(QCloseEvent *event) override;

  private:
    bool m_discarded = false;
};
