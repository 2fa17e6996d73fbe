#pragma once
// The Export Log dialog: format, own station data and the file to write.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmExport : public QDialog {
    Q_OBJECT
  public:
    explicit frmExport(QWidget *parent = nullptr);

    QLabel *lblFormat, *lblCall, *lblSPC, *lblNumber, *lblMode, *lblContest, *lblFile;
    QComboBox *cboFormat, *cboMode;
    QLineEdit *txtCall, *txtSPC, *txtNumber, *txtContest, *txtFile;
    QPushButton *cmdBrowse, *cmdExport, *cmdClose;
    // What the last export did, and any contact it left out.
    QPlainTextEdit *txtResult;
};
