# CMake generated Testfile for 
# Source directory: /work/main/tests/msgrsim
# Build directory: /work/main/build64/tests/msgrsim
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build64/tests/msgrsim/msgrsim_tests[1]_include.cmake")
