// Narrow-beam quantities of a slab of material: the linear coefficient from
// the mass coefficient and the density, the mean free path, half- and
// tenth-value layers, the transmission exp(-mu x) of a thickness and the
// thickness that gives a transmission. No build-up: scattered photons that
// still reach a broad-beam detector are not counted.
//
// Every function returns NaN where the program would show "--": a mass
// coefficient or density that is not above 0, or a transmission outside
// (0, 1].
#pragma once

// mu (1/cm) = mu/rho (cm2/g) x rho (g/cm3).
double LinearCoefficient(double massCoefficient, double density);
// 1 / mu, cm.
double MeanFreePath(double linear);
// ln 2 / mu and ln 10 / mu, cm.
double HalfValueLayer(double linear);
double TenthValueLayer(double linear);
// exp(-mu x) for x in cm (x >= 0).
double Transmission(double linear, double thicknessCm);
// -ln(T) / mu, cm, for 0 < T <= 1.
double ThicknessForTransmission(double linear, double transmission);
