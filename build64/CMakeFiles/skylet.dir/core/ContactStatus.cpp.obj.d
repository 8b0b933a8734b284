CMakeFiles/skylet.dir/core/ContactStatus.cpp.obj: \
 /work/main/core/ContactStatus.cpp /work/main/core/ContactStatus.h
