#include "app/tools/xray_beam_form.h"

#include "absorber/data_sources.h"
#include "app/datasetup/absorber_selection_dialog.h"
#include "app/kit/help_system.h"
#include "app/kit/named_widget.h"
#include "app/kit/string_grid.h"
#include "app/tools/layer_dialog.h"
#include "app/tools/layer_list.h"
#include "app/tools/tool_fields.h"
#include "app/tools/tool_graph.h"
#include "app/tools/tool_output.h"
#include "app/tools/tool_reports.h"
#include "app/tools/tool_window_kit.h"
#include "controls/num_edit.h"
#include "graph/vexplot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using pheltra::controls::TNumEdit;

namespace {

const QString kCaption = QStringLiteral("X-ray Beam");
const QColor kUnfilteredColour{0x80, 0x80, 0x80};
const QColor kFilteredColour{0, 0, 0xC0};
constexpr double kDefaultKv = 80.0;
constexpr double kDefaultAluminiumMm = 2.5;

// The energy-unit list: the file's header first, then the units by name.
const std::optional<pheltra::EnergyUnit> kEnergyUnits[] = {std::nullopt, pheltra::EnergyUnit::EV,
                                                           pheltra::EnergyUnit::KeV, pheltra::EnergyUnit::MeV};

QLineEdit *MaterialEdit(QWidget *parent, const char *name, const char *text)
{
    auto *edit = Named(new QLineEdit(QString::fromLatin1(text), parent), name);
    edit->setReadOnly(true);
    return edit;
}

} // namespace

TXrayBeamForm::TXrayBeamForm(const CompoundLibrary &library, TCmpMixDlg &absorberDialog, QPrinter &printer,
                             TGraphLook look, QWidget *parent)
    : QDialog(parent),
      ChooseSpectrumFile([](QWidget *window) {
          return QFileDialog::getOpenFileName(window, QStringLiteral("Spectrum File"), QString(),
                                              QStringLiteral("Spectra (*.csv *.tsv *.txt *.dat *.spc);;All files (*)"));
      }),
      library_(library),
      absorberDialog_(absorberDialog),
      printer_(printer),
      look_(look),
      layerDialog_(new TLayerDlg(library, absorberDialog, QString::fromLatin1(Help::kTopicXrayBeam), this))
{
    setObjectName(QStringLiteral("XrayBeamForm"));
    setWindowTitle(kCaption);
    setModal(false);
    BuildControls();

    pheltra::BeamInputs defaults;
    defaults.kv = kDefaultKv;
    defaults.filters = {
        {{QString::fromLatin1(pheltra::kAluminiumName)}, {kDefaultAluminiumMm, pheltra::ThicknessUnit::Mm}}};
    SetInputs(defaults);
}

void TXrayBeamForm::BuildControls()
{
    auto *beam = Named(new QGroupBox(QStringLiteral("Beam:"), this), "grpBeam");
    rbTubeVoltage = Named(new QRadioButton(QStringLiteral("Tube voltage (kV):"), beam), "rbTubeVoltage");
    neKv = NumberField(beam, "neKv", QStringLiteral("0.0;-0.0"), pheltra::kTasmipMinKv, pheltra::kTasmipMaxKv);
    rbSpectrumFile = Named(new QRadioButton(QStringLiteral("Spectrum file:"), beam), "rbSpectrumFile");
    editSpectrumFile = Named(new QLineEdit(beam), "editSpectrumFile");
    btnBrowse = Named(new QPushButton(QStringLiteral("..."), beam), "btnBrowse");
    btnBrowse->setFixedWidth(32);
    comboEnergyUnit = Named(new QComboBox(beam), "comboEnergyUnit");
    comboEnergyUnit->addItem(QStringLiteral("as the file's header says"));
    for (const auto &unit : kEnergyUnits) {
        if (unit)
            comboEnergyUnit->addItem(QString::fromLatin1(pheltra::EnergyUnitName(*unit)));
    }
    cbPerBin = Named(new QCheckBox(QStringLiteral("Fluence per bin (not per keV)"), beam), "cbPerBin");
    auto *beamLayout = new QGridLayout(beam);
    beamLayout->addWidget(rbTubeVoltage, 0, 0);
    beamLayout->addWidget(neKv, 0, 1, Qt::AlignLeft);
    beamLayout->addWidget(new QLabel(QStringLiteral("30 to 140 kV, TASMIP (tungsten anode)"), beam), 0, 2, 1, 2);
    beamLayout->addWidget(rbSpectrumFile, 1, 0);
    beamLayout->addWidget(editSpectrumFile, 1, 1, 1, 2);
    beamLayout->addWidget(btnBrowse, 1, 3);
    beamLayout->addWidget(new QLabel(QStringLiteral("Energy unit:"), beam), 2, 0);
    beamLayout->addWidget(comboEnergyUnit, 2, 1, 1, 2, Qt::AlignLeft);
    beamLayout->addWidget(cbPerBin, 3, 1, 1, 3);

    Filters =
        Named(new TLayerList(QStringLiteral("Filters:"), library_, *layerDialog_, pheltra::ThicknessUnit::Mm, this),
              "Filters");

    auto *quality = Named(new QGroupBox(QStringLiteral("Beam quality:"), this), "grpQuality");
    comboDataSource = Named(new QComboBox(quality), "comboDataSource");
    comboDataSource->addItems(DataSourceTexts());
    editHvlMaterial = MaterialEdit(quality, "editHvlMaterial", pheltra::kAluminiumName);
    editMedium = MaterialEdit(quality, "editMedium", pheltra::kWaterName);
    btnHvlMaterial = Named(new QPushButton(QStringLiteral("..."), quality), "btnHvlMaterial");
    btnMedium = Named(new QPushButton(QStringLiteral("..."), quality), "btnMedium");
    btnHvlMaterial->setFixedWidth(32);
    btnMedium->setFixedWidth(32);
    auto *qualityLayout = new QGridLayout(quality);
    qualityLayout->addWidget(new QLabel(QStringLiteral("HVL material:"), quality), 0, 0);
    qualityLayout->addWidget(editHvlMaterial, 0, 1);
    qualityLayout->addWidget(btnHvlMaterial, 0, 2);
    qualityLayout->addWidget(new QLabel(QStringLiteral("Medium for \u00b5en/\u03c1:"), quality), 1, 0);
    qualityLayout->addWidget(editMedium, 1, 1);
    qualityLayout->addWidget(btnMedium, 1, 2);
    qualityLayout->addWidget(new QLabel(QStringLiteral("Data source:"), quality), 2, 0);
    qualityLayout->addWidget(comboDataSource, 2, 1, 1, 2);

    lblRefusal = RefusalLabel(this);
    ResultGrid = ResultRowsGrid(this, 9);
    ResultGrid->setFixedHeight(ResultGrid->rowHeight(0) * 10 + 2 * ResultGrid->frameWidth());
    BeamGraph = Named(new TVexplot(this), "BeamGraph");
    ConfigureToolGraph(*BeamGraph, look_, QStringLiteral("photon energy, keV"), QStringLiteral("fluence per keV"),
                       false);
    BeamGraph->SetBuffered(true);
    BeamGraph->setMinimumSize(520, 360);
    BeamGraph->OnPointAt = [this](std::optional<QPoint> at) { ShowReadout(at); };

    auto *inputs = new QVBoxLayout;
    inputs->addWidget(beam);
    inputs->addWidget(Filters);
    inputs->addWidget(quality);
    inputs->addStretch();
    auto *results = new QVBoxLayout;
    results->addWidget(lblRefusal);
    results->addWidget(ResultGrid);
    results->addWidget(BeamGraph, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(inputs);
    columns->addLayout(results, 1);
    auto *buttonRow = new QHBoxLayout;
    const TOutputButtons buttons = AddOutputButtons(this, buttonRow);
    btnCopy = buttons.copy;
    btnSave = buttons.save;
    btnPrint = buttons.print;
    btnHelp = buttons.help;
    btnClose = buttons.close;
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttonRow);
    resize(1080, 640);

    const auto recompute = [this] { Recompute(); };
    connect(rbTubeVoltage, &QRadioButton::toggled, this, recompute);
    connect(neKv, &QLineEdit::textChanged, this, recompute);
    connect(editSpectrumFile, &QLineEdit::textChanged, this, [this] {
        if (!loading_)
            rbSpectrumFile->setChecked(true);
        Recompute();
    });
    connect(comboEnergyUnit, &QComboBox::currentIndexChanged, this, recompute);
    connect(cbPerBin, &QCheckBox::toggled, this, recompute);
    connect(Filters, &TLayerList::changed, this, recompute);
    connect(comboDataSource, &QComboBox::currentIndexChanged, this, recompute);
    connect(btnBrowse, &QPushButton::clicked, this, [this] {
        const QString file = ChooseSpectrumFile(this);
        if (!file.isEmpty())
            editSpectrumFile->setText(file);
    });
    connect(btnHvlMaterial, &QPushButton::clicked, this, [this] { ChooseMaterial(editHvlMaterial); });
    connect(btnMedium, &QPushButton::clicked, this, [this] { ChooseMaterial(editMedium); });
    connect(btnCopy, &QPushButton::clicked, this, &TXrayBeamForm::btnCopyClick);
    connect(btnSave, &QPushButton::clicked, this, &TXrayBeamForm::btnSaveClick);
    connect(btnPrint, &QPushButton::clicked, this, &TXrayBeamForm::btnPrintClick);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { Help::ShowTopic(this, QString::fromLatin1(Help::kTopicXrayBeam)); });
}

void TXrayBeamForm::ShowWindow()
{
    ShowToolWindow(this);
    PlotSpectra();
}

pheltra::BeamInputs TXrayBeamForm::Inputs() const
{
    pheltra::BeamInputs inputs;
    inputs.fromFile = rbSpectrumFile->isChecked();
    inputs.kv = FieldNumber(neKv);
    inputs.spectrumFile = editSpectrumFile->text().trimmed();
    inputs.fileOptions.energyUnit = kEnergyUnits[std::max(0, comboEnergyUnit->currentIndex())];
    inputs.fileOptions.perBin = cbPerBin->isChecked();
    inputs.filters = Filters->Layers();
    inputs.hvlMaterial = {editHvlMaterial->text()};
    inputs.medium = {editMedium->text()};
    inputs.dataSource = std::max(0, comboDataSource->currentIndex());
    return inputs;
}

void TXrayBeamForm::SetInputs(const pheltra::BeamInputs &inputs)
{
    loading_ = true;
    (inputs.fromFile ? rbSpectrumFile : rbTubeVoltage)->setChecked(true);
    neKv->SetValue(static_cast<long double>(inputs.kv));
    editSpectrumFile->setText(inputs.spectrumFile);
    const auto unit = std::find(std::begin(kEnergyUnits), std::end(kEnergyUnits), inputs.fileOptions.energyUnit);
    comboEnergyUnit->setCurrentIndex(int(unit - std::begin(kEnergyUnits)));
    cbPerBin->setChecked(inputs.fileOptions.perBin);
    editHvlMaterial->setText(inputs.hvlMaterial.text);
    editMedium->setText(inputs.medium.text);
    comboDataSource->setCurrentIndex(inputs.dataSource);
    Filters->SetLayers(inputs.filters);
    loading_ = false;
    Recompute();
}

void TXrayBeamForm::Recompute()
{
    if (loading_)
        return;
    outcome_ = pheltra::ComputeBeam(Inputs(), library_);
    ShowOutcome();
    emit beamChanged();
}

void TXrayBeamForm::ShowOutcome()
{
    lblRefusal->setText(outcome_.refusal);
    ShowResultRows(*ResultGrid, outcome_.ok() ? pheltra::BeamSummary(outcome_) : std::vector<pheltra::ResultRow>{});
    for (QPushButton *button : {btnCopy, btnSave, btnPrint})
        button->setEnabled(outcome_.ok());
    PlotSpectra();
}

void TXrayBeamForm::PlotSpectra()
{
    std::vector<TToolCurve> curves;
    if (outcome_.ok()) {
        const pheltra::Spectrum &before = outcome_.beam->unfiltered;
        const pheltra::Spectrum &after = outcome_.beam->filtered;
        BeamGraph->YAxis().SetCaption(after.IsPerMAsAt1m() ? QStringLiteral("fluence per keV, 1/(mm\u00b2 mAs) at 1 m")
                                                           : QStringLiteral("fluence per keV (the file's units)"));
        curves.push_back({QStringLiteral(" before the filters"), kUnfilteredColour, before.Energies(),
                          pheltra::FluencePerKeV(before)});
        curves.push_back(
            {QStringLiteral(" behind the filters"), kFilteredColour, after.Energies(), pheltra::FluencePerKeV(after)});
    }
    PlotToolCurves(*BeamGraph, curves, std::nullopt);
    if (isVisible()) {
        try {
            BeamGraph->Paint();
        } catch (const std::exception &) {
            // A scale fault leaves the graph as it was drawn; the figures stand.
        }
    }
}

void TXrayBeamForm::ShowReadout(std::optional<QPoint> at)
{
    if (!at || !outcome_.ok()) {
        BeamGraph->SetReadout(QString(), {});
        return;
    }
    const double energy = BeamGraph->ScreenXAt(at->x());
    const pheltra::Spectrum &after = outcome_.beam->filtered;
    const std::vector<double> &energies = after.Energies();
    const auto nearest = std::min_element(energies.begin(), energies.end(), [energy](double a, double b) {
        return std::abs(a - energy) < std::abs(b - energy);
    });
    const std::size_t bin = std::size_t(nearest - energies.begin());
    const std::vector<double> before = pheltra::FluencePerKeV(outcome_.beam->unfiltered);
    const std::vector<double> behind = pheltra::FluencePerKeV(after);
    BeamGraph->SetReadout(pheltra::ShownValue(energies[bin]) + QStringLiteral(" keV"),
                          {{kUnfilteredColour, QStringLiteral("before"), pheltra::ShownValue(before[bin])},
                           {kFilteredColour, QStringLiteral("behind"), pheltra::ShownValue(behind[bin])}});
}

void TXrayBeamForm::ChooseMaterial(QLineEdit *edit)
{
    absorberDialog_.SetLibrary(&library_);
    absorberDialog_.SetAbsorberName(edit->text());
    absorberDialog_.SetRelWeight(1.0L);
    if (!absorberDialog_.Execute())
        return;
    edit->setText(absorberDialog_.AbsorberName());
    Recompute();
}

void TXrayBeamForm::btnCopyClick()
{
    CopyLines(pheltra::BeamCopyLines(outcome_));
}

void TXrayBeamForm::btnSaveClick()
{
    SaveReportLines(
        this, QStringLiteral("Saving the X-ray beam ..."),
        pheltra::BeamReportLines(Inputs(), outcome_, pheltra::ReportMedium::File, QDateTime::currentDateTime()));
}

void TXrayBeamForm::btnPrintClick()
{
    PrintReportAndGraph(
        this, printer_,
        pheltra::BeamReportLines(Inputs(), outcome_, pheltra::ReportMedium::Paper, QDateTime::currentDateTime()),
        *BeamGraph, kCaption);
}
