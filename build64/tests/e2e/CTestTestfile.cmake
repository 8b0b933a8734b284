# CMake generated Testfile for 
# Source directory: /work/main/tests/e2e
# Build directory: /work/main/build64/tests/e2e
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build64/tests/e2e/skylet_e2e[1]_include.cmake")
