#include "app/tools/tool_reports.h"

#include "absorber/material/number_text.h"
#include "pheltra_version.h"

namespace pheltra {

namespace {

const QString kBlank;

QStringList Header(const QString &title, const QDateTime &now, const QLocale &locale)
{
    return {QStringLiteral("Pheltra %1 - %2").arg(QString::fromLatin1(kPheltraVersion), title),
            locale.toString(now, QLocale::ShortFormat), kBlank};
}

// Copy's tab-separated text, or a report's aligned columns.
struct Layout
{
    bool aligned;
    bool curve;
    int tableDigits; // 0: full precision

    QStringList Rows(const std::vector<ResultRow> &rows) const
    {
        return aligned ? AlignedRows(rows) : TabSeparatedRows(rows);
    }
    QStringList Table(const QStringList &header, const std::vector<std::vector<double>> &rows) const
    {
        return QStringList{kBlank} +
            (aligned ? AlignedTable(header, rows, tableDigits) : TabSeparatedTable(header, rows));
    }
    QString Labelled(const QString &label, const QString &text) const
    {
        return label + (aligned ? QStringLiteral(": ") : QStringLiteral("\t")) + text;
    }
};

constexpr Layout kCopyLayout{false, true, 0};
constexpr int kPaperDigits = 4;

Layout ReportLayout(ReportMedium medium)
{
    return medium == ReportMedium::File ? Layout{true, true, 0} : Layout{true, false, kPaperDigits};
}

QStringList BeamBody(const BeamOutcome &outcome, const Layout &layout)
{
    QStringList lines = layout.Rows(BeamSummary(outcome));
    if (!layout.curve)
        return lines;
    const Spectrum &before = outcome.beam->unfiltered;
    const Spectrum &after = outcome.beam->filtered;
    const std::vector<double> perKeVBefore = FluencePerKeV(before);
    const std::vector<double> perKeVAfter = FluencePerKeV(after);
    std::vector<std::vector<double>> rows;
    for (std::size_t i = 0; i < after.Size(); ++i)
        rows.push_back({after.Energies()[i], perKeVBefore[i], perKeVAfter[i], after.Fluence()[i]});
    return lines +
        layout.Table({QStringLiteral("energy_keV"), QStringLiteral("fluence_per_keV_unfiltered"),
                      QStringLiteral("fluence_per_keV_filtered"), QStringLiteral("fluence_per_bin_filtered")},
                     rows);
}

QStringList ShieldingBody(const ShieldingOutcome &outcome, const Layout &layout)
{
    QStringList lines = layout.Rows(ShieldingSummary(outcome));
    lines << layout.Labelled(QStringLiteral("Build-up from"), outcome.basis);
    for (const QString &note : outcome.notes)
        lines << layout.Labelled(QStringLiteral("Note"), note);
    lines += layout.Table(ShieldingLineHeader(), ShieldingLineRows(outcome));
    if (!layout.curve)
        return lines;
    std::vector<std::vector<double>> curve;
    for (const CurvePoint &point : outcome.curve)
        curve.push_back({point.thicknessCm, point.narrowBeam, point.broadBeam});
    return lines +
        layout.Table({QStringLiteral("last_layer_cm"), QStringLiteral("narrow_beam"), QStringLiteral("broad_beam")},
                     curve);
}

QString TargetText(const ShieldingInputs &inputs)
{
    switch (inputs.target) {
    case ShieldTarget::None:
        break;
    case ShieldTarget::Transmission:
        return QStringLiteral("Target: a broad-beam transmission of %1").arg(ShortestText(inputs.targetValue));
    case ShieldTarget::AirKermaRate:
        return QStringLiteral("Target: an air-kerma rate of %1 uGy/h").arg(ShortestText(inputs.targetValue));
    }
    return QString();
}

QString ResponseText(BuildupResponse response)
{
    return response == BuildupResponse::kExposure ? QStringLiteral("exposure (air kerma)")
                                                  : QStringLiteral("energy absorption (kerma in the last layer)");
}

} // namespace

std::vector<ResultRow> BeamSummary(const BeamOutcome &outcome)
{
    const BeamQuality &q = outcome.quality;
    const QString mm = QStringLiteral("mm");
    const QString keV = QStringLiteral("keV");
    return {{QStringLiteral("First HVL"), q.hvl1Mm, mm},
            {QStringLiteral("Quarter-value layer"), q.qvlMm, mm},
            {QStringLiteral("Second HVL"), q.hvl2Mm, mm},
            {QStringLiteral("Homogeneity coefficient"), q.homogeneity, QString()},
            {QStringLiteral("Mean energy (fluence)"), q.meanEnergyKeV, keV},
            {QStringLiteral("Mean energy (air kerma)"), q.kermaMeanEnergyKeV, keV},
            {QStringLiteral("Effective energy"), q.effectiveEnergyKeV, keV},
            {QStringLiteral("Air kerma per mAs at 1 m"),
             q.airKermaUGyPerMAsAt1m.value_or(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("\u00b5Gy")},
            {QStringLiteral("(\u00b5en/\u03c1) medium/air"), q.muEnRatio, QString()}};
}

std::vector<double> FluencePerKeV(const Spectrum &spectrum)
{
    const std::vector<double> &e = spectrum.Energies();
    const std::size_t n = e.size();
    std::vector<double> perKeV(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double low = i > 0 ? (e[i] - e[i - 1]) / 2 : (n > 1 ? (e[1] - e[0]) / 2 : 0.5);
        const double high = i + 1 < n ? (e[i + 1] - e[i]) / 2 : low;
        perKeV[i] = spectrum.Fluence()[i] / (low + high);
    }
    return perKeV;
}

QStringList BeamCopyLines(const BeamOutcome &outcome)
{
    return outcome.ok() ? BeamBody(outcome, kCopyLayout) : QStringList{outcome.refusal};
}

QStringList BeamReportLines(const BeamInputs &inputs, const BeamOutcome &outcome, ReportMedium medium,
                            const QDateTime &now, const QLocale &locale)
{
    QStringList lines = Header(QStringLiteral("X-ray beam"), now, locale);
    lines << QStringLiteral("Beam: ") + BeamDescription(inputs)
          << QStringLiteral("HVL material: ") + ChoiceText(inputs.hvlMaterial)
          << QStringLiteral("Medium: ") + ChoiceText(inputs.medium)
          << QStringLiteral("Data source: %1").arg(QString::fromLatin1(DataSourceAt(inputs.dataSource).letter))
          << kBlank;
    return lines + (outcome.ok() ? BeamBody(outcome, ReportLayout(medium)) : QStringList{outcome.refusal});
}

QStringList ShieldingCopyLines(const ShieldingOutcome &outcome)
{
    return outcome.ok() ? ShieldingBody(outcome, kCopyLayout) : QStringList{outcome.refusal};
}

QStringList ShieldingReportLines(const ShieldingInputs &inputs, const ShieldingOutcome &outcome, ReportMedium medium,
                                 const QDateTime &now, const QLocale &locale)
{
    QStringList lines = Header(QStringLiteral("Shielding"), now, locale);
    lines << QStringLiteral("Point isotropic source, broad beam with the build-up factors of ANSI/ANS-6.4.3");
    if (outcome.ok())
        lines << QStringLiteral("Source: ") + outcome.sourceText;
    if (inputs.activityGBq > 0.0 && inputs.distanceM > 0.0)
        lines << QStringLiteral("Activity %1 GBq at %2 m (in vacuum)")
                     .arg(ShortestText(inputs.activityGBq), ShortestText(inputs.distanceM));
    lines << QStringLiteral("Layers from the source outwards: ") + LayersText(inputs.layers)
          << QStringLiteral("Response: ") + ResponseText(inputs.response)
          << QStringLiteral("Build-up material: ") +
            (inputs.buildupMaterial.isEmpty() ? QStringLiteral("the last layer's") : inputs.buildupMaterial)
          << kBlank;
    if (inputs.target != ShieldTarget::None)
        lines.insert(lines.size() - 1, TargetText(inputs));
    return lines + (outcome.ok() ? ShieldingBody(outcome, ReportLayout(medium)) : QStringList{outcome.refusal});
}

QString LayersText(const std::vector<LayerChoice> &layers)
{
    QStringList texts;
    for (const LayerChoice &layer : layers) {
        QString text = ChoiceText(layer.material);
        if (layer.material.density > 0.0)
            text += QStringLiteral(" (%1 g/cm3)").arg(ShortestText(layer.material.density));
        texts << text + QLatin1Char(' ') + ThicknessText(layer.thickness);
    }
    return texts.isEmpty() ? QStringLiteral("none") : texts.join(QStringLiteral("; "));
}

} // namespace pheltra
