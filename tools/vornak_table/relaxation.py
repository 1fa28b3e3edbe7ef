"""Atomic relaxation: the fluorescence energy a vacancy sends out of the atom.

X_s is the mean energy carried away by fluorescence photons per initial
vacancy in subshell s, following the whole EADL cascade: a radiative
transition to shell t emits B_s - B_t and leaves a vacancy in t; an Auger or
Coster-Kronig transition leaves two vacancies that relax in turn. Shells the
file gives no transitions for (the outermost ones) are filled from the
valence band with no photon of note.
"""

# ENDF/EADL subshell designators of the relaxation file, by shell name.
DESIGNATORS = {"K": 1, "L1": 3, "L2": 5, "L3": 6, "M1": 8, "M2": 10, "M3": 11,
               "M4": 13, "M5": 14, "N1": 16, "N2": 18, "N3": 19, "N4": 21,
               "N5": 22, "N6": 24, "N7": 25, "O1": 27, "O2": 29, "O3": 30,
               "O4": 32, "O5": 33, "O6": 35, "O7": 36, "O8": 37, "O9": 38,
               "P1": 41, "P2": 43, "P3": 44, "P4": 46, "P5": 47, "P6": 49,
               "P7": 50, "P8": 51, "P9": 52, "P10": 53, "P11": 54,
               "Q1": 58, "Q2": 60, "Q3": 61}
SHELL_NAMES = {d: name for name, d in DESIGNATORS.items()}

# Electrons a full subshell holds (2j + 1), by the orbital of its name:
# s1/2, p1/2, p3/2, d3/2, d5/2, f5/2, f7/2, g7/2, g9/2 in order within a shell.
_CAPACITY_BY_ORDER = (2, 2, 4, 4, 6, 6, 8, 8, 10, 10, 12)


def capacity(shell):
    if shell == "K":
        return 2
    return _CAPACITY_BY_ORDER[int(shell[1:]) - 1]


class Atom:
    """Shells of one element with binding energies (keV), occupancies and X_s (keV)."""

    def __init__(self, z, shells):
        self.z = z
        self.names = [SHELL_NAMES[d] for d, _, _ in shells]
        self.binding = {SHELL_NAMES[d]: 1000.0 * b for d, b, _ in shells}
        self.fluorescence = self._cascade(shells)
        self.occupancy = self._fill()

    def _cascade(self, shells):
        n = len(shells)
        x = [0.0] * (n + 1)          # 1-based like the file's shell numbers
        binding = [0.0] + [1000.0 * b for _, b, _ in shells]
        # Every transition moves vacancies to outer shells (larger numbers),
        # so working inwards from the outermost shell sees each X once.
        for i in range(n, 0, -1):
            total = 0.0
            for code, prob in shells[i - 1][2]:
                if code < 64:
                    t = code + 1
                    assert t > i, (self.z, i, code)
                    total += prob * (binding[i] - binding[t] + x[t])
                else:
                    m = code + 65
                    a, b = m // 64, m % 64
                    assert a > i and b > i, (self.z, i, code)
                    total += prob * (x[a] + x[b])
            x[i] = total
        return {self.names[i - 1]: x[i] for i in range(1, n + 1)}

    def _fill(self):
        # Inner shells are full; only the outermost, weakly bound shells can be
        # partly filled, and those emit no fluorescence worth counting.
        left = self.z
        occupancy = {}
        for name in self.names:
            occupancy[name] = min(capacity(name), left)
            left -= occupancy[name]
        assert left == 0, self.z
        return occupancy
