# Empty dependencies file for skylet.
# This may be replaced when dependencies are built.
