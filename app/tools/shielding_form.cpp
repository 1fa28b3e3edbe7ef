#include "app/tools/shielding_form.h"

#include "app/kit/help_system.h"
#include "app/kit/named_widget.h"
#include "app/kit/string_grid.h"
#include "app/tools/layer_dialog.h"
#include "app/tools/layer_list.h"
#include "app/tools/tool_fields.h"
#include "app/tools/tool_graph.h"
#include "app/tools/tool_grid.h"
#include "app/tools/tool_output.h"
#include "app/tools/tool_reports.h"
#include "app/tools/tool_window_kit.h"
#include "app/tools/xray_beam_form.h"
#include "controls/num_edit.h"
#include "graph/vexplot.h"
#include "shielding/standard_materials.h"
#include "sources/nuclide.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using pheltra::controls::TNumEdit;

namespace {

const QString kCaption = QStringLiteral("Shielding");
const QColor kNarrowColour{0, 0x80, 0};
const QColor kBroadColour{0xC0, 0, 0};
constexpr int kGbqUnit = 3; // the activity list's GBq
constexpr int kLineRows = 8;
const char kDefaultNuclide[] = "Cs-137";
constexpr double kDefaultLeadCm = 5.0;
constexpr int kInputWidth = 440;

QString Name(std::string_view name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

TShieldingForm::TShieldingForm(const CompoundLibrary &library, TCmpMixDlg &absorberDialog, TXrayBeamForm &beamWindow,
                               QPrinter &printer, TGraphLook look, QWidget *parent)
    : QDialog(parent),
      library_(library),
      beamWindow_(beamWindow),
      printer_(printer),
      look_(look),
      layerDialog_(new TLayerDlg(library, absorberDialog, QString::fromLatin1(Help::kTopicShielding), this))
{
    setObjectName(QStringLiteral("ShieldingForm"));
    setWindowTitle(kCaption);
    setModal(false);
    BuildControls();

    pheltra::ShieldingInputs defaults;
    defaults.sourceKind = pheltra::ShieldSourceKind::Nuclide;
    defaults.energyKeV = 661.657;
    defaults.nuclide = QString::fromLatin1(kDefaultNuclide);
    defaults.layers = {{{QStringLiteral("Lead")}, {kDefaultLeadCm, pheltra::ThicknessUnit::Cm}}};
    SetInputs(defaults);
}

QWidget *TShieldingForm::BuildSource()
{
    auto *source = Named(new QGroupBox(QStringLiteral("Source:"), this), "grpSource");
    rbEnergy = Named(new QRadioButton(QStringLiteral("Photon energy (keV):"), source), "rbEnergy");
    neEnergy = NumberField(source, "neEnergy", QStringLiteral("0.000;-0.000"), 0.0L, 1e6L);
    rbNuclide = Named(new QRadioButton(QStringLiteral("Nuclide:"), source), "rbNuclide");
    comboNuclide = Named(new QComboBox(source), "comboNuclide");
    for (const std::string &name : pheltra::NuclideNames())
        comboNuclide->addItem(QString::fromStdString(name));
    rbBeam = Named(new QRadioButton(QStringLiteral("X-ray beam:"), source), "rbBeam");
    lblBeam = Named(new QLabel(source), "lblBeam");
    lblBeam->setWordWrap(true);
    btnBeamWindow = Named(new QPushButton(QStringLiteral("X-ray Beam..."), source), "btnBeamWindow");

    NuclideLineGrid = Named(new StringGrid(kLineRows + 1, 4, source), "NuclideLineGrid");
    NuclideLineGrid->SetHeaders(
        {QStringLiteral("#"), QStringLiteral("keV"), QStringLiteral("Yield"), QStringLiteral("Kind")});
    NuclideLineGrid->NumberRows();
    ConfigureToolGrid(*NuclideLineGrid, {1, 2},
                      {QStringLiteral(" 27:"), QStringLiteral(" 1332.492 "), QStringLiteral(" 0.99985 "), QString()});
    NuclideLineGrid->SetFillColumn(3, 4);
    NuclideLineGrid->setFixedHeight(NuclideLineGrid->rowHeight(0) * 5 + 2 * NuclideLineGrid->frameWidth());
    NuclideLineGrid->setFocusPolicy(Qt::ClickFocus);

    neActivity = NumberField(source, "neActivity", QStringLiteral("0.000;-0.000"), 0.0L, 1e15L);
    comboActivityUnit = Named(new QComboBox(source), "comboActivityUnit");
    for (const pheltra::UnitFactor &unit : pheltra::kActivityUnits)
        comboActivityUnit->addItem(QString::fromLatin1(unit.name));
    neDistance = NumberField(source, "neDistance", QStringLiteral("0.000;-0.000"), 0.0L, 1e6L);

    auto *layout = new QGridLayout(source);
    layout->addWidget(rbEnergy, 0, 0);
    layout->addWidget(neEnergy, 0, 1, Qt::AlignLeft);
    layout->addWidget(rbNuclide, 1, 0);
    layout->addWidget(comboNuclide, 1, 1, Qt::AlignLeft);
    layout->addWidget(NuclideLineGrid, 2, 0, 1, 3);
    layout->addWidget(rbBeam, 3, 0);
    layout->addWidget(lblBeam, 3, 1);
    layout->addWidget(btnBeamWindow, 3, 2);
    auto *activity = new QHBoxLayout;
    activity->addWidget(neActivity);
    activity->addWidget(comboActivityUnit);
    activity->addSpacing(12);
    activity->addWidget(new QLabel(QStringLiteral("Distance (m):"), source));
    activity->addWidget(neDistance);
    activity->addStretch();
    layout->addWidget(new QLabel(QStringLiteral("Activity:"), source), 4, 0);
    layout->addLayout(activity, 4, 1, 1, 2);
    layout->setColumnStretch(1, 1);
    return source;
}

QWidget *TShieldingForm::BuildShieldOptions()
{
    auto *options = Named(new QGroupBox(QStringLiteral("Build-up and target:"), this), "grpOptions");
    comboResponse = Named(new QComboBox(options), "comboResponse");
    comboResponse->addItems({QStringLiteral("exposure (air kerma)"), QStringLiteral("energy absorption")});
    comboBuildup = Named(new QComboBox(options), "comboBuildup");
    comboBuildup->addItem(QStringLiteral("automatic (the last layer's)"));
    for (const pheltra::StandardMaterial &material : pheltra::StandardMaterials())
        comboBuildup->addItem(Name(material.name));
    comboTarget = Named(new QComboBox(options), "comboTarget");
    comboTarget->addItems({QStringLiteral("(none)"), QStringLiteral("broad-beam transmission"),
                           QStringLiteral("air-kerma rate (\u00b5Gy/h)")});
    neTarget = NumberField(options, "neTarget", QStringLiteral("0.000000;-0.000000"), 0.0L, 1e15L);
    auto *layout = new QGridLayout(options);
    layout->addWidget(new QLabel(QStringLiteral("Response:"), options), 0, 0);
    layout->addWidget(comboResponse, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Build-up material:"), options), 1, 0);
    layout->addWidget(comboBuildup, 1, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Target:"), options), 2, 0);
    layout->addWidget(comboTarget, 2, 1);
    layout->addWidget(neTarget, 2, 2);
    return options;
}

void TShieldingForm::BuildControls()
{
    Layers = Named(new TLayerList(QStringLiteral("Shield (from the source outwards):"), library_, *layerDialog_,
                                  pheltra::ThicknessUnit::Cm, this),
                   "Layers");
    lblRefusal = RefusalLabel(this);
    ResultGrid = ResultRowsGrid(this, 12);
    ResultGrid->setFixedHeight(ResultGrid->rowHeight(0) * 13 + 2 * ResultGrid->frameWidth());
    LineResultGrid = Named(new StringGrid(2, 7, this), "LineResultGrid");
    LineResultGrid->SetHeaders({QStringLiteral("keV"), QStringLiteral("Yield"), QStringLiteral("Share"),
                                QStringLiteral("mfp"), QStringLiteral("Narrow"), QStringLiteral("B"),
                                QStringLiteral("Broad")});
    ConfigureToolGrid(*LineResultGrid, {0, 1, 2, 3, 4, 5, 6},
                      {QStringLiteral(" 1332.5 "), QStringLiteral(" 0.0001234 "), QStringLiteral(" 0.0001234 "),
                       QStringLiteral(" 0.0001234 "), QStringLiteral(" 1.234e-100 "), QStringLiteral(" 0.0001234 "),
                       QStringLiteral(" 1.234e-100 ")});
    LineResultGrid->setFixedHeight(LineResultGrid->rowHeight(0) * 6 + 2 * LineResultGrid->frameWidth());
    LineResultGrid->setFocusPolicy(Qt::ClickFocus);
    lblNotes = Named(new QLabel(this), "lblNotes");
    lblNotes->setWordWrap(true);
    lblNotes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ShieldGraph = Named(new TVexplot(this), "ShieldGraph");
    ConfigureToolGraph(*ShieldGraph, look_, QStringLiteral("thickness of the last layer, cm"),
                       QStringLiteral("transmission"), true);
    ShieldGraph->SetBuffered(true);
    ShieldGraph->setMinimumSize(480, 300);
    ShieldGraph->OnPointAt = [this](std::optional<QPoint> at) { ShowReadout(at); };

    auto *inputColumn = new QWidget(this);
    inputColumn->setMaximumWidth(kInputWidth);
    auto *inputs = new QVBoxLayout(inputColumn);
    inputs->setContentsMargins(0, 0, 0, 0);
    inputs->addWidget(BuildSource());
    inputs->addWidget(Layers);
    inputs->addWidget(BuildShieldOptions());
    inputs->addStretch();
    auto *results = new QVBoxLayout;
    results->addWidget(lblRefusal);
    auto *tables = new QHBoxLayout;
    tables->addWidget(ResultGrid);
    auto *lineColumn = new QVBoxLayout;
    lineColumn->addWidget(LineResultGrid);
    lineColumn->addWidget(lblNotes);
    lineColumn->addStretch();
    tables->addLayout(lineColumn, 1);
    results->addLayout(tables);
    results->addWidget(ShieldGraph, 1);
    auto *columns = new QHBoxLayout;
    columns->addWidget(inputColumn);
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
    resize(1280, 760);

    const auto recompute = [this] { Recompute(); };
    for (QRadioButton *button : {rbEnergy, rbNuclide, rbBeam})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                Recompute();
        });
    for (TNumEdit *field : {neEnergy, neActivity, neDistance, neTarget})
        connect(field, &QLineEdit::textChanged, this, recompute);
    connect(neEnergy, &QLineEdit::textEdited, this, [this] { rbEnergy->setChecked(true); });
    connect(comboNuclide, &QComboBox::currentIndexChanged, this, [this] {
        if (!loading_)
            rbNuclide->setChecked(true);
        ShowNuclideLines();
        Recompute();
    });
    for (QComboBox *combo : {comboActivityUnit, comboResponse, comboBuildup, comboTarget})
        connect(combo, &QComboBox::currentIndexChanged, this, recompute);
    connect(Layers, &TLayerList::changed, this, recompute);
    connect(&beamWindow_, &TXrayBeamForm::beamChanged, this, recompute);
    connect(btnBeamWindow, &QPushButton::clicked, &beamWindow_, &TXrayBeamForm::ShowWindow);
    connect(btnCopy, &QPushButton::clicked, this, [this] { CopyLines(pheltra::ShieldingCopyLines(outcome_)); });
    connect(btnSave, &QPushButton::clicked, this, [this] {
        SaveReportLines(this, QStringLiteral("Saving the shielding ..."), ReportLines(pheltra::ReportMedium::File));
    });
    connect(btnPrint, &QPushButton::clicked, this, [this] {
        PrintReportAndGraph(this, printer_, ReportLines(pheltra::ReportMedium::Paper), *ShieldGraph, kCaption);
    });
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { Help::ShowTopic(this, QString::fromLatin1(Help::kTopicShielding)); });
}

void TShieldingForm::ShowWindow()
{
    ShowToolWindow(this);
    PlotCurve();
}

pheltra::ShieldingInputs TShieldingForm::Inputs() const
{
    pheltra::ShieldingInputs inputs;
    inputs.sourceKind = rbEnergy->isChecked() ? pheltra::ShieldSourceKind::Energy
        : rbBeam->isChecked()                 ? pheltra::ShieldSourceKind::Beam
                                              : pheltra::ShieldSourceKind::Nuclide;
    inputs.energyKeV = FieldNumber(neEnergy);
    inputs.nuclide = comboNuclide->currentText();
    const int unit = std::max(0, comboActivityUnit->currentIndex());
    inputs.activityGBq = FieldNumber(neActivity) * pheltra::kActivityUnits[unit].factor;
    inputs.distanceM = FieldNumber(neDistance);
    inputs.layers = Layers->Layers();
    inputs.response = comboResponse->currentIndex() == 1 ? pheltra::BuildupResponse::kEnergyAbsorption
                                                         : pheltra::BuildupResponse::kExposure;
    inputs.buildupMaterial = comboBuildup->currentIndex() > 0 ? comboBuildup->currentText() : QString();
    inputs.target = static_cast<pheltra::ShieldTarget>(std::max(0, comboTarget->currentIndex()));
    inputs.targetValue = FieldNumber(neTarget);
    return inputs;
}

void TShieldingForm::SetInputs(const pheltra::ShieldingInputs &inputs)
{
    loading_ = true;
    switch (inputs.sourceKind) {
    case pheltra::ShieldSourceKind::Energy:
        rbEnergy->setChecked(true);
        break;
    case pheltra::ShieldSourceKind::Nuclide:
        rbNuclide->setChecked(true);
        break;
    case pheltra::ShieldSourceKind::Beam:
        rbBeam->setChecked(true);
        break;
    }
    neEnergy->SetValue(static_cast<long double>(inputs.energyKeV));
    comboNuclide->setCurrentIndex(std::max(0, comboNuclide->findText(inputs.nuclide)));
    comboActivityUnit->setCurrentIndex(kGbqUnit);
    neActivity->SetValue(static_cast<long double>(inputs.activityGBq));
    neDistance->SetValue(static_cast<long double>(inputs.distanceM));
    Layers->SetLayers(inputs.layers);
    comboResponse->setCurrentIndex(inputs.response == pheltra::BuildupResponse::kExposure ? 0 : 1);
    comboBuildup->setCurrentIndex(inputs.buildupMaterial.isEmpty() ? 0
                                                                   : comboBuildup->findText(inputs.buildupMaterial));
    comboTarget->setCurrentIndex(static_cast<int>(inputs.target));
    neTarget->SetValue(static_cast<long double>(inputs.targetValue));
    ShowNuclideLines();
    loading_ = false;
    Recompute();
}

void TShieldingForm::ShowNuclideLines()
{
    std::vector<pheltra::PhotonLine> lines;
    try {
        lines = pheltra::FindNuclide(comboNuclide->currentText().toStdString()).lines;
    } catch (const std::exception &) { }
    const int needed = int(lines.size()) + 1;
    if (NuclideLineGrid->rowCount() < needed) {
        const int first = NuclideLineGrid->AppendRows(needed - NuclideLineGrid->rowCount());
        for (int row = first; row < needed; ++row)
            NuclideLineGrid->SetCell(row, 0, QStringLiteral("%1:").arg(row));
    }
    for (int row = 1; row < NuclideLineGrid->rowCount(); ++row) {
        NuclideLineGrid->ClearRow(row);
        if (row > int(lines.size()))
            continue;
        const pheltra::PhotonLine &line = lines[std::size_t(row - 1)];
        NuclideLineGrid->SetCell(row, 1, QString::number(line.energyKeV, 'f', 3));
        NuclideLineGrid->SetCell(row, 2, pheltra::ShownValue(line.yieldPerDecay));
        NuclideLineGrid->SetCell(row, 3, QString::fromLatin1(pheltra::LineKindName(line.kind)));
    }
}

void TShieldingForm::Recompute()
{
    if (loading_)
        return;
    const pheltra::BeamOutcome &beam = beamWindow_.Outcome();
    lblBeam->setText(pheltra::BeamDescription(beamWindow_.Inputs()));
    outcome_ = pheltra::ComputeShielding(
        Inputs(), library_, beam.ok() ? std::optional<pheltra::Spectrum>(beam.beam->filtered) : std::nullopt,
        beam.refusal);
    ShowOutcome();
}

void TShieldingForm::ShowOutcome()
{
    lblRefusal->setText(outcome_.refusal);
    ShowResultRows(*ResultGrid,
                   outcome_.ok() ? pheltra::ShieldingSummary(outcome_) : std::vector<pheltra::ResultRow>{});
    ShowLineResults();
    QStringList notes;
    if (outcome_.ok())
        notes << QStringLiteral("Build-up from: ") + outcome_.basis;
    notes += outcome_.notes;
    lblNotes->setText(notes.join(QLatin1Char('\n')));
    for (QPushButton *button : {btnCopy, btnSave, btnPrint})
        button->setEnabled(outcome_.ok());
    PlotCurve();
}

void TShieldingForm::ShowLineResults()
{
    const std::vector<std::vector<double>> rows = pheltra::ShieldingLineRows(outcome_);
    LineResultGrid->setRowCount(int(rows.size()) + 1);
    for (int row = 1; row <= int(rows.size()); ++row) {
        const std::vector<double> &values = rows[std::size_t(row - 1)];
        const bool total = row == int(rows.size());
        for (int column = 0; column < int(values.size()); ++column)
            LineResultGrid->SetCell(row, column, pheltra::ShownValue(values[std::size_t(column)]));
        if (total)
            LineResultGrid->SetCell(row, 0, QStringLiteral("total"));
    }
}

void TShieldingForm::PlotCurve()
{
    std::vector<TToolCurve> curves(2);
    curves[0] = {QStringLiteral(" narrow beam"), kNarrowColour, {}, {}};
    curves[1] = {QStringLiteral(" broad beam (build-up)"), kBroadColour, {}, {}};
    for (const pheltra::CurvePoint &point : outcome_.curve) {
        curves[0].x.push_back(point.thicknessCm);
        curves[0].y.push_back(point.narrowBeam);
        curves[1].x.push_back(point.thicknessCm);
        curves[1].y.push_back(point.broadBeam);
    }
    std::optional<double> marker;
    if (outcome_.ok())
        marker = outcome_.setup.layers.back().thicknessCm;
    PlotToolCurves(*ShieldGraph, outcome_.ok() ? curves : std::vector<TToolCurve>{}, marker);
    if (isVisible()) {
        try {
            ShieldGraph->Paint();
        } catch (const std::exception &) {
            // A scale fault leaves the graph as it was drawn; the figures stand.
        }
    }
}

void TShieldingForm::ShowReadout(std::optional<QPoint> at)
{
    if (!at || !outcome_.ok()) {
        ShieldGraph->SetReadout(QString(), {});
        return;
    }
    const double thickness = std::max(0.0, ShieldGraph->ScreenXAt(at->x()));
    const pheltra::ShieldResult result = outcome_.shield->EvaluateWithLastLayer(thickness);
    if (!result.ok()) {
        ShieldGraph->SetReadout(QString::fromStdString(result.refusal), {});
        return;
    }
    ShieldGraph->SetReadout(pheltra::ShownValue(thickness) + QStringLiteral(" cm"),
                            {{kNarrowColour, QStringLiteral("narrow"), pheltra::ShownValue(result.narrowBeam)},
                             {kBroadColour, QStringLiteral("broad"), pheltra::ShownValue(result.broadBeam)},
                             {Qt::black, QStringLiteral("B"), pheltra::ShownValue(result.buildup)}});
}

QStringList TShieldingForm::ReportLines(pheltra::ReportMedium medium) const
{
    return pheltra::ShieldingReportLines(Inputs(), outcome_, medium, QDateTime::currentDateTime());
}
