"""Klein-Nishina recoil-electron spectrum, integrated over parts of its range.

With photon energy k and scattered energy u (both in units of m c^2) the
collision density is proportional to

    f(u) = k/u + u/k - 2c + c^2,   c = 1/u - 1/k,   k/(1 + 2k) <= u <= k,

and the recoil electron gets T = k - u. The integrals are taken over ln u,
where f(u) u is smooth even at the highest energies of the table.
"""

import numpy as np

from .electrons import ELECTRON_MASS

_NODES, _WEIGHTS = np.polynomial.legendre.leggauss(96)


def _spectrum(k, u):
    c = 1.0 / u - 1.0 / k
    return k / u + u / k - 2.0 * c + c * c


def _integral(k, u_lo, u_hi, weight_of_t):
    """Integral of f(u) * weight(T) du over [u_lo, u_hi], one k per row."""
    a, b = np.log(u_lo)[:, None], np.log(u_hi)[:, None]
    ln_u = 0.5 * (b - a) * _NODES[None, :] + 0.5 * (b + a)
    u = np.exp(ln_u)
    kk = k[:, None]
    integrand = _spectrum(kk, u) * u * weight_of_t((kk - u) * ELECTRON_MASS * 1e3)
    return 0.5 * (b - a)[:, 0] * (integrand @ _WEIGHTS)


def _limits(e_kev):
    k = np.asarray(e_kev, dtype=float) / (ELECTRON_MASS * 1e3)
    return k, k / (1.0 + 2.0 * k)


def fraction_above(e_kev, binding_kev):
    """Share of the collisions in which the recoil electron gets more than B."""
    k, u_min = _limits(e_kev)
    u_cut = k - binding_kev / (ELECTRON_MASS * 1e3)
    open_ = u_cut > u_min
    out = np.zeros_like(k)
    if np.any(open_):
        ones = lambda t: np.ones_like(t)
        kk, lo = k[open_], u_min[open_]
        out[open_] = _integral(kk, lo, u_cut[open_], ones) / _integral(kk, lo, kk, ones)
    return out


def radiated_fraction(e_kev, radiation_yield):
    """g of Compton scattering: the recoil energy the electrons radiate, over the recoil energy."""
    k, u_min = _limits(e_kev)
    spent = _integral(k, u_min, k, lambda t: t * radiation_yield(t))
    given = _integral(k, u_min, k, lambda t: t)
    return spent / given
