#pragma once
// The print-options dialog: the header data of the log sheet and the band to print.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class KeyRewrite;

class frmPrinter : public QWidget {
    Q_OBJECT
  public:
    explicit frmPrinter(QWidget *parent = nullptr);

    QLabel *lblContest, *lblDate, *lblCallsign, *lblSPC, *lblNumber, *lblPrintout, *cmdMode;
    QLineEdit *txtContestName, *txtDate, *txtCall, *txtSPC, *txtNumber, *txtWhichBand, *txtMode;
    QPushButton *cmdOK, *cmdCancel;

  private:
    KeyRewrite *m_upperCase;
};
