# CMake generated Testfile for 
# Source directory: /work/main
# Build directory: /work/main/build64
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("framework")
subdirs("settings")
subdirs("core")
subdirs("contactwnd")
subdirs("shell")
subdirs("app")
subdirs("tools/msgrsim")
subdirs("bench")
subdirs("tests")
