# CMake generated Testfile for 
# Source directory: /work/main/tests/unit
# Build directory: /work/main/build64/tests/unit
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build64/tests/unit/skylet_tests[1]_include.cmake")
