# Empty dependencies file for skylet_e2e.
# This may be replaced when dependencies are built.
