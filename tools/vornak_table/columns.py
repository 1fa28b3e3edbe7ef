"""The table's columns, in stored order, and which of them are totals."""

COLUMNS = ("energy", "mu", "mu_pe", "mu_rayleigh", "mu_compton", "mu_pair", "mu_triplet",
           "tr", "tr_pe", "tr_compton", "tr_pair", "en", "en_pe", "en_compton", "en_pair")

# Each total is the sum of its parts.
TOTALS = {"mu": ("mu_pe", "mu_rayleigh", "mu_compton", "mu_pair", "mu_triplet"),
          "tr": ("tr_pe", "tr_compton", "tr_pair"),
          "en": ("en_pe", "en_compton", "en_pair")}
