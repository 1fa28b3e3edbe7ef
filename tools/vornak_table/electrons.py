"""Slowing-down of the secondary electrons and positrons in one element.

The radiation yield Y(T) is the fraction of an electron's initial kinetic
energy T that it sends out again as photons while slowing down to rest
(continuous slowing-down approximation):

    Y(T) = (1/T) * Integral_0^T (S_rad + S_F) / S_tot dT'

with S_rad the Seltzer-Berger radiative stopping power, S_col the Bethe
collision stopping power (ICRU 37 I-value and density-effect correction)
and S_F the part of S_col that leaves as fluorescence after electron-impact
ionisation of the K and L subshells. A positron also loses the kinetic
energy it still has when it annihilates in flight (Heitler cross section).
"""

import math

import numpy as np

ELECTRON_MASS = 0.51099895            # MeV
CLASSICAL_RADIUS = 2.8179403262e-13   # cm
AVOGADRO = 6.02214076e23
# 2 pi r_e^2 m c^2 N_A, MeV cm2/mol: the Bethe formula's prefactor.
BETHE_K = 2.0 * math.pi * CLASSICAL_RADIUS ** 2 * ELECTRON_MASS * AVOGADRO

# The grid on which Y and the in-flight annihilation are integrated: from the
# 1 keV where the stopping-power tables start to well above the highest
# photon energy of the table, 400 points a decade.
T_LOW = 1e-3
T_HIGH = 300.0
POINTS_PER_DECADE = 400


def beta_squared(t):
    tau = t / ELECTRON_MASS
    return tau * (tau + 2.0) / (tau + 1.0) ** 2


def cumulative_trapezoid(y, x):
    out = np.zeros_like(y)
    out[1:] = np.cumsum(0.5 * (y[1:] + y[:-1]) * np.diff(x))
    return out


class ElectronSlowing:
    """Radiation yield and in-flight annihilation of element Z (energies in keV outside)."""

    def __init__(self, z, weight, atom, raw):
        self.z = z
        decades = math.log10(T_HIGH / T_LOW)
        self.t = T_LOW * 10.0 ** (np.arange(int(round(decades * POINTS_PER_DECADE)) + 1) / POINTS_PER_DECADE)
        per_gram = AVOGADRO / weight
        s_col = self._collision(z, weight, raw.density[z])
        s_rad = self._radiative(z, per_gram, raw)
        s_fluo = self._fluorescence(z, per_gram, atom, raw)
        s_tot = s_col + s_rad
        self.stopping = s_tot
        radiated = (s_rad + s_fluo) / s_tot
        # Below 1 keV the radiated fraction falls to zero with T; take it linear.
        self.yield_ = (0.5 * radiated[0] * self.t[0] + cumulative_trapezoid(radiated, self.t)) / self.t
        self.annihilation = self._in_flight(z * per_gram, s_tot)

    def _collision(self, z, weight, density):
        i_ev, t_delta, delta = density
        tau = self.t / ELECTRON_MASS
        b2 = beta_squared(self.t)
        i_rel = i_ev * 1e-6 / ELECTRON_MASS
        f_minus = 1.0 - b2 + (tau ** 2 / 8.0 - (2.0 * tau + 1.0) * math.log(2.0)) / (tau + 1.0) ** 2
        d = np.interp(np.log(self.t), np.log(t_delta), delta, left=0.0)
        bracket = np.log(tau ** 2 * (tau + 2.0) / (2.0 * i_rel ** 2)) + f_minus - d
        assert np.all(bracket > 0), z
        return BETHE_K * z / weight / b2 * bracket

    def _radiative(self, z, per_gram, raw):
        t_tab, kappa, chi = raw.brems_t, raw.brems_kappa, raw.brems_chi[z]
        phi = np.trapz(chi, kappa, axis=1)          # Integral chi dkappa, mb
        phi_t = np.exp(np.interp(np.log(self.t), np.log(t_tab), np.log(phi)))
        return per_gram * 1e-27 * z * z / beta_squared(self.t) * self.t * phi_t

    def _fluorescence(self, z, per_gram, atom, raw):
        out = np.zeros_like(self.t)
        shells = [s for s in ("K", "L1", "L2", "L3") if atom.binding.get(s, 0.0) > 1.0]
        tables = raw.eii.get(z, [])
        assert len(shells) == len(tables), z
        nbin, emax = raw.eii_nbin, raw.eii_emax
        for shell, sigma in zip(shells, tables):
            u = atom.binding[shell] * 1e-3
            grid = u * (emax / u) ** (np.arange(nbin) / nbin)
            inside = self.t >= u
            barn = np.interp(np.log(self.t[inside]), np.log(grid), sigma)
            out[inside] += per_gram * barn * 1e-24 * atom.fluorescence[shell] * 1e-3
        return out

    def _in_flight(self, electrons_per_gram, s_tot):
        gamma = 1.0 + self.t / ELECTRON_MASS
        root = np.sqrt(gamma ** 2 - 1.0)
        heitler = math.pi * CLASSICAL_RADIUS ** 2 / (gamma + 1.0) * (
            (gamma ** 2 + 4.0 * gamma + 1.0) / (gamma ** 2 - 1.0) * np.log(gamma + root)
            - (gamma + 3.0) / root)
        rate = electrons_per_gram * heitler / s_tot          # annihilations per MeV lost
        depth = cumulative_trapezoid(rate, self.t)
        # A positron started at T0 reaches T with probability exp(-(depth(T0) - depth(T)))
        # and, annihilating there, gives its kinetic energy T to the photons.
        carried = cumulative_trapezoid(self.t * rate * np.exp(depth - depth[-1]), self.t)
        return carried * np.exp(depth[-1] - depth) / self.t

    def _at(self, values, t_kev):
        t = np.asarray(t_kev, dtype=float) * 1e-3
        assert np.all(t <= T_HIGH)
        inside = np.interp(np.log(np.maximum(t, T_LOW)), np.log(self.t), values)
        return np.where(t >= T_LOW, inside, values[0] * t / T_LOW)

    def radiation_yield(self, t_kev):
        return self._at(self.yield_, t_kev)

    def annihilation_loss(self, t_kev):
        """Fraction of a positron's kinetic energy carried off by annihilation in flight."""
        return self._at(self.annihilation, t_kev)
