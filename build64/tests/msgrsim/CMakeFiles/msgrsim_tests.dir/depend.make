# Empty dependencies file for msgrsim_tests.
# This may be replaced when dependencies are built.
