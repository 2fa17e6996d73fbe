#include "export/ui/frmExport.h"

#include "export/core/ExportFormats.h"

#include <QCheckBox>

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

frmExport::frmExport(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(QStringLiteral("Export Log"));

    cboFormat = named(new QComboBox(this), "cboFormat");
    for (const FormatInfo &format : ExportFormats::all())
        cboFormat->addItem(QLatin1String(format.title));
    txtCall = named(new QLineEdit(this), "txtCall");
    txtSPC = named(new QLineEdit(this), "txtSPC");
    txtNumber = named(new QLineEdit(this), "txtNumber");
    cboMode = named(new QComboBox(this), "cboMode");
    cboMode->addItems({QStringLiteral("CW"), QStringLiteral("SSB")});
    txtContest = named(new QLineEdit(this), "txtContest");
    txtContest->setPlaceholderText(QStringLiteral("QRP-ARCI-FALL-QSO-PARTY"));
    txtName = named(new QLineEdit(this), "txtName");
    txtAddress = named(new QLineEdit(this), "txtAddress");
    txtCity = named(new QLineEdit(this), "txtCity");
    txtState = named(new QLineEdit(this), "txtState");
    txtZip = named(new QLineEdit(this), "txtZip");
    cboCategoryStation = named(new QComboBox(this), "cboCategoryStation");
    cboCategoryStation->addItem(QString());
    cboCategoryStation->addItems(ExportFormats::categoryStations());
    cboCategoryTransmitter = named(new QComboBox(this), "cboCategoryTransmitter");
    cboCategoryTransmitter->addItem(QString());
    cboCategoryTransmitter->addItems(ExportFormats::categoryTransmitters());
    chkSkipIncomplete =
        named(new QCheckBox(QStringLiteral("&Leave out contacts a checker cannot read"), this), "chkSkipIncomplete");
    txtFile = named(new QLineEdit(this), "txtFile");
    txtFile->setMinimumWidth(320);
    cmdBrowse = named(new QPushButton(QStringLiteral("&Browse..."), this), "cmdBrowse");
    cmdExport = named(new QPushButton(QStringLiteral("&Export"), this), "cmdExport");
    cmdExport->setDefault(true);
    cmdClose = named(new QPushButton(QStringLiteral("&Close"), this), "cmdClose");
    txtResult = named(new QPlainTextEdit(this), "txtResult");
    txtResult->setReadOnly(true);
    txtResult->setMinimumHeight(90);

    auto label = [this](const char *name, const QString &text, QWidget *buddy) {
        QLabel *l = named(new QLabel(text, this), name);
        l->setBuddy(buddy);
        return l;
    };
    lblFormat = label("lblFormat", QStringLiteral("&Format"), cboFormat);
    lblCall = label("lblCall", QStringLiteral("Your &Callsign"), txtCall);
    lblSPC = label("lblSPC", QStringLiteral("Your &SPC"), txtSPC);
    lblNumber = label("lblNumber", QStringLiteral("QRP #/&Power"), txtNumber);
    lblMode = label("lblMode", QStringLiteral("&Mode"), cboMode);
    lblContest = label("lblContest", QStringLiteral("Co&ntest"), txtContest);
    lblName = label("lblName", QStringLiteral("N&ame"), txtName);
    lblAddress = label("lblAddress", QStringLiteral("A&ddress"), txtAddress);
    lblCity = label("lblCity", QStringLiteral("Cit&y"), txtCity);
    lblState = label("lblState", QStringLiteral("S&tate"), txtState);
    lblZip = label("lblZip", QStringLiteral("&Zip Code"), txtZip);
    lblCategoryStation = label("lblCategoryStation", QStringLiteral("Stati&on"), cboCategoryStation);
    lblCategoryTransmitter = label("lblCategoryTransmitter", QStringLiteral("T&ransmitter"), cboCategoryTransmitter);
    lblFile = label("lblFile", QStringLiteral("F&ile"), txtFile);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(txtFile, 1);
    fileRow->addWidget(cmdBrowse);

    auto *form = new QFormLayout;
    form->addRow(lblFormat, cboFormat);
    form->addRow(lblCall, txtCall);
    form->addRow(lblSPC, txtSPC);
    form->addRow(lblNumber, txtNumber);
    form->addRow(lblMode, cboMode);
    form->addRow(lblContest, txtContest);
    form->addRow(lblName, txtName);
    form->addRow(lblAddress, txtAddress);
    form->addRow(lblCity, txtCity);
    form->addRow(lblState, txtState);
    form->addRow(lblZip, txtZip);
    form->addRow(lblCategoryStation, cboCategoryStation);
    form->addRow(lblCategoryTransmitter, cboCategoryTransmitter);
    form->addRow(lblFile, fileRow);
    form->addRow(nullptr, chkSkipIncomplete);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(txtResult, 1);
    layout->addLayout(buttons);

    setTabOrder(cboFormat, txtCall);
    setTabOrder(txtCall, txtSPC);
    setTabOrder(txtSPC, txtNumber);
    setTabOrder(txtNumber, cboMode);
    setTabOrder(cboMode, txtContest);
    setTabOrder(txtContest, txtName);
    setTabOrder(txtName, txtAddress);
    setTabOrder(txtAddress, txtCity);
    setTabOrder(txtCity, txtState);
    setTabOrder(txtState, txtZip);
    setTabOrder(txtZip, cboCategoryStation);
    setTabOrder(cboCategoryStation, cboCategoryTransmitter);
    setTabOrder(cboCategoryTransmitter, txtFile);
    setTabOrder(txtFile, cmdBrowse);
    setTabOrder(cmdBrowse, chkSkipIncomplete);
    setTabOrder(chkSkipIncomplete, cmdExport);
    setTabOrder(cmdExport, cmdClose);
}
