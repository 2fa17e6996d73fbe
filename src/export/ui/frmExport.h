#pragma once
// The Export Log dialog: format, own station data and the file to write.

#include <QDialog>

class QCheckBox;
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
    // The entrant and the entry, for the Cabrillo header.
    QLabel *lblName, *lblAddress, *lblCity, *lblState, *lblZip, *lblCategoryStation, *lblCategoryTransmitter;
    QLineEdit *txtName, *txtAddress, *txtCity, *txtState, *txtZip;
    QComboBox *cboCategoryStation, *cboCategoryTransmitter; // first item empty: the tag is left out
    // Write the file without the contacts a checker cannot read.
    QCheckBox *chkSkipIncomplete;
    QPushButton *cmdBrowse, *cmdExport, *cmdClose;
    // What the last export did, and any contact it left out.
    QPlainTextEdit *txtResult;
};
