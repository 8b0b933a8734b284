# Empty dependencies file for HoldDesktop.
# This may be replaced when dependencies are built.
