#pragma once
// The Radio dialog: the rig and how to reach it, whether the band follows it,
// the CW keyer and its speed, and the messages of F1..F8.

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmRadio : public QDialog {
    Q_OBJECT
  public:
    explicit frmRadio(QWidget *parent = nullptr);

    // Shows only the models whose caption holds the text ("None" always).
    void filterModels(const QString &text);
    // The chosen model number (0 for None); selects it, adding a line for a
    // number Hamlib does not know so that OK can say so.
    int model() const;
    void setModel(int model);

    QLineEdit *txtModelSearch;
    QListWidget *lstModel; // "None" first, then Hamlib's list; each item's data is the model number
    QLineEdit *txtPort;
    QComboBox *cboSerialSpeed; // "Rig default", then the speeds; item data is the baud rate
    QCheckBox *chkBandFollows;
    QComboBox *cboKeyer; // "none", "the radio (Hamlib)", "cwdaemon"
    QLineEdit *txtCwDaemon;
    QLineEdit *txtWpm;
    QList<QLineEdit *> txtMessages; // F1..F8
    QPushButton *cmdTest, *cmdOK, *cmdCancel;
    QLabel *lblResult; // the Test button's answer, or why OK refused the settings
};
