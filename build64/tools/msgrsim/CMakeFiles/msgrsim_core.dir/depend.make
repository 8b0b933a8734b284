# Empty dependencies file for msgrsim_core.
# This may be replaced when dependencies are built.
